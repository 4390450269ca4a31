// The receipt's save and delete: the checks of the fields in order, each
// refusal with its message and the focus on its field, then the record's
// one transaction.
#include "CPrixodView.h"

#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nstovan {

BOOL CPrixodView::CheckDay()
{
    if (Text(IDC_DATE).Trim().IsEmpty())
        return Refuse(IDC_DATE, "Укажите дату", false);
    if (DMG(Text(IDC_DATE), 1, 0).IsEmpty())
        return Refuse(IDC_DATE, nullptr, true);
    return TRUE;
}

BOOL CPrixodView::CheckKey()
{
    if (Text(IDC_PRD).Trim().IsEmpty())
        return Refuse(IDC_PRD, "Укажите подразделение", false);
    if (!SprOk("spr_stovan_prd", Text(IDC_PRD)))
        return Refuse(IDC_PRD, "Нет такого подразделения", true);
    if (Text(IDC_NV).Trim().IsEmpty())
        return Refuse(IDC_NV, "Укажите Ведомость", false);
    if (!SprOk("nv", Text(IDC_NV)))
        return Refuse(IDC_NV, "Нет такой ведомости", true);
    return TRUE;
}

void CPrixodView::SaveReceipt()
{
    CWaitCursor wait;
    if (!CheckRead())
        return;
    const CString date = Text(IDC_DATE).Trim();
    if (date.IsEmpty()) {
        Refuse(IDC_DATE, "Укажите дату оприходования", false);
        return;
    }
    const CString day = DMG(date, 1, 0);
    if (day.IsEmpty()) {
        Refuse(IDC_DATE, nullptr, true);
        return;
    }
    if (!CheckKey())
        return;
    const CString org = Text(IDC_ORG).Trim();
    const CString tn = Text(IDC_TN).Trim();
    if (org.IsEmpty() && tn.IsEmpty()) {
        Refuse(IDC_ORG, "Укажите организацию или табельный №", false);
        return;
    }
    if (!org.IsEmpty() && !tn.IsEmpty()) {
        Refuse(IDC_ORG, "Только организацию или табельный №", true);
        return;
    }
    if (!org.IsEmpty() && !SprOk("spr_org", org)) {
        Refuse(IDC_ORG, "Нет такой организации", true);
        return;
    }
    if (!tn.IsEmpty() && !TnOk(tn)) {
        Refuse(IDC_TN, "Нет такого работника", true);
        return;
    }
    if (Text(IDC_NDOC).Trim().IsEmpty()) {
        Refuse(IDC_NDOC, "Укажите № документа", false);
        return;
    }
    long year = 0, month = 0;
    if (!otp(day, year, month) || year != g_lYear || month != g_lMonth) {
        Refuse(IDC_DATE, "Дата не вашего отчетного периода", true);
        return;
    }
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CPrixodRecord record = Fields();
    record.date = day;
    if (!record.Save())
        return;
    if (Text(IDC_NPP) == record.npp)
        LoadReceipt();
    else
        SetDlgItemText(IDC_NPP, record.npp);
    Refuse(IDC_DATE, nullptr, true);
}

void CPrixodView::DeleteReceipt()
{
    CWaitCursor wait;
    if (!CheckRead())
        return;
    if (Text(IDC_DATE).Trim().IsEmpty()) {
        Refuse(IDC_DATE, "Укажите дату оприходования", false);
        return;
    }
    if (DMG(Text(IDC_DATE), 1, 0).IsEmpty()) {
        Refuse(IDC_DATE, nullptr, true);
        return;
    }
    if (!CheckKey())
        return;
    if (Text(IDC_NPP).Trim().IsEmpty()) {
        Refuse(IDC_NPP, "Укажите н/п", false);
        return;
    }
    if (AfxMessageBox("Удалить эту запись ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!Fields().Delete())
        return;
    SetDlgItemText(IDC_NPP, "");
    Refuse(IDC_NPP, nullptr, true);
}

} // namespace nstovan
