// The payroll's positions (spr_paymar_dol) and their salary and rates per pay
// sheet (spr_paymar_dol1) as the two positions books write them. Each book
// has rate columns of its own and shows every sheet but 4: a save writes only
// its own columns of the sheets it shows, so the other book's columns and
// sheet 4's row stay as they are.
#pragma once
#include "afx.h"

#include <array>
#include <utility>
#include <vector>

namespace npaymar {

// The pay sheet neither positions book lists nor writes.
constexpr int kUnlistedSheet = 4;

// The five rate columns a book shows, in its grid's order.
using RateColumns = std::array<const char*, 5>;

// A sheet's row of the grid: the sheet and the five rates as typed.
struct PayPositionRates {
    CString nv;
    std::array<CString, 5> rates;
};

// A position as a book holds it: the code ("" for a new one), the name, the
// book's own header columns with their typed texts, and a row per shown sheet.
struct PayPositionRecord {
    CString code, name;
    // Column and typed text; a text column (kat, raz) is stored as typed, the
    // others (the allowances in percent) as numbers.
    std::vector<std::pair<const char*, CString>> header;
    RateColumns columns{};
    std::vector<PayPositionRates> rows;
};

// Whether a header column keeps text rather than a number.
bool IsTextColumn(const char* column);

// Writes the position in one transaction. An empty code takes the next free
// code, read under the table's lock, and inserts the position; a typed code
// updates its position, or inserts one under that code when there is none.
// Only the record's header columns and, per shown sheet, its own rate columns
// change; a sheet whose rates are all empty loses those, and its row goes
// when nothing else is left in it. On success `record.code` is the code
// written; on a failure (reported) nothing changes. A code, allowance or rate
// that is no number fails without a statement: the book checks them first.
bool WritePayPosition(PayPositionRecord& record);

} // namespace npaymar
