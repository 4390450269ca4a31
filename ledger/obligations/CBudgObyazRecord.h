// A budget obligation as it is stored: one row of ledmark_budg_obyaz with the
// twelve monthly amounts in its serialized grid, and one posting of the
// whole amount under its document id. The form settles the posting before
// the save (CBudgObyazView).
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

namespace nledmark {

// The cells of a month row.
enum BudgObyazColumn { OBYAZ_MONTH = 0, OBYAZ_NAME = 1, OBYAZ_SUM = 2 };

class CBudgObyazRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString date;  // dd.mm.yyyy
    CString number;
    CString icn;  // the base document ("Бюджетное обязательство")
    CString prim;
    CString contract;  // spr_dogovora
    CString ekr;       // spr_ekr
    CString debit, credit;  // as the form keeps them, KOSGU "000"
    CString kbkDebit, kbkCredit;
    CString department;
    CString grid;   // serialized
    CString total;  // "." as decimal point
    int branch = 1;
    CPostingLine posting;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
};

} // namespace nledmark
