// What each kind of edit field (CderivedEdit::SetType) accepts, as rules on
// texts, so the field and its tests share them:
//   0 plain: codes, numbers, names, anything typed; nothing is filtered.
//   2 date: digits and "." ("," "/" "-" become "."), dd.mm.yyyy once left.
//   3 decimal: a signed number with any number of decimals.
//   4 amount: a signed number with at most two decimals, shown with two.
// In 3 and 4 a typed "," is the decimal point and becomes "."; blanks that
// group thousands in a pasted number are dropped. Other kinds are plain.
#pragma once
#include "afx.h"
#include <QString>

#define EDIT_KIND_PLAIN 0
#define EDIT_KIND_DATE 2
#define EDIT_KIND_DECIMAL 3
#define EDIT_KIND_AMOUNT 4

namespace dlgkit {

// Whether the kind filters what is typed (2, 3 and 4).
bool EditKindFilters(int kind);
// A typed or pasted text as the field of this kind takes it in.
QString EditTypedForm(int kind, const QString& text);
// Whether the field may hold `text` while it is being typed (a part of a
// value: "-", "12." and "01.0" are fine).
bool EditMayHold(int kind, const QString& text);
// The date field's help: a finished day or month ("01", "01.02") typed at
// the end gets its "." at once.
bool EditWantsDateDot(const QString& text);
// The text the field shows once it is left. `ok` is false when the text is
// no value of its kind; the text is then kept as typed, for the user to mend.
CString EditLeavingForm(int kind, const CString& text, bool& ok);

} // namespace dlgkit
