// The routine of the assignment forms of both staff modules: the personnel
// clerk's (nperso::CNipView) and the tariffication form (nvenzol::CNipView).
// Each form has the personnel number (112) and the running number (1149) of
// the form base and the fields of its column set; the routine proposes the
// employee's current assignment, loads the row column by column, and checks,
// numbers and saves it. Every question is asked before the row is written.
#pragma once
#include "NipColumns.h"
#include "VenzExport.h"
#include "afx.h"

#include <cstddef>

class CderivedEdit;
class CDataExchange;

namespace nvenzol {

// An edit field of a form and the kind of what it takes (EDIT_KIND_...).
struct NipEdit {
    int id;
    int kind;
};
// The form's edits given their kinds (at construction), and bound to their
// fields (in DoDataExchange), in the order of the table.
NVENZOL_EXPORT void SetEditKinds(CderivedEdit* edits, const NipEdit* fields, size_t count);
NVENZOL_EXPORT void BindEdits(CDataExchange* pDX, CderivedEdit* edits, const NipEdit* fields, size_t count);

// After the employee changed: his earliest current assignment at the working
// month (open, or ending on or after its first day) into 1149, or none.
NVENZOL_EXPORT void ProposeCurrentNip(CWnd* form);
// The assignment of 112 and 1149 into the set's fields and check boxes;
// every one emptied when either number is missing or no number.
NVENZOL_EXPORT void LoadNip(CWnd* form, const NipColumnSet& set);
// The save: the fields checked in order (a refusal says why and puts the
// focus on the field), the row changed after "Записать изменения ? " or added
// after "Добавить новую запись ? " under the typed or the next number, and
// the row loaded again. TRUE when written.
NVENZOL_EXPORT BOOL SaveNip(CWnd* form, const NipColumnSet& set);

// Writes a key field's text; its change handler runs even when the text is
// the one it holds, so the record it keys is loaded again.
NVENZOL_EXPORT void SetKeyText(CWnd* form, int id, const CString& text);
// A refusal: the message, the focus on the field and, with `select`, its
// whole text selected. Always FALSE.
NVENZOL_EXPORT BOOL RefuseField(CWnd* form, const char* message, int field, bool select);

} // namespace nvenzol
