#include "AnalyticRows.h"

#include "ConfigGlobals.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

int DimensionBook(const CString& account, int n)
{
    if (account.GetLength() < 9)
        return 0;
    return (int)ExecuteCount(FormatText("select sb%d as cnt from spr_plan_sch where col0='%s' and col1='%s' and "
                                        "col2='%s' and col3='%s'",
                                        n, MakeSqlStr(GetFromTo(account, 0, 0)), MakeSqlStr(GetFromTo(account, 1, 3)),
                                        MakeSqlStr(GetFromTo(account, 4, 5)), MakeSqlStr(GetFromTo(account, 6, 8))));
}

void ShowAnalyticRows(CWnd* form, const CString& account, const CAnalyticRow rows[3])
{
    for (int k = 0; k < 3; ++k) {
        const CString caption = I_GetSprName(DimensionBook(account, k + 1));
        const BOOL shown = !caption.IsEmpty();
        form->SetDlgItemText(rows[k].label, caption);
        for (UINT id : {rows[k].label, rows[k].value, rows[k].button, rows[k].name})
            if (CWnd* control = form->GetDlgItem(id))
                control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
        if (!shown)
            form->SetDlgItemText(rows[k].value, "");
    }
}

} // namespace nledmark
