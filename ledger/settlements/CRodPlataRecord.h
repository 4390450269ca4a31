// The parents' fee opening balances as they are stored: a header row of
// ledmark_rod_plata, one row of ledmark_rod_plata1 per child with a balance,
// and the postings of those balances against the balance-entry account under
// the document id. A save replaces the lines of the children the form shows
// and keeps those of children it no longer lists (gone from the book), whose
// postings it writes again with the others.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

#include <set>

namespace nledmark {

// One child's balance: underpayment and overpayment as typed ("." as the
// decimal point, "" when empty) and the teacher.
struct CRodBalanceLine {
    CString code, s1, s2, teacher;
};

class CRodPlataRecord : public IStoredDocument {
public:
    static const char* const kTable;
    static const char* const kLineTable;

    CString date;     // dd.mm.yyyy
    CString number;
    CString account;  // sch, the settlement account
    CString prim;
    CString total;    // underpayments less overpayments, "." as decimal point
    CString kbk;
    int branch = 1;
    std::vector<CRodBalanceLine> lines;  // the rows of the form with a balance
    std::set<CString> shownCodes;        // the children the form lists
    // Set while a save replaces the lines of the children shown; otherwise
    // (the document deleted) all its lines go.
    bool replacingShown = false;
    std::vector<CPostingLine> postings;

    // The stored header `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);
    // The stored lines of `realId` whose children the form does not list.
    std::vector<CRodBalanceLine> KeptLines(long realId) const;

    // The postings of a balance line of a child with counterparty `contr`:
    // the underpayment first, then the overpayment; none for zero.
    std::vector<CPostingLine> PostingsOf(const CRodBalanceLine& line, const CString& contr) const;

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    CString LineTablesDeleteSql(long realId) override;
    CString LineTablesInsertSql(long realId) override;
};

} // namespace nledmark
