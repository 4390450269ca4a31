#include "CPrnAktSverkView.h"

#include "CHelpers.h"
#include "FormTitle.h"
#include "LedgerFilters.h"
#include "PrintChoices.h"
#include "RegisterFormControls.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnAktSverkView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnAktSverkView, CderivedFormview)
    ON_EN_CHANGE(IDC_AS_CONTR, OnChangeContr)
    ON_BN_CLICKED(IDC_AS_CONTR_PICK, OnContrBtn)
    ON_COMMAND(IDOK, OnOK)
    ON_EN_CHANGE(IDC_AS_PRD, OnChangePrd)
    ON_BN_CLICKED(IDC_AS_PRD_PICK, OnPrdBtn)
    ON_BN_CLICKED(IDC_AS_KBK_PICK, OnKbkBtn)
    ON_BN_CLICKED(IDC_FILS_BUTTON, OnFILbtn)
END_MESSAGE_MAP()

namespace {

// The name of a typed code in a book; a code that is no whole number names
// nothing and is not looked up.
CString BookName(const char* book, CString code)
{
    code.Trim();
    return IsWholeNumber(code) ? GetFromSPR(book, code, nullptr) : CString();
}

} // namespace

CPrnAktSverkView::CPrnAktSverkView()
    : CderivedFormview(IDR_PRN_AKT_SVERK), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1))
{
}

CPrnAktSverkView::~CPrnAktSverkView() = default;

void CPrnAktSverkView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILS, m_editFils);
    DDX_Control(pDX, IDC_AS_KBK, m_editKbk);
    DDX_Control(pDX, IDC_AS_CONTR, m_editContr);
    DDX_Control(pDX, IDC_AS_PRD, m_editPrd);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_dateTo);
    DDX_Check(pDX, IDC_AS_EXPAND, m_bPerPosting);
}

void CPrnAktSverkView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Акт сверки с контрагентом");
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON, RememberedPrintBranches());
    ResizeParentToFit(FALSE);
    m_bDepartment = ActHasDepartment();
    if (!m_bDepartment)
        for (UINT id : {IDC_AS_PRD_LABEL, IDC_AS_PRD_PICK, IDC_AS_PRD_NAME, IDC_AS_PRD})
            if (CWnd* control = GetDlgItem(id))
                control->ShowWindow(SW_HIDE);
}

void CPrnAktSverkView::OnChangeContr()
{
    CString code;
    GetDlgItemText(IDC_AS_CONTR, code);
    SetDlgItemText(IDC_AS_CONTR_NAME, BookName("spr_contr", code));
}

void CPrnAktSverkView::OnContrBtn()
{
    CHelpers::GetInSpr("spr_contr", this, IDC_AS_CONTR, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrnAktSverkView::OnChangePrd()
{
    CString code;
    GetDlgItemText(IDC_AS_PRD, code);
    SetDlgItemText(IDC_AS_PRD_NAME, BookName("spr_prd", code));
}

// The book's filter takes one branch: the list's only one, else every branch.
void CPrnAktSverkView::OnPrdBtn()
{
    CString typed, ids;
    GetDlgItemText(IDC_FILS, typed);
    long branch = -2;
    if (CheckedIdList(typed, ids) && !ids.IsEmpty() && ids.Find(',') < 0)
        branch = atol(ids);
    const CString filter = FormatText("where (%ld=-2 or fil_id=%ld)", branch, branch);
    CHelpers::GetInSpr("spr_prd", this, IDC_AS_PRD, filter, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrnAktSverkView::OnKbkBtn()
{
    UpdateData(TRUE);
    CString branches;
    GetDlgItemText(IDC_FILS, branches);
    GL_GetDefKBKList(this, IDC_AS_KBK, "", (const char*)branches, UINT(-1), nullptr, 1);
}

void CPrnAktSverkView::OnFILbtn()
{
    nledmark::OnFILbtn(this);
}

bool CPrnAktSverkView::ReadRequest(CReconciliationRequest& request)
{
    if (!UpdateData(TRUE))
        return false;
    if (!TakePrintBranches(this, m_editFils, request.branches))
        return false;
    CString contr, prd, kbk;
    GetDlgItemText(IDC_AS_CONTR, contr);
    GetDlgItemText(IDC_AS_PRD, prd);
    GetDlgItemText(IDC_AS_KBK, kbk);
    contr.Trim();
    prd.Trim();
    if (contr.IsEmpty()) {
        AfxMessageBox("Укажите Контрагента");
        m_editContr.SetFocus0();
        return false;
    }
    // Codes reach the queries only as numbers: any other text asks nothing.
    if (!IsWholeNumber(contr) || atol(contr) <= 0) {
        AfxMessageBox("Неверный код контрагента");
        m_editContr.SetFocus0();
        return false;
    }
    const bool withDepartment = m_bDepartment && !prd.IsEmpty();
    if (withDepartment && (!IsWholeNumber(prd) || atol(prd) <= 0)) {
        AfxMessageBox("Неверный код подразделения");
        m_editPrd.SetFocus0();
        return false;
    }
    if (!CheckedIdList(kbk, request.kbkList)) {
        AfxMessageBox("Неверный список КБК");
        m_editKbk.SetFocus0();
        return false;
    }
    if (!CheckPrintPeriod(this, m_dateFrom, m_dateTo))
        return false;
    request.from = m_dateFrom;
    request.to = m_dateTo;
    request.today = COleDateTime::GetCurrentTime();
    request.counterparty = atol(contr);
    request.department = withDepartment ? atol(prd) : 0;
    request.perPosting = m_bPerPosting != 0;
    return true;
}

void CPrnAktSverkView::OnOK()
{
    CWaitCursor wait;
    CReconciliationRequest request;
    if (!ReadRequest(request))
        return;
    const LimitPage act = BuildReconciliationAct(request);
    CHelpers::DisplayMessage(act.html, GetDocument()->GetTitle(), 0, 8, "#f5f5FF", -1, -1);
}

} // namespace nledmark
