// The account choosers of the material and asset documents: the chart of
// accounts opened on the target field's text with a list of accounts it
// offers first, the chosen account written into the field (whose change then
// shows its dimensions). Each chooser button is one row of the tables below.
#pragma once
#include "afx.h"

#include <span>

namespace nledmark {

// Sides of the chart chooser.
constexpr int kDebitSide = 1;
constexpr int kCreditSide = 2;

struct AccountPickerRow {
    UINT command;        // the chooser button
    UINT target;         // the account field written
    int side;
    const char* preset;  // 9-character accounts offered, by ","; null for none
    UINT other;          // the opposite account field shown to the chooser; 0 for none
};

// The members of the family, one table per form.
extern const AccountPickerRow kOsPokupAccountPickers[1];
extern const AccountPickerRow kOsSpisAccountPickers[2];
extern const AccountPickerRow kOsNaklAccountPickers[2];
extern const AccountPickerRow kMatPrixAccountPickers[2];
extern const AccountPickerRow kMaterialsSpisAccountPickers[3];
extern const AccountPickerRow kMenuTrebAccountPickers[2];
extern const AccountPickerRow kOsIznosAccountPickers[2];

// Opens the chooser of one row.
void OpenAccountPicker(CWnd* form, const AccountPickerRow& row);
// Opens the chooser of the form's table that answers `command`; false when
// no row does.
bool OpenAccountPicker(CWnd* form, std::span<const AccountPickerRow> rows, UINT command);

} // namespace nledmark
