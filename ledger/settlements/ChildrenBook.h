// The children book (spr_deti) as the three parents' fee documents use it:
// a child's name, fee and leaving date, the child's counterparty row, the
// leaving mark in a grid's row header, and the debtors an accrual proposes.
// A child code reaches SQL only once it is known to be a whole number.
#pragma once
#include "afx.h"

#include <functional>
#include <map>
#include <vector>

class CCellwork;

namespace nledmark {

// A child code as typed: a whole number, blanks around it dropped; "" when
// the text is no code.
CString ChildCode(const CString& text);

// What the book holds of a child; all "" for an unknown code.
struct CChildFacts {
    CString name;
    CString fee;      // two decimals, "." as the decimal point
    CString leaving;  // dt_del as dd.mm.yyyy, "" while the child stays
};
// `all` false reads the leaving date alone.
CChildFacts ChildOf(const CString& code, bool all = true);

// The child's counterparty (spr_contr, tip 3): its id, "" when it has none.
CString ChildCounterparty(const CString& code);

// The counterparties of several children at once (one query), by child code;
// a child without one, or a text that is no code, is not in the map.
std::map<CString, CString> ChildCounterparties(const std::vector<CString>& codes);

// The refusal of a child without a counterparty row, with the child's name
// (its code when the book no longer has it); the user has been told.
void RefuseChildWithoutCounterparty(const CString& code);

// The row header of `row` shows the leaving mark (the core's bitmap 533)
// when the child has a leaving date, nothing otherwise.
void ShowLeavingMark(CCellwork& grid, long row, const CString& leaving);

// One child of the debtors fill.
struct CDebtor {
    CString code, name, fee, teacher, leaving;
};

// Hands `each` every child with a teacher and a fee who has not left by
// `date` (dd.mm.yyyy), in name order, as the accrual charges them. Throws
// _com_error when the book cannot be read on; a query that fails to run has
// been reported and hands none.
void ForEachDebtor(const CString& date, const std::function<void(const CDebtor&)>& each);

// The add-row rule of the fee grids: when no unlocked cell is empty, one row
// is appended and its first cell made current.
void AppendRowWhenFull(CCellwork& grid);

} // namespace nledmark
