// A sales book entry as it is stored: one row of ledmark_kniga_prod, one
// issued invoice with its buyer and its amounts by VAT rate. The texts here
// are already checked: dates dd.mm.yyyy or "", amounts numbers with "." or "".
#pragma once
#include "StoredDocument.h"

namespace nledmark {

class CKnigaProdRecord : public IStoredDocument {
public:
    static const char* const kTable;
    // nos18, s18, nos10, s10, nos20, s20, s0, s00.
    static const char* const kAmountColumns[8];

    int source = 1;       // iff, 1..4
    CString date;         // d, the date of the entry in the book
    CString number;       // the invoice number
    CString total;        // s
    CString invoiceDate;  // d_sf
    CString paidDate;     // do
    CString org, orgName; // the buyer (spr_contr) and its name as shown
    CString amounts[8];
    int branch = 1;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return FALSE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long) override { return TRUE; }
};

} // namespace nledmark
