// A statement of bank receipts as it is stored: one row of the table its mode
// names (0 ledmark_bank_postup, 1 ledmark_bank_postup0) with its rows in the
// serialized grid, and the postings of its rows under its document id. The
// form settles every posting before the save (CBankPostupView), so the save
// writes them all or nothing.
#pragma once
#include "BankRows.h"
#include "StoredDocument.h"

namespace nledmark {

class CBankPostupRecord : public IStoredDocument {
public:
    // The table of a mode; "" for a mode the statements do not have.
    static CString TableOfMode(int mode);

    explicit CBankPostupRecord(int mode = 0);

    CString table;
    CString date;    // dd.mm.yyyy
    CString number;
    CString prim;
    CString icn;     // the base document ("Выписка банка")
    CString grid;    // serialized
    BOOL through = FALSE;  // b210
    CString total;   // "." as decimal point
    CString main;    // deb
    CString kbkDebit, kbkCredit;
    int branch = 1;
    CString ls, contr;
    std::vector<CPostingLine> postings;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return table; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
};

} // namespace nledmark
