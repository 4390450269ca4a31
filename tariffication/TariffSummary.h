// The summary of the tariffication: for the chosen statements and dates, per
// pay form and category, the rates and the monthly fund with its harm,
// seniority and bonus parts, each beside the part that falls on vacancies.
// Each assignment's figures are the tariffication list's own (TariffRows.h,
// TariffFigures.h), so the summary's fund equals the lists' totals.
#pragma once
#include "VenzExport.h"
#include "afx.h"

#include <vector>

namespace nvenzol {

struct TariffSummaryRequest {
    CString d1, d2;     // dd.mm.yyyy
    CString condition;  // "and (ssv1.nv=1 or ssv1.nv=3)", or "" for every statement
    CString titles;     // the statements' names joined by ", "
};

// Rates, fund, harm, seniority and bonus, of all assignments and of the
// vacancies among them.
struct TariffSums {
    double all[5] = {};
    double vacant[5] = {};
    void Add(const TariffSums& other);
    bool Empty() const { return all[1] == 0 && vacant[1] == 0; }
};

struct TariffSummaryPage {
    CString html;
    TariffSums total;
    std::vector<CString> statements;  // the forms', categories' and rows' statements run
};

// The page, or false when the script could not give a figure (its reason
// shown) or the database failed (reported).
NVENZOL_EXPORT bool BuildTariffSummary(const TariffSummaryRequest& request, TariffSummaryPage& page);

} // namespace nvenzol
