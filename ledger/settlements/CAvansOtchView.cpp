// The advance report: construction, loading, the two pages, the person and
// the earlier report.
#include "CAvansOtchView.h"
#include "FormTitle.h"

#include "AvansLookups.h"
#include "CHelpers.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ncalcset.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CAvansOtchView, CPostingDocView)

BEGIN_MESSAGE_MAP(CAvansOtchView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(ID_DOCUMENT_NEW, OnNewReport)
    ON_COMMAND(IDC_AV_ACCOUNT_PICK, OnAccountPick)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_COMMAND(IDC_AV_PRD_PICK, OnPrdPick)
    ON_COMMAND(IDC_AV_KBK_DEBIT_PICK, OnKbkDebitPick)
    ON_COMMAND(IDC_AV_KBK_CREDIT_PICK, OnKbkCreditPick)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_EN_CHANGE(IDC_AV_PRD, OnPrdChange)
    ON_EN_CHANGE(IDC_AV_ACCOUNT, OnEarlierReportChange)
    ON_EN_CHANGE(IDC_AV_KBK_CREDIT, OnEarlierReportChange)
    ON_CBN_SELCHANGE(IDC_FIL, OnEarlierReportChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_AV_DATE, OnDateChange)
    ON_NOTIFY(TCN_SELCHANGE, IDC_AV_TABS, OnTabChange)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CAvansOtchView, CPostingDocView)
    ON_EVENT(CAvansOtchView, IDC_AV_LINES, 3, OnLinesEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(CAvansOtchView, IDC_AV_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CAvansOtchView, IDC_AV_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CAvansOtchView, IDC_AV_RECEIVED, 8, OnReceivedChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kAccountKey = "ledmark_avans_otch_sch";
const char* const kPairKey = "ledmark_avans_otch_501";
constexpr long kLines = 50;
constexpr long kReceivedRows = 3;

// The fields of page "Осн.сведения" that page "Таблица" hides.
const UINT kFirstPageOnly[] = {
    IDC_AV_LBL_TN, IDC_SET_TN, IDC_SET_TN_PICK, IDC_SET_FIO, IDC_AV_LBL_PRD, IDC_AV_PRD, IDC_AV_PRD_PICK,
    IDC_AV_PRD_NAME, IDC_AV_LBL_ICN, IDC_AV_ICN, IDC_AV_LBL_PREVIOUS, IDC_AV_PREVIOUS, IDC_AV_LBL_SUM, IDC_AV_SUM,
    IDC_AV_LBL_RECEIVED, IDC_AV_RECEIVED, IDC_AV_LBL_TOTAL, IDC_AV_TOTAL, IDC_AV_B501, IDC_AV_LBL_TN_PRD,
    IDC_AV_TN_PRD, IDC_AV_LBL_TN_DOL, IDC_AV_TN_DOL, IDC_AV_GRP_EARLIER, IDC_AV_LBL_EARLIER_NUMBER,
    IDC_AV_EARLIER_NUMBER, IDC_AV_LBL_EARLIER_DATE, IDC_AV_EARLIER_DATE, IDC_AV_LBL_NOTE, IDC_SET_NOTE,
    ID_DOCUMENT_NEW};
// The fields page "Таблица" shows but does not let change.
const UINT kLockedOnLines[] = {IDC_NUMBER, IDC_AV_DATE, IDC_AV_ACCOUNT, IDC_AV_ACCOUNT_PICK};

} // namespace

CAvansOtchView::CAvansOtchView() : CPostingDocView(IDR_AVANS_OTCH), m_date(COleDateTime::GetCurrentTime())
{
    m_editAccount.m_bDebit = 0;
    m_editTn.SetType(EDIT_KIND_PLAIN);
    m_editPrd.SetType(EDIT_KIND_PLAIN);
    m_editPrevious.SetType(EDIT_KIND_AMOUNT);
    m_editSum.SetType(EDIT_KIND_AMOUNT);
}

CAvansOtchView::~CAvansOtchView() = default;

void CAvansOtchView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AV_LINES, m_grid);
    DDX_Control(pDX, IDC_AV_RECEIVED, m_received);
    DDX_Control(pDX, IDC_AV_TABS, m_tabs);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_AV_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_AV_ACCOUNT, m_editAccount);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_AV_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_AV_KBK_CREDIT, m_editKbkCredit);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_AV_PRD, m_editPrd);
    DDX_Control(pDX, IDC_AV_ICN, m_editIcn);
    DDX_Control(pDX, IDC_AV_PREVIOUS, m_editPrevious);
    DDX_Control(pDX, IDC_AV_SUM, m_editSum);
    DDX_Control(pDX, IDC_SET_NOTE, m_editPrim);
    DDX_DateTimeCtrl(pDX, IDC_AV_DATE, m_date);
    DDX_Check(pDX, IDC_AV_B501, m_b501);
}

