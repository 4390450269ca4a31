// A catering menu requirement as it is stored: the header row in
// ledmark_menu_treb with the categories (`KatDov`) and the product rows of the
// meals (`grid`) as texts (MenuTrebText.h), and one posting per product row
// under its document id, written as one batch, then the document's total.
#pragma once
#include "MenuTrebText.h"
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

class CMenuTrebRecord : public IStoredDocument {
public:
    CString number;
    CString date;  // dd.mm.yyyy
    CString icn, prim;
    CString debit, credit;
    CString sb[3];
    CString tn;
    CString kbkDebit, kbkCredit;
    CString katDov, grid;
    int branch = 1;

    // What the save posts and its total.
    std::vector<CPostingLine> postings;
    double total = 0;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return "ledmark_menu_treb"; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    CString* Number() override { return &number; }
};

} // namespace nledmark
