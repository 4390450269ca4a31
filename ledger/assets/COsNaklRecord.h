// A waybill of fixed assets or materials as it is stored: the header row in
// ledmark_os_nakl (assets) or ledmark_mat_nakl (materials) with the items as
// the serialized grid, and, for a posted waybill, two postings per item under
// its document id, written as one batch: the recipient's account takes the
// item on, the sender's account gives it up (the same amounts negated).
//
// A waybill kept without postings stores the document id -1 and has none; a
// posted one switched to unposted loses its postings in the same save.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// The columns of the items grid.
enum OsNaklColumn { ON_ITEM = 0, ON_NAME = 1, ON_ASKED = 2, ON_RELEASED = 3, ON_PRICE = 4, ON_SUM = 5 };
constexpr int kOsNaklColumns = 6;

// What differs between the two kinds of waybill; the kind is the document's
// integer mode: 0 fixed assets, any other materials.
struct OsNaklKind {
    const char* table;      // the header table
    const char* items;      // the book of the items (column 0)
    const char* debitKey;   // profile keys of the last accounts, section "constants"
    const char* creditKey;
    bool materials;
};
const OsNaklKind& OsNaklKindOf(int mode);

// The dimension (1..3) of the account whose book is `items`, 0 for none.
int ItemDimension(const CString& account, const char* items);
// The three analytic values of a side with the item at the item dimension.
void PlaceItem(const CString& account, const char* items, const CString values[3], const CString& item,
               CString placed[3]);

// One row of the items grid as texts ("." as the decimal point in figures).
struct OsNaklLine {
    CString item, name, asked, released, price, sum;
    // Columns 0, 2 and 3 all empty.
    bool Empty() const { return item.IsEmpty() && asked.IsEmpty() && released.IsEmpty(); }
};
// The rows of a stored grid text.
std::vector<OsNaklLine> OsNaklLines(const CString& grid);

class COsNaklRecord : public IStoredDocument {
public:
    explicit COsNaklRecord(int mode = 0) : mode(mode) {}

    int mode;
    CString number;
    CString date;  // dd.mm.yyyy
    CString icn, prim;
    CString debit, credit;  // the recipient's and the sender's account
    CString debitSb[3], creditSb[3];
    CString kbkDebit, kbkCredit;
    CString grid;
    int branch = 1;
    bool posted = false;   // the box "Не проводить документ" cleared
    long storedId = -1;    // the document id as loaded (-1: none)

    // The rows that passed the line check, from which the postings and the
    // total are made (MakePostings).
    std::vector<OsNaklLine> lines;
    std::vector<CPostingLine> postings;
    double total = 0;      // of the sums (column 5)

    const OsNaklKind& Kind() const { return OsNaklKindOf(mode); }

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);
    // Two postings per line that moves a quantity or a sum, and the total of
    // the lines' sums.
    void MakePostings();

    CString HeaderTable() const override { return Kind().table; }
    BOOL HasPostings() const override { return posted ? TRUE : FALSE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    CString* Number() override { return &number; }
};

} // namespace nledmark
