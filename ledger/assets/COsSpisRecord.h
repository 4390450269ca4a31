// A write-off of fixed assets as it is stored: the header row in
// ledmark_os_spis with the grid's text in `grid` (asset, name, quantity), the
// postings under its document id and the cards it changed in the register.
//
// The save writes, in its one transaction: the cards an earlier save of the
// same document changed given back (so an asset dropped from the grid is in
// use again), the header, then per asset its postings from the balances as
// they stand without the document's old postings and its card's change, and
// the total written off.
#pragma once
#include "OsSpisPostings.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// The cells of a write-off line.
enum OsSpisColumn { OSS_CARD = 0, OSS_NAME = 1, OSS_KOL = 2, OSS_COLUMNS = 3 };

struct COsSpisLine {
    CString card;      // a checked id
    double quantity = 0;
};

class COsSpisRecord : public IStoredDocument {
public:
    COsSpisHeader header;
    CString prim, prik, icn;
    CString sum;       // the total written off, "." decimals
    CString grid;      // the grid as one text
    std::vector<COsSpisLine> lines;

    // The stored row `realId`; FALSE (reported) when it cannot be read. An
    // empty economic code reads as "311000", an off-balance account kept by
    // its two-digit number as the account of the first source.
    BOOL Load(long realId);

    CString HeaderTable() const override { return "ledmark_os_spis"; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    // Only remembers the header's key, for the total written last.
    BOOL WriteLinkedRows(long realId) override
    {
        m_realId = realId;
        return TRUE;
    }
    CString* Number() override { return &header.number; }

private:
    long m_realId = -1;
};

} // namespace nledmark
