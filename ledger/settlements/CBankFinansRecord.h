// Financing received as it is stored: a row of ledmark_bank_postup0 without a
// main account (the receipts of the second mode share the table and have
// one), its rows in the serialized grid, and one posting per row under its
// document id.
#pragma once
#include "BankRows.h"
#include "StoredDocument.h"

namespace nledmark {

class CBankFinansRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString date;    // dd.mm.yyyy
    CString number;
    CString prim;
    CString icn;     // the base document ("Выписка банка")
    CString grid;    // serialized
    int source = 1;  // isf
    CString total;   // "." as decimal point
    CString kbk;     // the code the rows without their own take
    int branch = 1;
    CString contr;   // sb2
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
