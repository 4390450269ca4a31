// The waybill: construction, loading, the header's fields and the print.
#include "COsNaklView.h"

#include "AccountDimensionRows.h"
#include "AccountPickerRows.h"
#include "CHelpers.h"
#include "CLedmark.h"
#include "COsNaklPage.h"
#include "CconfigDocument.h"
#include "FormLayout.h"
#include "FormTitle.h"
#include "RowSearch.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(COsNaklView, CPostingDocView)

BEGIN_MESSAGE_MAP(COsNaklView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_ON_DEBIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_ON_CREDIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_ON_KBK_DEBIT_PICK, OnKbkDebitPick)
    ON_COMMAND(IDC_ON_KBK_CREDIT_PICK, OnKbkCreditPick)
    ON_COMMAND(IDC_ON_DEBIT_SB1_PICK, OnDebitSb1Pick)
    ON_COMMAND(IDC_ON_DEBIT_SB2_PICK, OnDebitSb2Pick)
    ON_COMMAND(IDC_ON_DEBIT_SB3_PICK, OnDebitSb3Pick)
    ON_COMMAND(IDC_ON_CREDIT_SB1_PICK, OnCreditSb1Pick)
    ON_COMMAND(IDC_ON_CREDIT_SB2_PICK, OnCreditSb2Pick)
    ON_COMMAND(IDC_ON_CREDIT_SB3_PICK, OnCreditSb3Pick)
    ON_COMMAND(ID_DELETE_LINE, OnClearLine)
    ON_COMMAND(IDC_ON_PRINT, OnPrint)
    ON_EN_CHANGE(IDC_ON_DEBIT, OnDebitChange)
    ON_EN_CHANGE(IDC_ON_CREDIT, OnCreditChange)
    ON_BN_CLICKED(IDC_ON_NO_POSTING, OnNoPostingClicked)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(COsNaklView, CPostingDocView)
    ON_EVENT(COsNaklView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(COsNaklView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(COsNaklView, IDC_LINES, 9, OnLinesEditEnded, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";

} // namespace

COsNaklView::COsNaklView() : CPostingDocView(IDR_OS_NAKL), m_date(COleDateTime::GetCurrentTime())
{
    m_editDebit.m_bDebit = 1;
    m_editCredit.m_bDebit = 0;
}

COsNaklView::~COsNaklView() = default;

int COsNaklView::Mode() const
{
    const CconfigDocument* document = const_cast<COsNaklView*>(this)->GetDocument();
    return document ? document->GetParam() : 0;
}

void COsNaklView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_ON_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_ON_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_ON_CREDIT, m_editCredit);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_ON_ICN, m_editIcn);
    DDX_Control(pDX, IDC_ON_NOTE, m_editNote);
    DDX_Control(pDX, IDC_ON_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_ON_KBK_CREDIT, m_editKbkCredit);
    DDX_DateTimeCtrl(pDX, IDC_ON_DATE, m_date);
    DDX_Check(pDX, IDC_ON_NO_POSTING, m_noPosting);
}

void COsNaklView::OnInitialUpdate()
{
    m_record = COsNaklRecord(Mode());
    CPostingDocView::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    SetFormTitle(this, Kind().materials ? "Накладная по МЗ" : "Накладная по ОС");
    m_grid.KeepRatio();
    SetSql();
    PostMessage(WM_SIZE);
}

// A new waybill: the next number, today, the last accounts and branch, the
// box as it is (on for a fresh form); a stored one as it was saved, the box
// on exactly when it carries no document id.
BOOL COsNaklView::LoadDocument()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    COsNaklRecord record(Mode());
    CWinApp* app = AfxGetApp();
    const long realId = GetRealId();
    if (realId == -1) {
        record.number = ProposeNumber(GL_NextNumber(record.HeaderTable(), 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.icn = "Выписка накладной";
        record.debit = app->GetProfileString(kConstants, Kind().debitKey, "");
        record.credit = app->GetProfileString(kConstants, Kind().creditKey, "");
        record.branch = (int)app->GetProfileInt(kConstants, "select_fil", 1);
        record.posted = m_noPosting == 0;
    } else if (!record.Load(realId)) {
        m_bLoading = FALSE;
        return FALSE;
    } else {
        SetLoadedDate(record.date);
    }
    m_record = record;
    ShowRecord(record);
    m_bLoading = FALSE;
    if (!FillFils(this, IDC_FIL, record.branch, 0))
        return FALSE;
    PostMessage(WM_SIZE);
    GetDlgItem(IDC_ON_DATE)->SetFocus();
    return TRUE;
}

void COsNaklView::ShowRecord(const COsNaklRecord& record)
{
    m_grid.ClearGrid();
    SetGridFromOneString(m_grid, record.grid, 1, 0);
    if (m_grid.GetNRows() == 0)
        m_grid.SetNRows(1);
    m_grid.SetCurCell(0, 0);
    PostMessage(kFirstAnswerMsg);
    m_date = qwDMG(record.date, 1);
    m_noPosting = record.posted ? 0 : 1;
    UpdateData(FALSE);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_ON_ICN, record.icn);
    SetDlgItemText(IDC_ON_NOTE, record.prim);
    SetDlgItemText(IDC_ON_KBK_DEBIT, record.kbkDebit);
    SetDlgItemText(IDC_ON_KBK_CREDIT, record.kbkCredit);
    // The accounts first: their layout empties the fields it hides.
    SetDlgItemText(IDC_ON_DEBIT, record.debit);
    SetDlgItemText(IDC_ON_CREDIT, record.credit);
    OnDebitChange();
    OnCreditChange();
    static const UINT debitFields[3] = {IDC_ON_DEBIT_SB1, IDC_ON_DEBIT_SB2, IDC_ON_DEBIT_SB3};
    static const UINT creditFields[3] = {IDC_ON_CREDIT_SB1, IDC_ON_CREDIT_SB2, IDC_ON_CREDIT_SB3};
    for (int k = 0; k < 3; ++k) {
        SetDlgItemText(debitFields[k], record.debitSb[k]);
        SetDlgItemText(creditFields[k], record.creditSb[k]);
    }
    OnDebitChange();
    OnCreditChange();
}

