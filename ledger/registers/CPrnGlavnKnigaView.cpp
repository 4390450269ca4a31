#include "CPrnGlavnKnigaView.h"

#include "CExtFuncs.h"
#include "CHelpers.h"
#include "CSelectIFView.h"
#include "FormTitle.h"
#include "LedgerFilters.h"
#include "MainBookControls.h"
#include "MainBookPage.h"
#include "PrintChoices.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnGlavnKnigaView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnGlavnKnigaView, CderivedFormview)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDC_GK_ACCOUNT_PICK, OnSchBtn)
    ON_BN_CLICKED(IDC_GK_ALL, OnAllAccounts)
    ON_COMMAND(IDC_GK_KBK_PICK, OnKbkBtn)
    ON_COMMAND(IDC_FILS_BUTTON, OnFILbtn)
END_MESSAGE_MAP()

namespace {

const char* const kAccountKey = "glavn_book";

} // namespace

CPrnGlavnKnigaView::CPrnGlavnKnigaView()
    : CderivedFormview(IDR_PRN_GLAVN_KNIGA), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1))
{
}

CPrnGlavnKnigaView::~CPrnGlavnKnigaView() = default;

void CPrnGlavnKnigaView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILS, m_editFils);
    DDX_Control(pDX, IDC_GK_ACCOUNT, m_editAccount);
    DDX_Control(pDX, IDC_GK_KBK, m_editKbk);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_dateTo);
    DDX_Check(pDX, IDC_GK_ALL, m_bAllAccounts);
}

void CPrnGlavnKnigaView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Главная книга");
    const CString branches = nledmark::RememberedPrintBranches();
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON, branches);
    SetDlgItemText(IDC_GK_ACCOUNT, AfxGetApp()->GetProfileString("constants", kAccountKey, ""));
    ResizeParentToFit(FALSE);
    UpdateData(TRUE);
    EnableAccount();
}

void CPrnGlavnKnigaView::EnableAccount()
{
    for (UINT id : {IDC_GK_ACCOUNT, IDC_GK_ACCOUNT_PICK})
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(!m_bAllAccounts);
}

void CPrnGlavnKnigaView::OnAllAccounts()
{
    UpdateData(TRUE);
    EnableAccount();
}

void CPrnGlavnKnigaView::OnSchBtn()
{
    CString account;
    GetDlgItemText(IDC_GK_ACCOUNT, account);
    CExtFuncs::OnSprPlanSch0(this, IDC_GK_ACCOUNT, -1, account, 0, nullptr, nullptr);
}

void CPrnGlavnKnigaView::OnKbkBtn()
{
    OpenAccountKbkPicker(this, IDC_GK_ACCOUNT, IDC_GK_KBK);
}

void CPrnGlavnKnigaView::OnFILbtn()
{
    nledmark::OnFILbtn(this);
}

void CPrnGlavnKnigaView::OnOK()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    CMainBookRequest request;
    request.from = m_dateFrom;
    request.to = m_dateTo;
    request.allAccounts = m_bAllAccounts != 0;
    if (!TakePrintBranches(this, m_editFils, request.branches))
        return;
    GetDlgItemText(IDC_GK_ACCOUNT, request.account);
    request.account.Remove(' ');
    GetDlgItemText(IDC_GK_KBK, request.kbkList);
    std::vector<CString> kbks;
    if (!MainBookKbkPages(request.kbkList, kbks)) {
        AfxMessageBox("Неверный список КБК");
        m_editKbk.SetFocus0();
        return;
    }
    if (!CheckPrintPeriod(this, request.from, request.to))
        return;
    if (!request.allAccounts) {
        if (request.account.IsEmpty()) {
            AfxMessageBox("Укажите номер счета");
            m_editAccount.SetFocus0();
            return;
        }
        if (!MainBookAccountKnown(request.account)) {
            AfxMessageBox("Нет такого счета");
            m_editAccount.SetFocus0();
            return;
        }
    }
    AfxGetApp()->WriteProfileString("constants", kAccountKey, request.account);
    const LimitPage book = BuildMainBook(request);
    // The report window stays in front: the focus is not taken back to the
    // form, whose window would then hide the book.
    CHelpers::DisplayMessage(book.html, GetDocument()->GetTitle(), 1, 8, "#f5f5FF", -1, -1);
}

} // namespace nledmark
