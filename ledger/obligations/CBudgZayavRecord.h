// A budget request as it is stored: one row of ledmark_budg_zayavka with its
// indicators in the serialized grid (name, quantity, amount per unit, sum,
// tax, total in thousands), and one posting of the grand total under its
// document id.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

namespace nledmark {

// The columns of the indicators.
enum BudgZayavColumn { ZAYAV_NAME = 0, ZAYAV_QUANTITY = 1, ZAYAV_PRICE = 2, ZAYAV_SUM = 3, ZAYAV_TAX = 4, ZAYAV_TOTAL = 5 };

// One indicator computed from its quantity and amount per unit: the sum, a
// tax of 26.2 % of it and their total, each rounded to kopecks, and the
// total in thousands, as the grid shows them.
struct CRequestFigures {
    CString sum, tax, thousands;
};
CRequestFigures ComputeRequestRow(double quantity, double price);

class CBudgZayavRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString date;  // dd.mm.yyyy
    CString number;
    CString debit, credit;
    CString debitValues[3], creditValues[3];
    CString kbkDebit, kbkCredit;
    CString icn;  // the content of the operation, also the posting's note
    CString prim;
    CString grid;   // serialized
    CString total;  // the grand total, "." as decimal point
    int branch = 1;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    // The posting of the grand total.
    CPostingLine Posting() const;
};

} // namespace nledmark
