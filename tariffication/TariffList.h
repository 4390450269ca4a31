// The tariffication list of one pay statement and one tariffication form, as
// of two dates: the employees by category and department, a row per
// assignment with its figures (TariffFigures.h) in the column set of the
// form's type (TariffListColumns.h), department and category totals where
// their total is not 0, "ВСЕГО ПО СПИСКУ" and the commission's signatures.
// The classic and the new layout share this frame.
#pragma once
#include "VenzExport.h"
#include "afx.h"

#include <vector>

namespace nvenzol {

struct TariffListRequest {
    int nv = 0, vf = 0, tp = 0;
    bool newVariant = false;
    CString d1, d2;        // dd.mm.yyyy
    CString members[4];    // the commission's personnel numbers
    bool fioFull = false;  // full names, a part per line
};

struct TariffListPage {
    CString html;
    double total = 0;  // the list's Итого; a list of 0 is not shown
    std::vector<CString> statements;  // the categories', departments' and rows' statements run
};

// The page of the list, or false when there is none to show: a form type
// outside 1 to 4 ("Неверный тип формы" shown), a coefficient or the decimals
// the configuration's script could not give (its reason shown), a database
// error (reported).
NVENZOL_EXPORT bool BuildTariffList(const TariffListRequest& request, TariffListPage& page);

} // namespace nvenzol
