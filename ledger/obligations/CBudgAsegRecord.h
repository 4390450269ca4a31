// Budget assignments and limits as they are stored: one row of
// ledmark_budg_assig, its amounts per economic code in the serialized grid,
// and for the monthly limits and the assignments for the year one posting per
// row under its document id. The form settles every posting before the save
// (CBudgAsegView), so the save writes them all or nothing.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// The kinds of the document (tiplim).
enum BudgLimitKind { LIMITS_MONTHLY = 0, ASSIGNMENTS_QUARTER = 1, ASSIGNMENTS_YEAR = 2 };

// The cells of a row of the grid.
enum BudgAsegColumn { ASEG_EKR = 0, ASEG_SUM = 1, ASEG_TEXT = 2 };

// The accounts of a kind for a source of financing (1..4): the digit and
// "50105000"/"50103000" for the monthly limits, "50301000"/"50101000" for the
// year; none for the quarter.
void DefaultAssignmentAccounts(int kind, int source, CString& debit, CString& credit);

class CBudgAsegRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString date;  // dd.mm.yyyy
    CString number;
    CString icn;   // the base document ("Получены лимиты")
    CString prim;
    int kind = LIMITS_MONTHLY;
    int source = 1;
    CString debit, credit;  // as the form shows them
    CString kbkDebit, kbkCredit;
    CString department;
    CString grid;  // serialized
    CString total;  // "." as decimal point
    int branch = 1;
    // The postings, one per filled row, in row order.
    std::vector<CPostingLine> postings;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
};

} // namespace nledmark
