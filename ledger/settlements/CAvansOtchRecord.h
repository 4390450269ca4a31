// An advance report as it is stored: one row of ledmark_avans_otch with the
// expense lines serialized in `grid`, and the postings under its document
// id: each line's own posting and, with `b501`, its pair through 501.03 and
// 502.01 (AvansPostings.h). The form settles the postings before the save.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// The cells of an expense line.
enum AvansColumn {
    AV_FROM = 0, AV_TO = 1, AV_DOC = 2, AV_NOTE = 3, AV_CLAIMED = 4, AV_ACCEPTED = 5, AV_EKR = 6, AV_DEBIT = 7,
    AV_DEBIT1 = 8, AV_DEBIT2 = 9, AV_DEBIT3 = 10, AV_QUANTITY = 11, AV_RECEIPT = 12, AV_CREDIT = 13,
    AV_COLUMNS = 14
};

class CAvansOtchRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString number;
    CString date;     // dd.mm.yyyy
    CString account;  // sch, the default credit of the lines
    CString tn;
    CString department;  // prd
    CString icn, prim;
    CString previousAdvance;  // pred_av, "." as decimal point
    CString sum;
    // The received advances, three rows of (from whom, date, amount): g1..g9.
    CString received[9];
    CString grid;  // serialized
    CString kbkDebit, kbkCredit;
    int branch = 1;
    int through501 = 0;  // b501
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
