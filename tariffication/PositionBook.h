// The staff positions (ssv) and their rates per pay statement (ssv1), as the
// position book reads and writes them. Statement 4 is kept apart: the book
// neither lists nor writes it, and a save leaves its rate rows as they are.
#pragma once
#include "VenzExport.h"
#include "afx.h"

#include <vector>

namespace nvenzol {

// The pay statement the position book leaves alone.
constexpr int kUnlistedStatement = 4;

// A position's rate and contract amount under one pay statement, as typed.
struct PositionRate {
    CString nv, st, s;
};

// A position as the form holds it: the code ("" for a new one), the name,
// category, grade, harmful-conditions allowance and salary group, and a rate
// row per listed statement.
struct PositionRecord {
    CString code, name, kat, raz, vr, gr;
    std::vector<PositionRate> rates;
};

enum class PositionWritten { Yes, Failed };

// The position and its rates written in one transaction: a new position
// (empty code) takes the highest code plus one, read under the table's lock,
// and is inserted; a stored one is replaced together with its rates, the
// rows of statement 4 kept. A rate row is written only where a rate or a
// contract is given. On success `record.code` is the code written; on a
// failure nothing is changed. The form checks the record first; a code,
// grade, allowance, group, rate or contract that is no number fails here
// without a statement.
NVENZOL_EXPORT PositionWritten WritePosition(PositionRecord& record);

} // namespace nvenzol
