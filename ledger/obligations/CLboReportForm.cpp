#include "CLboReportForm.h"

#include "CHelpers.h"
#include "ConfigGlobals.h"
#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

namespace {

const char* const kConstants = "constants";
const char* const kSelectFilPrn = "select_fil_prn";

// The account whose analytic books tell whether divisions are kept.
const char* const kDivisionAccount = "130202000";

} // namespace

IMPLEMENT_DYNAMIC(CLboReportForm, CderivedFormview)

BEGIN_MESSAGE_MAP(CLboReportForm, CderivedFormview)
    ON_CBN_SELENDOK(IDC_LBO_SOURCE, OnSourceChange)
    ON_CBN_SELCHANGE(IDC_LBO_SOURCE, OnSourceChange)
END_MESSAGE_MAP()

CLboReportForm::CLboReportForm(UINT dialogId, const char* title, int landscape, int fontSize)
    : CderivedFormview(dialogId), m_title(title), m_landscape(landscape), m_fontSize(fontSize)
{
}

void CLboReportForm::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LBO_BRANCH, m_comboBranch);
    DDX_Control(pDX, IDC_LBO_SOURCE, m_comboSource);
    DDX_CBIndex(pDX, IDC_LBO_SOURCE, m_nSource);
}

void CLboReportForm::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, m_title);
    if (m_comboSource.GetCount() == 0) {
        for (const char* digit : {"0", "1", "2", "3", "4"})
            m_comboSource.AddString(digit);
        m_comboSource.SetCurSel(m_nSource);
    }
    FillFils(this, IDC_LBO_BRANCH, int(AfxGetApp()->GetProfileInt(kConstants, kSelectFilPrn, -2)), 1);
    ResizeParentToFit(FALSE);
    OnSourceChange();
}

void CLboReportForm::OnSourceChange()
{
    UpdateData(TRUE);
    SetDlgItemText(IDC_LBO_SOURCE_NAME, GL_GetCol0_Name(FormatText("%d", m_nSource)));
}

int CLboReportForm::SelectedBranch()
{
    const int item = m_comboBranch.GetCurSel();
    return item < 0 ? -2 : int(LONG_PTR(m_comboBranch.GetItemData(item)));
}

int CLboReportForm::ChosenBranch()
{
    const int branch = SelectedBranch();
    AfxGetApp()->WriteProfileInt(kConstants, kSelectFilPrn, branch);
    return branch;
}

void CLboReportForm::ShowPage(const LimitPage& page)
{
    CHelpers::DisplayMessage(page.html, GetDocument()->GetTitle(), m_landscape, m_fontSize, "#f5f5FF", -1, -1);
}

// ---------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CLboMonthForm, CLboReportForm)

BEGIN_MESSAGE_MAP(CLboMonthForm, CLboReportForm)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDC_LBO_KBK_PICK, OnPickKbk)
    ON_EN_CHANGE(IDC_LBO_PRD, OnDivisionChange)
    ON_COMMAND(IDC_LBO_PRD_PICK, OnPickDivision)
END_MESSAGE_MAP()

void CLboMonthForm::DoDataExchange(CDataExchange* pDX)
{
    CLboReportForm::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LBO_PRD, m_editDivision);
    DDX_Control(pDX, IDC_LBO_KBK, m_editKbk);
}

void CLboMonthForm::OnInitialUpdate()
{
    CLboReportForm::OnInitialUpdate();
    for (short n = 1; n <= 3; ++n)
        if (I_GetSprTableName(GL_Get_SB(kDivisionAccount, n)) == "spr_prd")
            return;
    for (UINT id : {IDC_LBO_PRD_LABEL, IDC_LBO_PRD_PICK, IDC_LBO_PRD_NAME, IDC_LBO_PRD})
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
}

LboMonthFilter CLboMonthForm::Filter(CString& error)
{
    UpdateData(TRUE);
    LboMonthFilter filter;
    filter.year = g_lYear;
    filter.branch = ChosenBranch();
    filter.source = m_nSource;
    m_editKbk.GetWindowText(filter.kbkList);
    if (m_editDivision.IsWindowVisible())
        m_editDivision.GetWindowText(filter.division);
    error = CheckLboMonthFilter(filter);
    return filter;
}

void CLboMonthForm::OnOK()
{
    CWaitCursor wait;
    CString error;
    const LboMonthFilter filter = Filter(error);
    if (!error.IsEmpty()) {
        AfxMessageBox(error);
        return;
    }
    ShowPage(Page(filter));
}

void CLboMonthForm::OnPickKbk()
{
    UpdateData(TRUE);
    GL_GetDefKBKList(this, IDC_LBO_KBK, FormatText("%d", m_nSource), SelectedBranch(), UINT(-1), nullptr, 1);
}

void CLboMonthForm::OnDivisionChange()
{
    CString code;
    m_editDivision.GetWindowText(code);
    code.Trim();
    SetDlgItemText(IDC_LBO_PRD_NAME, IsWholeNumber(code) ? GetFromSPR("spr_prd", code, nullptr) : CString());
}

void CLboMonthForm::OnPickDivision()
{
    const int branch = SelectedBranch();
    CHelpers::GetInSpr("spr_prd", this, IDC_LBO_PRD, FormatText("where (%d=-2 or fil_id=%d)", branch, branch), UINT(-1),
                       0, 0, nullptr, nullptr, 0);
}

// ---------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CLboPeriodForm, CLboReportForm)

BEGIN_MESSAGE_MAP(CLboPeriodForm, CLboReportForm)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

CLboPeriodForm::CLboPeriodForm(UINT dialogId, const char* title, int landscape)
    : CLboReportForm(dialogId, title, landscape, 9), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1))
{
}

void CLboPeriodForm::DoDataExchange(CDataExchange* pDX)
{
    CLboReportForm::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_LBO_FROM, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_LBO_TO, m_dateTo);
}

LboPeriodFilter CLboPeriodForm::Filter()
{
    UpdateData(TRUE);
    LboPeriodFilter filter;
    filter.from = m_dateFrom;
    filter.to = m_dateTo;
    filter.branch = ChosenBranch();
    filter.source = m_nSource;
    return filter;
}

void CLboPeriodForm::OnOK()
{
    CWaitCursor wait;
    ShowPage(Page(Filter()));
}

} // namespace nledmark
