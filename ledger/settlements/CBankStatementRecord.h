// A bank statement as it is stored: one row of its table with the rows in the
// serialized grid, and the postings of its rows under its document id. The
// receipts and the payments keep the same columns but for the main account
// (deb or kred) and the box (b210 or b501). The form settles every posting
// before the save, so the save writes them all or nothing.
#pragma once
#include "BankRows.h"
#include "StoredDocument.h"

namespace nledmark {

class CBankStatementRecord : public IStoredDocument {
public:
    CBankStatementRecord(const CString& table, const char* mainColumn, const char* boxColumn);

    CString table;
    CString date;    // dd.mm.yyyy
    CString number;
    CString prim;
    CString icn;     // the base document ("Выписка банка")
    CString grid;    // serialized
    BOOL box = FALSE;
    CString total;   // "." as decimal point
    CString main;
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

private:
    CString m_mainColumn;
    CString m_boxColumn;
};

// Bank receipts: the table of a mode (0 ledmark_bank_postup, 1
// ledmark_bank_postup0; "" for a mode the statements do not have), the main
// account in `deb`, the passage through 201.03 in `b210`.
class CBankPostupRecord : public CBankStatementRecord {
public:
    static CString TableOfMode(int mode);
    explicit CBankPostupRecord(int mode = 0) : CBankStatementRecord(TableOfMode(mode), "deb", "b210") {}
};

// Bank payments: ledmark_bank_spis, the main account in `kred`, the
// 501.03/502.01 pair in `b501`.
class CBankSpisRecord : public CBankStatementRecord {
public:
    CBankSpisRecord() : CBankStatementRecord("ledmark_bank_spis", "kred", "b501") {}
};

} // namespace nledmark
