// What each kind of edit field (CderivedEdit::SetType) accepts. The typing
// rules are the grid cells' of the same kind (Gridbase CellInput.h), so a
// number or a date is typed alike in a field and in a cell:
//   0 plain: codes, numbers, names, anything typed; nothing is filtered.
//   2 date: as a date cell: digits and ".", the points put in after the
//     day and the month; a typed "," "/" or "-" is a point; dd.mm.yyyy once
//     the field is left.
//   3 decimal: as a number cell: a signed number, any number of decimals.
//   4 amount: as an amount cell: signed, at most two decimals; shown with
//     two once the field is left.
// In 3 and 4 a typed "," is the decimal point and becomes ".". Other kind
// numbers are plain.
#pragma once
#include "afx.h"
#include <QString>

#define EDIT_KIND_PLAIN 0
#define EDIT_KIND_DATE 2
#define EDIT_KIND_DECIMAL 3
#define EDIT_KIND_AMOUNT 4

class QValidator;
class QObject;

namespace dlgkit {

// Whether the kind filters what is typed (2, 3 and 4).
bool EditKindFilters(int kind);
// The grid's typing rules for the kind, as a validator of a line edit (NULL
// for a plain field).
QValidator* EditKindValidator(int kind, QObject* parent);
// A typed character as the field takes it in ("," in a date is a point).
QString EditTypedChar(int kind, QChar c);
// Whether the field may hold `text` while it is being typed.
bool EditMayHold(int kind, const QString& text);
// The text the field shows once it is left. `ok` is false when the text is
// no value of its kind (a date that does not exist); it is then kept as
// typed, for the user to mend.
CString EditLeavingForm(int kind, const CString& text, bool& ok);

} // namespace dlgkit
