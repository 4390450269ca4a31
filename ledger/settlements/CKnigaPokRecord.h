// A purchase book entry as it is stored: one row of ledmark_kniga_pokupok,
// one received invoice with its amounts by VAT rate.
#pragma once
#include "StoredDocument.h"

namespace nledmark {

class CKnigaPokRecord : public IStoredDocument {
public:
    static const char* const kTable;

    int source = 1;       // iff, 1..4
    CString number;       // the invoice number
    CString total;        // s
    CString invoiceDate;  // d_sf
    CString paidDate;     // do
    CString accepted;     // d_uch (and d): the date of acceptance for accounting
    CString org, orgName;
    CString gtd;
    // nos18, s18, nos10, s10, nos20, s20, s0, s00 as typed.
    CString amounts[8];
    int branch = 1;

    static const char* const kAmountColumns[8];

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return FALSE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long) override { return TRUE; }
};

} // namespace nledmark