void CAvansOtchView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Авансовый отчет");
    ResizeParentToFit(FALSE);
    m_grid.SetNRows(kLines);
    m_received.SetNRows(kReceivedRows);
    m_tabs.InsertItem(0, "Осн.сведения");
    m_tabs.InsertItem(1, "Таблица");
    SetSql();
    m_grid.KeepRatio();
    m_received.KeepRatio();
    ShowPage(0);
    PostMessage(WM_SIZE);
}

void CAvansOtchView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    CAvansOtchRecord record;
    CWinApp* app = AfxGetApp();
    record.branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(CAvansOtchRecord::kTable, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.account = app->GetProfileString(kConstants, kAccountKey, "");
        record.through501 = (int)app->GetProfileInt(kConstants, kPairKey, 1);
    } else if (!record.Load(GetRealId())) {
        m_bLoading = FALSE;
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    ShowRecord(record);
    m_bLoading = FALSE;
    ShowPerson();
}

void CAvansOtchView::ShowRecord(const CAvansOtchRecord& record)
{
    m_received.ClearGrid();
    m_received.SetNRows(kReceivedRows);
    for (long row = 0; row < kReceivedRows; ++row)
        for (long col = 0; col < 3; ++col)
            m_received.SetCellValue(col, row, record.received[row * 3 + col]);
    m_grid.ClearGrid();
    SetGridFromOneString(m_grid, record.grid, 0, 0);
    if (m_grid.GetNRows() < kLines)
        m_grid.SetNRows(kLines);
    m_date = qwDMG(record.date, 1);
    m_b501 = record.through501;
    UpdateData(FALSE);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_AV_ACCOUNT, record.account);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_AV_PRD, record.department);
    SetDlgItemText(IDC_AV_ICN, record.icn);
    SetDlgItemText(IDC_SET_NOTE, record.prim);
    SetDlgItemText(IDC_AV_PREVIOUS, record.previousAdvance);
    SetDlgItemText(IDC_AV_SUM, record.sum.IsEmpty() ? CString() : FormatNumber(atof(record.sum), "", 2));
    SetDlgItemText(IDC_AV_KBK_DEBIT, record.kbkDebit);
    SetDlgItemText(IDC_AV_KBK_CREDIT, record.kbkCredit);
    OnReceivedChanged(2, 0, nullptr);
    if (!FillFils(this, IDC_FIL, record.branch, 0))
        OnCancel();
}

// The person's department, position and name, then the earlier report.
void CAvansOtchView::ShowPerson()
{
    CString tn;
    GetDlgItemText(IDC_SET_TN, tn);
    tn.Trim();
    const BOOL known = !tn.IsEmpty() && TnOk(tn);
    SetDlgItemText(IDC_AV_TN_PRD, known ? GetFromSPR("spr_prd", GetTN(tn, "prd")) : CString());
    SetDlgItemText(IDC_AV_TN_DOL, known ? GetFromSPR("ssv", GetTN(tn, "dol")) : CString());
    SetDlgItemText(IDC_SET_FIO, known ? GetFio(tn) : CString());
    ShowEarlierReport();
}

