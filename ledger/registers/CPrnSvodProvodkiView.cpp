#include "CPrnSvodProvodkiView.h"

#include "CExtFuncs.h"
#include "ConfigGlobals.h"
#include "FormTitle.h"
#include "MakeParam.h"
#include "PrintChoices.h"
#include "RegisterFormControls.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnSvodProvodkiView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnSvodProvodkiView, CderivedFormview)
    ON_COMMAND(IDOK, OnOK)
    ON_BN_CLICKED(IDC_SP_ACCOUNT_PICK, OnSchBtn)
    ON_BN_CLICKED(IDC_SP_KBK_PICK, OnKbkBtn)
    ON_EN_CHANGE(IDC_SP_ACCOUNT, OnAccountChange)
    ON_BN_CLICKED(IDC_FILS_BUTTON, OnFILbtn)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kAccountKey = "svod_subk";
const char* const kDimensionKey = "svod_subk1";

} // namespace

CPrnSvodProvodkiView::CPrnSvodProvodkiView()
    : CderivedFormview(IDR_PRN_SVOD_PROVODKI), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1))
{
}

CPrnSvodProvodkiView::~CPrnSvodProvodkiView() = default;

void CPrnSvodProvodkiView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILS, m_editFils);
    DDX_Control(pDX, IDC_SP_ACCOUNT, m_editAccount);
    DDX_Control(pDX, IDC_SP_KBK, m_editKbk);
    DDX_Control(pDX, IDC_SP_DIMENSION, m_comboDimension);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_dateTo);
    DDX_Check(pDX, IDC_SP_SPLIT, m_bSplit);
}

void CPrnSvodProvodkiView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Свод проводок по счету");
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON, RememberedPrintBranches());
    ResizeParentToFit(FALSE);
    SetDlgItemText(IDC_SP_ACCOUNT, AfxGetApp()->GetProfileString(kConstants, kAccountKey, ""));
    RefillDimensions();
}

void CPrnSvodProvodkiView::RefillDimensions()
{
    CString account;
    GetDlgItemText(IDC_SP_ACCOUNT, account);
    account.Trim();
    m_comboDimension.ResetContent();
    for (short k = 1; k <= 3; ++k) {
        const CString name = I_GetSprName(GL_Get_SB(account, k));
        if (!name.IsEmpty())
            m_comboDimension.SetItemData(m_comboDimension.AddString(name), DWORD_PTR(k));
    }
    if (m_comboDimension.GetCount() == 0)
        return;
    CWinApp* app = AfxGetApp();
    int index = 0;
    if (!account.IsEmpty() && app->GetProfileString(kConstants, kAccountKey, "") == account)
        index = app->GetProfileInt(kConstants, kDimensionKey, 0);
    if (index < 0 || index >= m_comboDimension.GetCount())
        index = 0;
    m_comboDimension.SetCurSel(index);
}

int CPrnSvodProvodkiView::Dimension() const
{
    const int selected = m_comboDimension.GetCurSel();
    return selected < 0 ? -1 : int(m_comboDimension.GetItemData(selected));
}

void CPrnSvodProvodkiView::OnAccountChange()
{
    RefillDimensions();
}

void CPrnSvodProvodkiView::OnSchBtn()
{
    CString account;
    GetDlgItemText(IDC_SP_ACCOUNT, account);
    CExtFuncs::OnSprPlanSch0(this, IDC_SP_ACCOUNT, -1, account, 0, nullptr, nullptr);
}

void CPrnSvodProvodkiView::OnKbkBtn()
{
    OpenAccountKbkPicker(this, IDC_SP_ACCOUNT, IDC_SP_KBK);
}

void CPrnSvodProvodkiView::OnFILbtn()
{
    nledmark::OnFILbtn(this);
}

CString CPrnSvodProvodkiView::PrnCall()
{
    CString account, kbk, branches;
    GetDlgItemText(IDC_SP_ACCOUNT, account);
    GetDlgItemText(IDC_SP_KBK, kbk);
    GetDlgItemText(IDC_FILS, branches);
    return FormatText("prn(\"%s\",\"%s\",\"%s\",\"%s\",%d,\"%s\",%d)", (LPCTSTR)DMGtoStr(m_dateFrom),
                      (LPCTSTR)DMGtoStr(m_dateTo), (LPCTSTR)MakeParam(account.Trim()), (LPCTSTR)MakeParam(kbk),
                      Dimension(), (LPCTSTR)MakeParam(branches), m_bSplit ? 1 : 0);
}

void CPrnSvodProvodkiView::OnOK()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    CString branches;
    if (!CheckPrintBranches(this, m_editFils, branches) || !CheckPrintPeriod(this, m_dateFrom, m_dateTo))
        return;
    CString account;
    GetDlgItemText(IDC_SP_ACCOUNT, account);
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(kConstants, kAccountKey, account.Trim());
    app->WriteProfileInt(kConstants, kDimensionKey, m_comboDimension.GetCurSel() < 0 ? 0 : m_comboDimension.GetCurSel());
    EXEC_Execute(PrnCall(), 0);
}

} // namespace nledmark
