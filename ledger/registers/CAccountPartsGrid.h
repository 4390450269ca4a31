// The accounts grid of the registers' parameter forms (the journal of
// operations, the turnover statement): one account a row, typed or chosen
// part by part with the chart pickers (column 0 synthetic account, 1 analytic
// account, 2 KOSGU code), one empty row kept at the end, the accounts of a
// journal of operations loaded in numeric order, and the reference books of
// the accounts' analytic dimensions.
//
// The form owns the grid control and forwards to this class: grid event 5
// (OpenPicker), event 9 (CellEdited), and its messages kKeepEmptyRowMsg
// (KeepEmptyRow) and kSintPickedMsg..kKosguPickedMsg (TakePicked, column 0..2),
// on which the pickers answer the form.
#pragma once
#include "CCellwork.h"

#include <vector>

namespace nledmark {

// Columns of the accounts grid.
enum AccountPart { PART_SINT = 0, PART_ANAL = 1, PART_KOSGU = 2 };

// A row of the grid that names an account (column 0 not empty), its parts trimmed.
struct AccountRow {
    long row = 0;
    CString sint, anal, kosgu;
};

// A reference book of the accounts' analytic dimensions.
struct DimensionBook {
    int book = 0;       // reference-book id
    int dimension = 0;  // 1..3: the dimension it has in the first account that uses it
    CString name;       // the book's display name
};

// The reference books of the dimensions of the grid's accounts.
struct AccountBooks {
    std::vector<DimensionBook> books;  // each book once, in the order the accounts name them
    bool present[3] = {false, false, false};  // some account has dimension n (index n-1)
    CString captions[3];  // the distinct names of the books of dimension n, joined by " / "
};

class CAccountPartsGrid {
public:
    static constexpr UINT kKeepEmptyRowMsg = 0x401;
    static constexpr UINT kSintPickedMsg = 0x402;
    static constexpr UINT kAnalitPickedMsg = 0x403;
    static constexpr UINT kKosguPickedMsg = 0x404;

    void Attach(CWnd* form, CCellwork* grid);

    // Grid event 5: the picker of the cell's column opens for that row and
    // answers the form with the column's message; the cell becomes current.
    // Columns past the KOSGU code open nothing.
    void OpenPicker(short col, short row);
    // A picker's answer: the code goes into the column of the row the picker
    // was opened for (whatever row is current now), which becomes current; an
    // answer in column 0 posts kKeepEmptyRowMsg. False when that row is gone.
    bool TakePicked(int col, const char* code);
    // Grid event 9: an edit of column 0 posts kKeepEmptyRowMsg.
    void CellEdited(short col);
    // kKeepEmptyRowMsg: appends one row unless some row's synthetic account
    // is empty.
    void KeepEmptyRow();
    // "&Очистить": exactly one empty row, the grid focused on cell (0, 0).
    void Clear();
    // One empty row and nothing remembered.
    void Reset();
    // The accounts of journal `id` (spr_jrn_oper1) in numeric order, replacing
    // the grid's rows (no empty row is added); the number of accounts, -1 when
    // they could not be read (reported).
    long LoadJournal(long id);

    std::vector<AccountRow> Accounts() const;
    // The account of a row under a source of financing (0-4): GL_Get_SCH of
    // its parts; "" when a part is no number.
    static CString FullAccount(int source, const AccountRow& row);
    AccountBooks Books(int source) const;

    // The whole grid as one serialized string, and back.
    CString Serialized() const;
    void Restore(const CString& text);

    CCellwork* Grid() const { return m_grid; }

private:
    CString Cell(int col, long row) const;

    CWnd* m_form = nullptr;
    CCellwork* m_grid = nullptr;
    long m_pickRow[3] = {-1, -1, -1};  // the row each column's picker answers into
};

} // namespace nledmark