// The item's own dimension is held per row: it stays hidden whatever the
// chart shows of it.
void COsNaklView::OnDebitChange()
{
    CString account;
    GetDlgItemText(IDC_ON_DEBIT, account);
    ShowAccountDimensions(this, kOsNaklDebitDimensions, ItemDimension(account.Trim(), Kind().items));
}

void COsNaklView::OnCreditChange()
{
    CString account;
    GetDlgItemText(IDC_ON_CREDIT, account);
    ShowAccountDimensions(this, kOsNaklCreditDimensions, ItemDimension(account.Trim(), Kind().items));
}

void COsNaklView::OnNoPostingClicked()
{
    UpdateData(TRUE);
    OnDebitChange();
    OnCreditChange();
    PostMessage(WM_SIZE);
}

// The grid from 220 pixels down to 75 above the bottom, the note 60 above it,
// the buttons along the bottom.
void COsNaklView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    static const CFormLayout layout{220, 75, IDC_ON_NOTE_LABEL, IDC_ON_NOTE, 110, 60, 25};
    PlaceFormParts(this, &m_grid, layout,
                   {{IDOK, 10}, {IDC_ON_DELETE, 110}, {ID_DELETE_LINE, 210}, {IDC_ON_PRINT, 310}, {IDCANCEL, 410}});
}

void COsNaklView::OnAccountPick()
{
    const MSG* msg = GetCurrentMessage();
    OpenAccountPicker(this, kOsNaklAccountPickers, msg ? LOWORD(msg->wParam) : 0);
}

void COsNaklView::OnKbkDebitPick()
{
    CString account;
    GetDlgItemText(IDC_ON_DEBIT, account);
    GL_GetDefKBKList(this, IDC_ON_KBK_DEBIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void COsNaklView::OnKbkCreditPick()
{
    CString account;
    GetDlgItemText(IDC_ON_CREDIT, account);
    GL_GetDefKBKList(this, IDC_ON_KBK_CREDIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void COsNaklView::OnDebitSb1Pick()
{
    OnSB1btn(this);
}

void COsNaklView::OnDebitSb2Pick()
{
    OnSB2btn(this);
}

void COsNaklView::OnDebitSb3Pick()
{
    OnSB3btn(this);
}

namespace {

void PickCreditValue(CWnd* form, UINT field, short k)
{
    CString account;
    form->GetDlgItemText(IDC_ON_CREDIT, account);
    CLedmark::GetSB(form, field, UINT(-1), account, k, 0);
}

} // namespace

void COsNaklView::OnCreditSb1Pick()
{
    PickCreditValue(this, IDC_ON_CREDIT_SB1, 1);
}

void COsNaklView::OnCreditSb2Pick()
{
    PickCreditValue(this, IDC_ON_CREDIT_SB2, 2);
}

void COsNaklView::OnCreditSb3Pick()
{
    PickCreditValue(this, IDC_ON_CREDIT_SB3, 3);
}

// "Уд-ть строку" empties the current row; the row stays.
void COsNaklView::OnClearLine()
{
    const long row = m_grid.GetCurRow();
    if (row < 0 || AfxMessageBox("Удалить эту строку ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    for (int col = 0; col < kOsNaklColumns; ++col)
        m_grid.SetCellValue(col, row, "");
    EnsureSpareRow();
}

CString COsNaklView::PrintedPage()
{
    UpdateData(TRUE);
    COsNaklRecord r(Mode());
    ReadHeader(r);
    r.date = DMGtoStr(m_date);
    r.lines = OsNaklLines(r.grid);
    return OsNaklPage(r);
}

void COsNaklView::OnPrint()
{
    CWaitCursor wait;
    const CString title = Kind().materials ? "Накладная по МЗ" : "Накладная по ОС";
    CHelpers::DisplayMessage(PrintedPage(), title, 0, 8, "#f5f5FF", -1, -1);
}

void COsNaklView::OnButtonSirch()
{
    FragmentSearchSite site;
    site.form = this;
    site.grid = &m_grid;
    site.branch = SelectedBranch(IDC_FIL);
    GetDlgItemText(IDC_ON_CREDIT, site.account);
    site.account.Trim();
    site.text = &m_strSirch;
    site.option1 = &m_nSirchCase;
    site.option2 = &m_nSirchWord;
    site.pickRow = &m_itemRow;
    RunFragmentSearch(Kind().materials ? kOsNaklMaterialSearch : kOsNaklAssetSearch, site);
}

} // namespace nledmark
