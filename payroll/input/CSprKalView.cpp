#include "CSprKalView.h"

#include "PayrollBooks.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

const struct {
    const char* column;
    int field;
} kFigures[] = {{"dn", IDC_KL_DN}, {"bol", IDC_KL_BOL}, {"ch", IDC_KL_CH}};

} // namespace

IMPLEMENT_DYNCREATE(CSprKalView, CPayBookView)

BEGIN_MESSAGE_MAP(CSprKalView, CPayBookView)
    ON_EN_CHANGE(IDC_KL, OnChangeKl)
END_MESSAGE_MAP()

CSprKalView::CSprKalView() : CPayBookView(IDR_SPR_KAL, "Календарь", IDC_KL) {}

void CSprKalView::FirstLoad()
{
    const CString first = ExecuteString("select id as str from spr_kl order by id");
    if (first.IsEmpty())
        return;
    SetDlgItemText(IDC_KL, first);
    if (CWnd* days = GetDlgItem(IDC_KL_DN)) {
        days->SetFocus();
        days->SendMessage(EM_SETSEL, 0, LPARAM(-1));
    }
}

void CSprKalView::OnChangeKl()
{
    CPayBookView::OnChangeKl();
    CString code;
    const bool known = nvenzol::CheckedNumber(FieldText(IDC_KL), code);
    for (const auto& figure : kFigures) {
        CString value;
        if (known)
            value = ExecuteString(FormatText("select %s as str from spr_kl1 where id=%s and g=%d and ms=%d",
                                             figure.column, code, int(g_lYear), int(g_lMonth)));
        SetDlgItemText(figure.field, value);
    }
}

bool CSprKalView::CheckDays(int field, const char* empty)
{
    const CString typed = FieldText(field);
    CString days;
    if (IsBlank(typed))
        return Refuse(field, empty, false);
    // A figure is a whole number of days: other text is refused, not stored.
    if (!nvenzol::CheckedNumber(typed, days))
        return Refuse(field, empty, true);
    if (atol(days) > 31)
        return Refuse(field, "Слишком много", true);
    return true;
}

bool CSprKalView::CheckEntry()
{
    if (!CheckBookCode(IDC_KL, "spr_kl", "Укажите № календаря", "Нет в справочнике")
        || !CheckDays(IDC_KL_DN, "Укажите количество дней по з/пл.")
        || !CheckDays(IDC_KL_BOL, "Укажите количество дней по больничным листам"))
        return false;
    CString hours;
    if (!nvenzol::CodeLiteral(FieldText(IDC_KL_CH), hours))
        return Refuse(IDC_KL_CH, "Укажите количество часов целым числом", true);
    return true;
}

bool CSprKalView::WriteEntry()
{
    return WriteCalendarMonth(
        {FieldText(IDC_KL), g_lYear, g_lMonth, FieldText(IDC_KL_DN), FieldText(IDC_KL_BOL), FieldText(IDC_KL_CH)});
}

} // namespace npaymar
