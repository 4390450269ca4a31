// An issued invoice as it is stored: one row of paymar_sch_fak with its
// services in paymar_sch_fak1 (npp1 0, 1, 2 ... over the lines written) and,
// unless it is kept without posting, one posting of the whole sum from the
// receivable (debit) to the income (credit) account under its document id.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// A service line: name, unit, quantity and sum ("." as decimal point).
struct CSchFakLine {
    CString name, unit, quantity, sum;
};

class CSchFakRecord : public IStoredDocument {
public:
    static const char* const kTable;
    static const char* const kLinesTable;

    int branch = 1;
    CString date;         // d, dd.mm.yyyy
    CString number;
    CString sum;          // "." as decimal point
    CString ls, org, org2;
    CString buyerName;    // icn, as shown
    CString activity;     // sb_deb2
    CString debit, credit;
    CString sb[3];        // the credit account's analytic values
    CString kbkDebit, kbkCredit;
    CString payDocNumber, payDocDate, paid;  // no_doc, date_doc, do
    CString note;
    bool sampleShown = false;
    CString sample;       // line breaks as "<br>"
    CString documentId;   // id, as stored ("" when not posted)
    // What the save adds: whether it posts, the buyer's counterparty and the
    // debit's analytic value 2 (the kind of activity, where the account's
    // class 2 is that book).
    bool posted = true;
    CString counterparty, debit2;
    std::vector<CSchFakLine> lines;

    // The stored row `realId` and its lines; FALSE (reported) when the row
    // cannot be read.
    BOOL Load(long realId);
    // The one posting of the invoice.
    CPostingLine Posting() const;

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return posted ? TRUE : FALSE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    CString LineTablesDeleteSql(long realId) override;
    CString LineTablesInsertSql(long realId) override;
};

// The query of the next invoice number of `year`: the largest leading number
// of the year's invoices plus one, the invoice `realId` (when not -1) left
// out.
CString NextInvoiceNumberSql(int year, long realId);
// The next invoice number ("1" for the first of the year).
CString NextInvoiceNumber(int year, long realId);

} // namespace nledmark
