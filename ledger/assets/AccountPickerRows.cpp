#include "AccountPickerRows.h"

#include "naddviews.h"

namespace nledmark {

const AccountPickerRow kOsPokupAccountPickers[1] = {
    {1016, 1015, kCreditSide, "030219000,040101180", 0},
};
const AccountPickerRow kOsSpisAccountPickers[2] = {
    {1014, 1136, kDebitSide, "210604000,040101172", 0},
    {1015, 1137, kDebitSide, nullptr, 0},
};
const AccountPickerRow kOsNaklAccountPickers[2] = {
    {1014, 1158, kDebitSide, "010100000,010500000,020500000", 1159},
    {1015, 1159, kCreditSide, "010100000,010500000", 1158},
};
const AccountPickerRow kMatPrixAccountPickers[2] = {
    {1014, 1158, kDebitSide, "010500000", 0},
    {1016, 1015, kCreditSide, "030220000,040101000", 0},
};
const AccountPickerRow kMaterialsSpisAccountPickers[3] = {
    {1018, 1020, kCreditSide, "010500000", 0},
    {1019, 1158, kDebitSide, "140101272,340101272,440101272,210604000", 0},
    {1015, 1137, kDebitSide, nullptr, 0},
};
const AccountPickerRow kMenuTrebAccountPickers[2] = {
    {1018, 1020, kCreditSide, "010502000", 0},
    {1019, 1158, kDebitSide, "140101272,340101272,440101272,210604000", 0},
};
const AccountPickerRow kOsIznosAccountPickers[2] = {
    {1019, 1158, kDebitSide, "040101271", 0},
    {1072, 1071, kDebitSide, "210604340,040101271", 0},
};

void OpenAccountPicker(CWnd* form, const AccountPickerRow& row)
{
    CString current, other;
    form->GetDlgItemText(row.target, current);
    if (row.other)
        form->GetDlgItemText(row.other, other);
    CExtFuncs::OnSprPlanSch0(form, int(row.target), -1, current, row.side, row.other ? (const char*)other : nullptr,
                             row.preset);
}

bool OpenAccountPicker(CWnd* form, std::span<const AccountPickerRow> rows, UINT command)
{
    for (const AccountPickerRow& row : rows)
        if (row.command == command) {
            OpenAccountPicker(form, row);
            return true;
        }
    return false;
}

} // namespace nledmark
