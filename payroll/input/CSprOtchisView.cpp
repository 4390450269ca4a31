#include "CSprOtchisView.h"

#include "PayrollBooks.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

void FillDecimals(CComboBox& combo)
{
    combo.ResetContent();
    for (const char* item : {"0", "1", "2"})
        combo.AddString(item);
}

IMPLEMENT_DYNCREATE(CSprOtchisView, CPayBookView)

BEGIN_MESSAGE_MAP(CSprOtchisView, CPayBookView)
    ON_EN_CHANGE(IDC_OTCHIS, OnChangeOtchis)
END_MESSAGE_MAP()

CSprOtchisView::CSprOtchisView() : CPayBookView(IDD_SPR_OTCHIS, "Отчисления", IDC_OTCHIS) {}

void CSprOtchisView::DoDataExchange(CDataExchange* pDX)
{
    CPayBookView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_CODES, m_codes);
    DDX_Control(pDX, IDC_BOOK_POITS, m_poits);
}

void CSprOtchisView::FirstLoad()
{
    FillDecimals(m_poits);
}

void CSprOtchisView::OnChangeOtchis()
{
    if (!m_codes.GetSafeHwnd())
        return;
    CString code;
    const bool known = nvenzol::CheckedNumber(FieldText(IDC_OTCHIS), code) && SprOk("spr_paymar_otchis", code);
    m_codes.ResetContent();
    if (!known)
        return;
    CString kcn, pr, poits;
    Guarded("CSprOtchisView", [&] {
        LoadPayCodes(m_codes, "spr_paymar_otchis", "spr_paymar_otchis1", "id", "kou", code);
        const CString key = " from spr_paymar_otchis where id=" + code;
        kcn = ExecuteString("select kcn as str" + key);
        pr = ExecuteString("select pr as str" + key);
        poits = ExecuteString("select poits as str" + key);
    });
    SetDlgItemText(IDC_KCN, kcn);
    SetDlgItemText(IDC_BOOK_PR, FormatNumber(atof(pr), "", 2));
    m_poits.SetCurSel(int(atol(poits)));
    CPayBookView::OnChangeOtchis();
}

bool CSprOtchisView::CheckEntry()
{
    CString number;
    const CString code = FieldText(IDC_OTCHIS);
    if (IsBlank(code))
        return Refuse(IDC_OTCHIS, "Укажите н/п", false);
    if (!nvenzol::CheckedNumber(code, number))
        return Refuse(IDC_OTCHIS, "Укажите н/п целым числом", true);
    if (IsBlank(FieldText(IDC_OTCHIS_NAME)))
        return Refuse(IDC_OTCHIS_NAME, "Укажите наименование", false);
    if (!CheckBookCode(IDC_KCN, "spr_paymar_kcn", "Укажите код целевого назначения", "Нет в справочнике"))
        return false;
    const CString pr = FieldText(IDC_BOOK_PR);
    if (IsBlank(pr))
        return Refuse(IDC_BOOK_PR, "Укажите процент отчислений", false);
    if (!nvenzol::NumberLiteral(pr, number))
        return Refuse(IDC_BOOK_PR, "Укажите процент отчислений", true);
    return true;
}

bool CSprOtchisView::WriteEntry()
{
    CString poits;
    m_poits.GetWindowText(poits);
    return WriteContribution({FieldText(IDC_OTCHIS), FieldText(IDC_OTCHIS_NAME), FieldText(IDC_KCN),
                              FieldText(IDC_BOOK_PR), poits, TickedPayCodes(m_codes)});
}

void CSprOtchisView::AfterWrite()
{
    OnChangeOtchis();
    CPayBookView::AfterWrite();
}

} // namespace npaymar
