// A cash order as it is stored: one row of ledmark_pko (receipt) or
// ledmark_rko (expense) with its lines serialized in `grid`, and one posting
// per line under its document id. The two orders are one design; what they
// do apart is the order's kind (CCashOrderKind): the side of the main
// account, the column of its KBK, the target purposes offered, the identity
// document of the expense order and the text the postings' note is made of.
#pragma once
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

// The cells of a line.
enum CashOrderColumn { CO_KBK = 0, CO_ACCOUNT = 1, CO_SB1 = 2, CO_SB2 = 3, CO_SB3 = 4, CO_SUM = 5, CO_COLUMNS = 6 };

struct CCashOrderKind {
    const char* table;         // ledmark_pko, ledmark_rko
    bool mainIsDebit;          // the receipt debits its main account, the expense order credits it
    const char* kbkColumn;     // the main account's KBK: kbk_deb, kbk_kred
    const char* lineKbkColumn; // the one line KBK of an order stored without lines
    const char* lineSide;      // the side of that line in its posting: "kred", "deb"
    const char* accountKey;    // the profile key of the last main account
    const char* purposes;      // the target purposes offered (spr_cn)
    bool hasDocument;          // the recipient's identity document (`doc`)
    const char* newQuestion;   // the question of "&Новый"
    const char* title;         // the form's own name
};

extern const CCashOrderKind kReceiptOrder;
extern const CCashOrderKind kExpenseOrder;

class CCashOrderRecord : public IStoredDocument {
public:
    explicit CCashOrderRecord(const CCashOrderKind& kind = kReceiptOrder) : m_kind(&kind) {}

    CString number;
    CString date;      // dd.mm.yyyy
    CString main;      // sch0
    CString division, corrDivision;  // prd0, prd1
    CString purpose, purposeName;    // cn, icn
    CString tn, fio;
    CString document;  // doc, the expense order's only
    CString basis, attachment, comment;  // osn, pril, prim
    CString sum;       // "." as decimal point
    CString kbk;       // the main account's KBK
    CString grid;      // serialized lines
    CString documentId;  // id, as stored
    int branch = 1;
    // The postings, one per line that holds anything, in the order of the
    // lines; `postingRows` the grid row of each.
    std::vector<CPostingLine> postings;
    std::vector<long> postingRows;
    // The line whose posting the script refused in the last save (-1: none).
    long refusedRow = -1;

    const CCashOrderKind& Kind() const { return *m_kind; }

    // The stored row `realId`; an order stored without lines gets its one
    // line from its single account, KBK and the analytic values of its first
    // posting. FALSE (reported) when the row cannot be read.
    BOOL Load(long realId);
    // The posting of a line (its six cells).
    CPostingLine Posting(const CString* cells) const;
    // The note of the postings: the target purpose's name and the comment
    // (receipt) or the basis (expense).
    CString PostingNote() const;

    CString HeaderTable() const override { return m_kind->table; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;

private:
    void ConvertSingleLine(const CString& account, const CString& lineKbk);

    const CCashOrderKind* m_kind;
};

// The query of the identity line of employee `tn` ("паспорт серии ... №
// ..., выдан ... ..."), an empty part for each missing one, in the dialect
// of the connection; "" when `tn` is no personnel number.
CString PassportQuery(const CString& tn);

} // namespace nledmark
