#include "C5ProvView.h"

#include "PostingScript.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(C5ProvView, CderivedFormview)

BEGIN_MESSAGE_MAP(C5ProvView, CderivedFormview)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

C5ProvView::C5ProvView() : CderivedFormview(IDR_EXP_5_PROV), m_date(0.0)
{
    m_date = qwDMG(GetOtpD2(g_lYear, g_lMonth), 1);
    // The last calendar day of the period's month; an unreadable period end
    // leaves the date invalid, and OK then asks for one.
    if (m_date.GetStatus() == COleDateTime::valid)
        m_date.SetDateTime(m_date.GetYear(), m_date.GetMonth(),
                           int(atol(GetDaysPerMonth(m_date.GetMonth(), m_date.GetYear()))), 0, 0, 0);
}

C5ProvView::~C5ProvView() = default;

void C5ProvView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_OPER_DATE, m_date);
}

void C5ProvView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Перекинуть 5 проводку");
    ResizeParentToFit(TRUE);
}

void C5ProvView::OnOK()
{
    UpdateData(TRUE);
    if (m_date.GetStatus() != COleDateTime::valid) {
        AfxMessageBox("Укажите дату", MB_OK);
        if (CWnd* picker = GetDlgItem(IDC_OPER_DATE))
            picker->SetFocus();
        return;
    }
    const CString question = FormatText("Перекинуть 5 проводку из з/п в журнал операций\nза %s %dг. ?",
                                        GetMonthName(g_lMonth), int(g_lYear));
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (RunPostingScript(FormatText("and (paymar_NUz.ms=%d)", int(g_lMonth)), "", int(g_lMonth), DMGtoStr(m_date)))
        OnCancel();
}

} // namespace npaymar
