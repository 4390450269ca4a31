// A manual operation as it is stored: one row of ledmark_oper_by_hand and the
// postings that carry its document id (its lines are kept nowhere else). The
// form fills a record from its fields and grid, and a record is saved as one
// transaction through the document store (StoredDocument.h).
#pragma once
#include "OperByHandLines.h"
#include "SaveChecks.h"
#include "StoredDocument.h"

namespace nledmark {

class COperByHandRecord : public IStoredDocument, public INumberDated {
public:
    static const char* const kTable;

    CString date;    // dd.mm.yyyy
    CString number;
    CString sum;     // as typed in the header; "" stores NULL
    CString prim;    // the name of the operation document ("Справка")
    int branch = 1;
    long id = 0;     // document id as stored
    CString proposedNumber;  // the number the form proposed, while the user keeps it
    std::vector<COperLine> lines;

    // Reads the stored row `realId` in one query, then its postings in line
    // order. The postings are read only for an operation that has an id of
    // its own: an id 0 is shared by nothing. FALSE when the row is gone or a
    // read failed (reported): the operation was not read whole.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long documentId) override;
    CString HeaderUpdateSql(long documentId, long realId) override;
    // The non-empty lines as one batch of posting statements.
    BOOL WritePostings(long documentId) override;
    BOOL MakePostingStatements(CPostingStatements& statements) override;
    bool WritesOnlyHeaderAndPostings() const override;
    CString* Number() override { return &number; }
    CString ProposedNumber() const override { return proposedNumber; }
    CString NumberDate() const override { return date; }

private:
    BOOL LoadLines();
};

} // namespace nledmark
