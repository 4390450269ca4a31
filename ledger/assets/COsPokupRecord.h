// A purchase of fixed assets as it is stored: the header row of
// ledmark_os_pokup with the assets bought as the text of its grid, the
// postings under its document id and the row of the received-invoice book
// whose key the header keeps in `sfp_id`.
//
// The form settles the postings and the book row before the save; the
// record writes them inside the save's transaction: header, book row (and
// `sfp_id`), postings.
#pragma once
#include "PostingLines.h"
#include "PurchasePostings.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// The cells of an asset row.
enum OsPokupColumn {
    OP_ASSET = 0, OP_NAME = 1, OP_KOL = 2, OP_SUM = 3, OP_EKR = 4, OP_IZNOS_SCH = 5, OP_COLUMNS = 6
};

class COsPokupRecord : public IStoredDocument {
public:
    static constexpr const char* kTable = "ledmark_os_pokup";

    CString number;
    CString date;  // dd.mm.yyyy
    CString credit;
    CString sb[3];
    CString kbk;
    CString prim;
    CString text;   // icn: the operation text
    CString sum;
    CString grid;   // the asset rows as one text
    int through106 = 0;
    int through501 = 0;
    int vat = 0;       // bnds
    CString vatSum;    // nds
    int vatRate = 0;   // nds_st
    long invoiceId = 0;  // sfp_id
    int branch = 1;

    // What the save writes besides the header.
    std::vector<CPostingLine> postings;
    bool writeInvoice = false;
    CReceivedInvoiceRow invoice;
    bool invoiceUnwritten = false;  // the book row failed: the save was taken back

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
};

} // namespace nledmark