// The earlier report and the previous advance as they stand for the person,
// the date and the branch of the form; this report's own postings are left
// out, so a reopened report shows the advance it was written with.
void CAvansOtchView::ShowEarlierReport()
{
    if (m_bLoading)
        return;
    CString tn;
    GetDlgItemText(IDC_SET_TN, tn);
    tn.Trim();
    const long realId = GetRealId();
    const long documentId = realId == -1 ? 0 : StoredDocumentId(CAvansOtchRecord::kTable, realId);
    COleDateTime date;
    if (m_dateCtrl.GetSafeHwnd() && m_dateCtrl.GetTime(date) != GDT_VALID)
        date = COleDateTime();
    const CEarlierReport earlier =
        FindEarlierReport(tn, DMGtoStr(date), realId, SelectedBranch(IDC_FIL), documentId);
    SetDlgItemText(IDC_AV_EARLIER_NUMBER, earlier.number);
    SetDlgItemText(IDC_AV_EARLIER_DATE, earlier.date);
    SetDlgItemText(IDC_AV_PREVIOUS, earlier.advance);
}

void CAvansOtchView::ShowPage(int page)
{
    m_nPage = page;
    m_tabs.SetCurSel(page);
    for (UINT id : kFirstPageOnly)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(page == 0 ? SW_SHOW : SW_HIDE);
    for (UINT id : kLockedOnLines)
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(page == 0);
    m_grid.ShowWindow(page == 1 ? SW_SHOW : SW_HIDE);
}

void CAvansOtchView::OnTabChange(NMHDR*, LRESULT* result)
{
    ShowPage(m_tabs.GetCurSel());
    *result = 0;
}

void CAvansOtchView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(0, 110, client.Width(), client.Height() - 160);
    // The buttons keep to the bottom, below the lines.
    for (UINT id : {UINT(IDOK), UINT(ID_DOCUMENT_NEW), UINT(ID_DOCUMENT_PRINT), UINT(ID_BUH_SPRAVKA),
                    UINT(ID_DOCUMENT_DELETE)})
        if (CWnd* button = GetDlgItem(id)) {
            CRect place;
            button->GetWindowRect(&place);
            ScreenToClient(&place);
            button->SetWindowPos(nullptr, place.left, client.Height() - place.Height() - 12, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER);
        }
}

void CAvansOtchView::OnNewReport()
{
    if (AfxMessageBox("Ввести новый авансовый отчет ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    SetRealId(-1);
    SetLoadedDate(CString());
    SetSql();
    FocusField(IDC_NUMBER, TRUE);
}

void CAvansOtchView::OnAccountPick()
{
    CString text;
    GetDlgItemText(IDC_AV_ACCOUNT, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_AV_ACCOUNT, -1, text, 2, nullptr, "020800000");
}

void CAvansOtchView::OnPrdPick()
{
    CString filter;
    filter.Format("where fil_id=%d", SelectedBranch(IDC_FIL));
    CHelpers::GetInSpr("spr_prd", this, IDC_AV_PRD, filter, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CAvansOtchView::OnKbkDebitPick()
{
    CString account;
    GetDlgItemText(IDC_AV_ACCOUNT, account);
    GL_GetDefKBKList(this, IDC_AV_KBK_DEBIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CAvansOtchView::OnKbkCreditPick()
{
    CString account;
    GetDlgItemText(IDC_AV_ACCOUNT, account);
    GL_GetDefKBKList(this, IDC_AV_KBK_CREDIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CAvansOtchView::OnTnChange()
{
    if (!m_bLoading)
        ShowPerson();
}

void CAvansOtchView::OnPrdChange()
{
    CString code;
    GetDlgItemText(IDC_AV_PRD, code);
    SetDlgItemText(IDC_AV_PRD_NAME, GetFromSPR("spr_prd", code));
}

void CAvansOtchView::OnEarlierReportChange()
{
    ShowEarlierReport();
}

void CAvansOtchView::OnDateChange(NMHDR*, LRESULT* result)
{
    ShowEarlierReport();
    *result = 0;
}

CAvansHeader CAvansOtchView::Header() const
{
    CAvansHeader h;
    h.account = m_record.account;
    h.tn = m_record.tn;
    h.department = m_record.department;
    h.kbkDebit = m_record.kbkDebit;
    h.kbkCredit = m_record.kbkCredit;
    return h;
}

} // namespace nledmark
