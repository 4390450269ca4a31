// A received invoice as it is stored: one row of ledmark_sch_fak_poluch with
// its debit lines as a serialized grid, its postings (each line against the
// supplier, with its 501.03/502.01 pair where asked) or none, and on request
// its row of the VAT purchase book, written in the same transaction.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// What a received invoice writes into the purchase book: the supplier's
// organisation (from the counterparty the supplier account keeps) and the
// invoice's dates, number, sum, source and branch.
struct CPurchaseBookRow {
    CString org, orgName;
    CString source;  // the supplier account's first character
};

class CSchFakPoluchRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString date;         // d, dd.mm.yyyy: the date of receipt and of the postings
    CString invoiceDate;  // date_sf
    CString number;
    CString sum;          // "." as decimal point
    CString supplier;     // sch_kred
    CString values[3];    // sb1..sb3
    CString kbk;          // kbk_kred, a whole number or ""
    CString text;         // txt as typed ("\r\n" between lines)
    CString grid;         // the serialized lines
    int b501 = 1;
    int branch = 1;
    bool posted = true;
    std::vector<CPostingLine> postings;

    // The purchase book row: written when `writeBook` is set and the supplier
    // keeps a counterparty (`book` filled); `kpId` is the stored link (-1
    // none) and, after a save, the row written.
    bool writeBook = false;
    bool hasBookRow = false;
    CPurchaseBookRow book;
    long kpId = -1;

    // The text as stored: "<br>" for each line break; and on one line.
    CString StoredText() const;
    CString OneLineText() const;
    // The stored text ("<br>" or "\n" between lines) as the edit field shows it.
    static CString ShownText(const CString& stored);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return posted ? TRUE : FALSE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WriteLinkedRows(long realId) override;
    BOOL WritePostings(long id) override;
};

} // namespace nledmark
