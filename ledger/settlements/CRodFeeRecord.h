// A parents' fee document as it is stored: the accruals (ledmark_rod_nuch)
// and the receipts (ledmark_rod_post) keep the same columns, the receipts
// also the route through 201.03 (b210). One row per document with its table
// part in the serialized grid, and the postings of its rows under its
// document id. The form settles every posting before the save, so the save
// writes them all or nothing.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

namespace nledmark {

class CRodFeeRecord : public IStoredDocument {
public:
    // `through`: the table keeps the route through 201.03 (b210).
    CRodFeeRecord(const char* table, bool through) : table(table), m_through(through) {}

    CString table;
    CString date;    // dd.mm.yyyy
    CString number;
    CString debit, credit;
    CString values[3];  // the analytic codes of the header's account
    CString prim;
    CString icn;     // the content of the operation
    CString grid;    // serialized
    CString total;   // "." as decimal point
    CString kbkDebit, kbkCredit;
    int branch = 1;
    BOOL b210 = FALSE;
    std::vector<CPostingLine> postings;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return table; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;

private:
    bool m_through;
};

} // namespace nledmark
