#include "AccountDimensionRows.h"

#include "appcore.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

constexpr int kAccountLength = 9;
constexpr int kShortLength = 6;

} // namespace

const AccountDimensionRow kOsPokupDimensions{
    1015, {{1017, 1056, 1021, 1029}, {1018, 1057, 1023, 1030}, {1019, 1058, 1024, 1031}}, true, true};
const AccountDimensionRow kMatPrixDimensions{
    1015, {{1017, 1020, 1021, 1029}, {1018, 1022, 1023, 1030}, {1019, 1025, 1024, 1031}}, true, false};
const AccountDimensionRow kMaterialsSpisDimensions{
    1158, {{1076, 1021, 1022, 1073}, {1023, 1024, 1025, 1074}, {1026, 1027, 1028, 1075}}, true, false};
const AccountDimensionRow kMenuTrebDimensions{
    1158, {{1076, 1021, 1022, 1073}, {1024, 1025, 1026, 1074}, {1027, 1028, 1029, 1075}}, false, false};
const AccountDimensionRow kOsNaklDebitDimensions{
    1158, {{1076, 1021, 1101, 0}, {1023, 1024, 1025, 0}, {1026, 1027, 1028, 0}}, false, false};
const AccountDimensionRow kOsNaklCreditDimensions{
    1159, {{1078, 1022, 1103, 0}, {1029, 1030, 1031, 0}, {1032, 1033, 1034, 0}}, false, false};

int ChartDimensionBook(const CString& account, int n)
{
    if (account.GetLength() != kAccountLength || account.SpanIncluding("0123456789") != account || n < 1 || n > 3)
        return 0;
    const CString sql = FormatText("select sb%d as cnt from spr_plan_sch where col0=%s and col1=%s and col2=%s and col3=%s",
                                   n, NullStr(account.Left(1)), NullStr(account.Mid(1, 3)),
                                   NullStr(account.Mid(4, 2)), NullStr(account.Mid(6, 3)));
    return int(ExecuteCount(sql));
}

void ShowAccountDimensions(CWnd* form, const AccountDimensionRow& row, int keepHidden)
{
    CString account;
    form->GetDlgItemText(row.account, account);
    account.Trim();
    if (row.completeShort && account.GetLength() == kShortLength)
        account += "000";
    for (int k = 0; k < 3; ++k) {
        const DimensionControls& controls = row.dimensions[k];
        const CString caption = I_GetSprName(ChartDimensionBook(account, k + 1));
        const bool shown = !caption.IsEmpty() && !(row.hideEkr && caption == "ЭКР") && keepHidden != k + 1;
        form->SetDlgItemText(controls.label, caption);
        for (UINT id : {controls.label, controls.code, controls.button, controls.name})
            if (CWnd* control = id ? form->GetDlgItem(id) : nullptr)
                control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
        if (!shown)
            form->SetDlgItemText(controls.code, "");
    }
}

} // namespace nledmark
