// The columns of a position assignment (perso_tn_nip) that a staff form edits,
// each with the form's field and how its text reaches SQL. The personnel
// clerk's form edits the appointment columns; the tariffication form edits
// these and the pay-rate columns. Both forms load, check and save through one
// routine (NipForm.h) over their set.
#pragma once
#include "VenzExport.h"
#include "afx.h"

#include <map>
#include <string>
#include <vector>

namespace nvenzol {

enum class NipValue {
    Key,       // tn, npp: a checked whole number
    Code,      // a code of a reference book: a checked whole number, NULL when empty
    Rates,     // st: a number ("," or "."), 1 when empty
    Number,    // a number ("," or "."), NULL when empty
    Date,      // a date literal, NULL when empty
    Text,      // quoted, '' when empty
    NullText,  // quoted, NULL when empty
    Flag,      // a check box: 0 or 1
};

struct NipColumn {
    const char* name;   // as the statements write it
    int control;        // the form's field or check box
    NipValue value;
    const char* label;  // the field's name in messages
};

struct NipColumnSet {
    std::vector<NipColumn> columns;  // in the order of the insert
    bool formType = false;           // the form type (vf) is required and checked
};

// The personnel clerk's eleven columns, and the tariffication form's thirty-two.
NVENZOL_EXPORT const NipColumnSet& PersoNipColumns();
NVENZOL_EXPORT const NipColumnSet& VenzNipColumns();

// An assignment's texts by column name; a column missing is an empty text.
using NipRecord = std::map<std::string, CString>;

} // namespace nvenzol
