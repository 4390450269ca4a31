// A materials write-off as it is stored: the header row in ledmark_mat_spis
// with the grid's text in `grid`, one row per posted line in
// ledmark_mat_spis1 (item, balance before, quantity, price, sum, remainder,
// economic code, recipient) and the postings under its document id.
//
// The lines table is what a stored write-off's rows add back to the balance
// when they are recomputed: the balance already holds the document's own
// postings. The save writes it in its transaction, after the header.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// The cells of a write-off line.
enum MaterialsSpisColumn {
    MS_ITEM = 0, MS_NAME = 1, MS_UNIT = 2, MS_KOL1 = 3, MS_SUM1 = 4, MS_KOL = 5, MS_PRICE = 6, MS_SUM = 7,
    MS_KOL2 = 8, MS_SUM2 = 9, MS_NORM = 10, MS_EKR = 11, MS_WHOM = 12, MS_COLUMNS = 13
};

struct CMaterialsSpisLine {
    CString cells[MS_COLUMNS];  // numbers with "."
};

class CMaterialsSpisRecord : public IStoredDocument {
public:
    CString number;
    CString date;  // dd.mm.yyyy
    CString debit, credit;
    CString kbkDebit, kbkCredit;
    CString sb[3];  // the header's analytic values of the debit account, as typed
    CString tn;
    CString whom;   // the recipient, "" for none
    CString prim;
    CString zab;    // the off-balance account, "" for none
    CString sum;
    CString grid;   // the grid as one text
    int branch = 1;
    // The stored lines, read when the header keeps no grid text.
    std::vector<CMaterialsSpisLine> lines;
    // What the save posts.
    std::vector<CPostingLine> postings;

    // The stored row `realId` (and its lines when it keeps no grid text);
    // FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return "ledmark_mat_spis"; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    CString LineTablesDeleteSql(long realId) override;
    CString LineTablesInsertSql(long realId) override;
    CString* Number() override { return &number; }

private:
    BOOL LoadLines(long realId);
};

} // namespace nledmark
