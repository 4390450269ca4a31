// A materials receipt or an opening balance of materials as it is stored:
// the header row in the table of its mode, one row per material line in the
// lines table (the header table's name followed by "1"), the postings under
// its document id and, for a receipt, the row of the received-invoice book
// whose key the header keeps in `sfp_id`.
//
// The form settles the postings and the book row before the save; the
// record writes them inside the save's transaction: header, lines, book row
// (and `sfp_id`), postings.
#pragma once
#include "PostingLines.h"
#include "PurchasePostings.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// The modes of the form: the document's kind.
constexpr int kMatReceipt = 0;
constexpr int kMatOpening = 1;

// The cells of a material line.
enum MatPrixColumn {
    MP_ITEM = 0, MP_NAME = 1, MP_UNIT = 2, MP_KOL1 = 3, MP_SUM1 = 4, MP_PRICE = 5, MP_KOL = 6, MP_SUM = 7,
    MP_KOL2 = 8, MP_SUM2 = 9, MP_EKR = 10, MP_COLUMNS = 11
};

struct CMatPrixLine {
    CString cells[MP_COLUMNS];  // numbers with "."
};

class CMatPrixRecord : public IStoredDocument {
public:
    explicit CMatPrixRecord(int mode = kMatReceipt) : m_mode(mode) {}

    // The header table of a mode ("" for any other mode).
    static CString TableOf(int mode);
    int Mode() const { return m_mode; }

    CString number;
    CString date;  // dd.mm.yyyy
    CString debit, credit;
    CString kbkDebit, kbkCredit;
    CString tn;
    CString prim;
    CString sum;
    CString sb[3];
    int vat = 0;       // bnds
    CString vatSum;    // nds
    int vatRate = 0;   // nds_st
    int through106 = 0;
    int through501 = 0;
    long invoiceId = 0;  // sfp_id
    int branch = 1;
    std::vector<CMatPrixLine> lines;

    // What the save writes besides header and lines.
    std::vector<CPostingLine> postings;
    bool writeInvoice = false;
    CReceivedInvoiceRow invoice;
    bool invoiceUnwritten = false;  // the book row failed: the save was taken back

    // The stored row `realId` and its lines; FALSE (reported) when the row
    // cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return TableOf(m_mode); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    CString LineTablesDeleteSql(long realId) override;
    CString LineTablesInsertSql(long realId) override;

private:
    BOOL LoadLines(long realId);

    int m_mode;
};

} // namespace nledmark
