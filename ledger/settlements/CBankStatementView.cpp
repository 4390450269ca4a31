// What the bank statements share: the header, its refresh by the main
// account, the grid's choosers, edits and analytic cells, and the checks of
// the header.
#include "CBankStatementView.h"

#include "AccountDimensions.h"
#include "AnalyticCells.h"
#include "CHelpers.h"
#include "CLedmark.h"
#include "CodeRows.h"
#include "FormLayout.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CBankStatementView, CPostingDocView)

BEGIN_MESSAGE_MAP(CBankStatementView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_BANK_MAIN_PICK, OnMainPick)
    ON_CONTROL(EN_KILLFOCUS, IDC_BANK_DEBIT, OnMainKillFocus)
    ON_CONTROL(EN_KILLFOCUS, IDC_BANK_CREDIT, OnMainKillFocus)
    ON_EN_CHANGE(IDC_BANK_DEBIT, OnMainChange)
    ON_EN_CHANGE(IDC_BANK_CREDIT, OnMainChange)
    ON_CBN_SELCHANGE(IDC_FIL, OnBranchChange)
    ON_COMMAND(IDC_BANK_KBK_DEBIT_PICK, OnKbkDebitPick)
    ON_COMMAND(IDC_BANK_KBK_CREDIT_PICK, OnKbkCreditPick)
    ON_COMMAND(IDC_BANK_LS_PICK, OnLsPick)
    ON_COMMAND(IDC_BANK_CONTR_PICK, OnContrPick)
    ON_EN_CHANGE(IDC_BANK_LS, OnLsChange)
    ON_EN_CHANGE(IDC_BANK_CONTR, OnContrChange)
    ON_MESSAGE(kBankTrailingRowMsg, OnTrailingRow)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBankStatementView, CPostingDocView)
    ON_EVENT(CBankStatementView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CBankStatementView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CBankStatementView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CBankStatementView, IDC_LINES, 15, OnLinesCellMoved, VTS_I2 VTS_I2)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kKontr = "kontr";
const char* const kSelectFil = "select_fil";
const UINT kLsGroup[] = {IDC_BANK_LS_LABEL, IDC_BANK_LS, IDC_BANK_LS_PICK, IDC_BANK_LS_NAME};
const UINT kContrGroup[] = {IDC_BANK_CONTR_LABEL, IDC_BANK_CONTR, IDC_BANK_CONTR_PICK, IDC_BANK_CONTR_NAME};

} // namespace

CBankStatementView::CBankStatementView(UINT nIDTemplate, const CBankLayout& layout,
                                       const CBankStatementRecord& record)
    : CPostingDocView(nIDTemplate), m_date(COleDateTime::GetCurrentTime()), m_record(record), m_layout(layout)
{
    // The main account is the debit of the receipts and the credit of the payments.
    m_editMain.m_bDebit = layout.rowSide == 2 ? 1 : 0;
}

CBankStatementView::~CBankStatementView() = default;

void CBankStatementView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_BANK_BASE_DOC, m_editIcn);
    DDX_Control(pDX, m_layout.mainId, m_editMain);
    DDX_Control(pDX, IDC_BANK_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_BANK_KBK_CREDIT, m_editKbkCredit);
    DDX_Control(pDX, IDC_BANK_LS, m_editLs);
    DDX_Control(pDX, IDC_BANK_CONTR, m_editContr);
    DDX_Control(pDX, IDC_BANK_NOTE, m_editPrim);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_BANK_BASE_DOC, m_strIcn);
    DDX_Text(pDX, m_layout.mainId, m_strMain);
    DDX_Text(pDX, IDC_BANK_KBK_DEBIT, m_strKbkDebit);
    DDX_Text(pDX, IDC_BANK_KBK_CREDIT, m_strKbkCredit);
    DDX_Text(pDX, IDC_BANK_LS, m_strLs);
    DDX_Text(pDX, IDC_BANK_CONTR, m_strContr);
    DDX_Text(pDX, IDC_BANK_NOTE, m_strPrim);
    DDX_Check(pDX, IDC_BANK_THROUGH, m_bThrough);
}

void CBankStatementView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    const BOOL codes = g_lProjectType == 9;
    m_grid.SetColHidden(m_layout.kbkDebit, !codes);
    m_grid.SetColHidden(m_layout.kbkCredit, !codes);
    m_grid.SetColHidden(m_layout.activity, 1);
    m_grid.KeepRatio();
    WatchHeaderFields({m_layout.mainId, IDC_DATE, IDC_FIL, IDC_BANK_THROUGH, IDC_BANK_KBK_DEBIT, IDC_BANK_KBK_CREDIT,
                       IDC_BANK_LS, IDC_BANK_CONTR});
    PostMessage(WM_SIZE);
    SetSql();
}

UINT CBankStatementView::NumberFieldId() const
{
    return IDC_NUMBER;
}

int CBankStatementView::Branch() const
{
    return SelectedBranch(IDC_FIL);
}

std::vector<CAnswerColumn> CBankStatementView::AnswerColumns() const
{
    return {{m_layout.accountMsg, m_layout.account, true},
            {m_layout.sbMsg, m_layout.account + 1, false},
            {m_layout.sbMsg + 1, m_layout.account + 2, false},
            {m_layout.sbMsg + 2, m_layout.account + 3, false},
            {m_layout.kbkDebitMsg, m_layout.kbkDebit, false},
            {m_layout.kbkCreditMsg, m_layout.kbkCredit, false},
            {m_layout.activityMsg, m_layout.activity, false}};
}

void CBankStatementView::OnAnswered(UINT msg, long row)
{
    if (msg != m_layout.accountMsg)
        return;
    RowSetUp(m_layout.account, row);
    ContentDefault(row, Cell(m_layout.account, row));
}

void CBankStatementView::OnLinesChanged()
{
    PostMessage(kBankTrailingRowMsg);
}

void CBankStatementView::OnSaveDeclined()
{
    FocusField(IDC_DATE, FALSE);
}

void CBankStatementView::AfterSave()
{
    OnCancel();
    PostOK(1, 1);
}

BOOL CBankStatementView::PersonalAccountShown() const
{
    const CWnd* field = GetDlgItem(IDC_BANK_LS);
    return field && field->IsWindowVisible();
}

BOOL CBankStatementView::CounterpartyShown() const
{
    const CWnd* field = GetDlgItem(IDC_BANK_CONTR);
    return field && field->IsWindowVisible();
}

CBankRow CBankStatementView::Row(long row) const
{
    CBankRow cells(m_layout.columns);
    for (int col = 0; col < m_layout.columns; ++col)
        cells[col] = Cell(col, row);
    return cells;
}

CString CBankStatementView::MainText() const
{
    CString text;
    GetDlgItemText(m_layout.mainId, text);
    text.Trim();
    return text;
}

void CBankStatementView::SetCell(int col, long row, const CString& text)
{
    if (Cell(col, row) != text)
        m_grid.SetCellValue(col, row, text);
}

void CBankStatementView::FocusRow(long row)
{
    m_grid.SetFocus();
    m_grid.SetCurCell(m_layout.account, row);
}

// ---------------------------------------------------------------------------
// The header.

void CBankStatementView::ShowGroup(std::initializer_list<UINT> ids, BOOL show)
{
    for (UINT id : ids)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CBankStatementView::RefreshHeader()
{
    const CString main = MainAccountCode(MainText());
    BOOL keepsLs = FALSE, keepsContr = FALSE;
    for (int k = 1; k <= 3; ++k) {
        const CString table = DimensionTable(main, k);
        keepsLs = keepsLs || table == "spr_ls";
        keepsContr = keepsContr || table == "spr_contr";
    }
    ShowGroup({kLsGroup[0], kLsGroup[1], kLsGroup[2], kLsGroup[3]}, keepsLs);
    ShowGroup({kContrGroup[0], kContrGroup[1], kContrGroup[2], kContrGroup[3]}, keepsContr);
    SetDlgItemText(IDC_BANK_LS, GL_GetDefLS(main, Branch(), nullptr));
    // A counterparty the main account does not keep is not stored with it.
    SetDlgItemText(IDC_BANK_CONTR, keepsContr ? AfxGetApp()->GetProfileString(kConstants, kKontr, "1") : CString());
}

void CBankStatementView::OnMainPick()
{
    UpdateData(TRUE);
    PickMainAccount();
}

void CBankStatementView::OnMainKillFocus()
{
    const CString text = MainText();
    const CString kept = MainAccountOnLeaving(text);
    if (kept != text)
        SetDlgItemText(m_layout.mainId, kept);
    PostMessage(kBankTrailingRowMsg);
}

void CBankStatementView::OnMainChange()
{
    RefreshHeader();
}

void CBankStatementView::OnBranchChange()
{
    RefreshHeader();
}

void CBankStatementView::OnKbkDebitPick()
{
    GL_GetDefKBKList(this, IDC_BANK_KBK_DEBIT, MainAccountCode(MainText()), Branch(), UINT(-1), nullptr, 0);
}

void CBankStatementView::OnKbkCreditPick()
{
    GL_GetDefKBKList(this, IDC_BANK_KBK_CREDIT, MainAccountCode(MainText()), Branch(), UINT(-1), nullptr, 0);
}

// The personal accounts of the main account's source and of the branch.
void CBankStatementView::OnLsPick()
{
    const CString main = MainAccountCode(MainText());
    const int branch = Branch();
    CString filter;
    if (!main.IsEmpty() && IsDigitsOnly(main.Left(1)))
        filter = "where isf=" + main.Left(1);
    if (branch >= 0)
        filter += FormatText(filter.IsEmpty() ? "where fil_id=%d" : " and fil_id=%d", branch);
    CHelpers::GetInSpr("spr_ls", this, IDC_BANK_LS, filter.IsEmpty() ? nullptr : (const char*)filter, UINT(-1), 0, 0);
}

void CBankStatementView::OnContrPick()
{
    CHelpers::GetInSpr("spr_contr", this, IDC_BANK_CONTR, nullptr, UINT(-1), 0, 0);
}

void CBankStatementView::OnLsChange()
{
    CString code;
    GetDlgItemText(IDC_BANK_LS, code);
    SetDlgItemText(IDC_BANK_LS_NAME, code.IsEmpty() ? CString() : GetFromSPR("spr_ls", code, "number"));
}

void CBankStatementView::OnContrChange()
{
    CString code;
    GetDlgItemText(IDC_BANK_CONTR, code);
    SetDlgItemText(IDC_BANK_CONTR_NAME, code.IsEmpty() ? CString() : GetFromSPR("spr_contr", code, nullptr));
}

// ---------------------------------------------------------------------------
// The grid.

LRESULT CBankStatementView::OnTrailingRow(WPARAM, LPARAM)
{
    KeepOneEmptyRow(m_grid, 0);
    return 0;
}

// Several codes fill the remembered row and then the lowest empty rows.
LRESULT CBankStatementView::OnEkrAnswer(WPARAM, LPARAM lParam)
{
    const long first = RememberedRow(m_layout.ekrMsg);
    if (first < 0 || first >= m_grid.GetNRows())
        return 0;
    FillRowsWithCodes(m_grid, 0, first, CString(reinterpret_cast<const char*>(lParam)), [this](long row) {
        MarkRowEdited(row);
        SendMessage(kBankTrailingRowMsg);
    });
    m_grid.SetCurCell(m_layout.account, first);
    m_grid.SetFocus();
    return 0;
}

void CBankStatementView::RowAccounts(long row, const CString& account, CString& debit, CString& credit) const
{
    const CString ekr = Cell(0, row).Trim();
    CChartFacts chart;
    const CString own = AccountForCode(chart, account, ekr, m_layout.rowSide);
    const CString main = AccountForCode(chart, MainAccountCode(MainText()), ekr, 3 - m_layout.rowSide);
    debit = m_layout.rowSide == 1 ? own : main;
    credit = m_layout.rowSide == 1 ? main : own;
}

void CBankStatementView::ContentDefault(long row, const CString& account)
{
    if (!Cell(m_layout.content, row).IsEmpty() || MainText().IsEmpty() || account.IsEmpty())
        return;
    CString debit, credit;
    RowAccounts(row, account, debit, credit);
    SetCell(m_layout.content, row, GetDefSO(debit, credit));
}

void CBankStatementView::RowSetUp(int col, long row)
{
    if (m_bLoading || (col != -1 && col != m_layout.account))
        return;
    if (row < 0)
        row = m_grid.GetCurRow();
    if (row < 0 || row >= m_grid.GetNRows())
        return;
    ShowAnalyticCells(m_grid, row, m_layout.account + 1, Cell(m_layout.account, row), Cell(0, row));
}

void CBankStatementView::OnLinesChooser(short col, short row)
{
    UpdateData(TRUE);
    const CString account = Cell(m_layout.account, row);
    const CString main = MainAccountCode(MainText());
    // The accounts of a row's sides, for the KBK choosers: each falls back
    // to the other side's when empty.
    const CString own = account.IsEmpty() ? main : account;
    const CString other = main.IsEmpty() ? account : main;
    const CString& debitSide = m_layout.rowSide == 1 ? own : other;
    const CString& creditSide = m_layout.rowSide == 1 ? other : own;
    if (col == 0) {
        RememberChooserRow(m_layout.ekrMsg, row);
        CHelpers::GetInSpr("spr_ekr", this, -1, nullptr, m_layout.ekrMsg, 0, 1);
    } else if (col == m_layout.account) {
        RememberChooserRow(m_layout.accountMsg, row);
        CExtFuncs::OnSprPlanSch0(this, -1, (int)m_layout.accountMsg, account, m_layout.rowSide,
                                 ChooserOtherAccount(row), nullptr);
    } else if (col > m_layout.account && col <= m_layout.account + 3) {
        const int k = col - m_layout.account;
        RememberChooserRow(m_layout.sbMsg + k - 1, row);
        CLedmark::GetSB(this, UINT(-1), m_layout.sbMsg + k - 1, account, (short)k, 0);
    } else if (col == m_layout.kbkDebit) {
        RememberChooserRow(m_layout.kbkDebitMsg, row);
        GL_GetDefKBKList(this, -1, debitSide, Branch(), m_layout.kbkDebitMsg, nullptr, 0);
    } else if (col == m_layout.kbkCredit) {
        RememberChooserRow(m_layout.kbkCreditMsg, row);
        GL_GetDefKBKList(this, -1, creditSide, Branch(), m_layout.kbkCreditMsg, nullptr, 0);
    } else if (col == m_layout.activity) {
        RememberChooserRow(m_layout.activityMsg, row);
        CHelpers::GetInSpr("spr_vid_pred_deyat", this, 0, nullptr, m_layout.activityMsg, 0, 0);
    } else {
        PickCell(col, row);
    }
}

CString CBankStatementView::ChooserOtherAccount(long row) const
{
    CString debit, credit;
    RowAccounts(row, Cell(m_layout.account, row), debit, credit);
    return m_layout.rowSide == 1 ? credit : debit;
}

// A typed account takes the KOSGU code of the row's economic code.
void CBankStatementView::OnLinesEdited(short col, short row, short key, CString* text)
{
    MarkRowEdited(row);
    if (col == m_layout.account && text && !text->IsEmpty()) {
        CChartFacts chart;
        const CString tailed = AccountForCode(chart, *text, Cell(0, row).Trim(), m_layout.rowSide);
        if (tailed != *text)
            *text = tailed;
        ContentDefault(row, *text);
        // The cell takes the text after this event; its change sets the
        // analytic cells up then.
    }
    PostMessage(kBankTrailingRowMsg);
}

void CBankStatementView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (col == m_layout.account)
        RowSetUp(m_layout.account, row);
}

void CBankStatementView::OnLinesCellMoved(short col, short row)
{
    RowSetUp(-1, -1);
}

// ---------------------------------------------------------------------------
// Loading and saving.

void CBankStatementView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    CWinApp* app = AfxGetApp();
    int branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        m_strNumber = ProposeNumber(GL_NextNumber(m_record.table, 0));
        m_date = COleDateTime::GetCurrentTime();
        m_strIcn = "Выписка банка";
        m_bThrough = app->GetProfileInt(kConstants, m_layout.boxKey, 1) != 0;
        m_strMain = app->GetProfileString(kConstants, m_layout.mainKey, m_layout.defaultMain);
        m_strPrim.Empty();
        m_strKbkDebit.Empty();
        m_strKbkCredit.Empty();
        m_strLs.Empty();
        m_strContr.Empty();
    } else if (!LoadStored(branch)) {
        return;
    }
    ShowLoaded(branch);
}

// A stored statement; one that cannot be read does not stay open.
BOOL CBankStatementView::LoadStored(int& branch)
{
    if (!m_record.Load(GetRealId())) {
        OnCancel();
        return FALSE;
    }
    const CBankStatementRecord& r = m_record;
    branch = r.branch;
    SetLoadedDate(r.date);
    m_date = qwDMG(r.date, 1);
    m_strNumber = r.number;
    m_strPrim = r.prim;
    m_strIcn = r.icn;
    m_strMain = r.main;
    m_strKbkDebit = r.kbkDebit;
    m_strKbkCredit = r.kbkCredit;
    m_strLs = r.ls;
    m_strContr = r.contr;
    m_bThrough = r.box;
    SetGridFromOneString(m_grid, r.grid, 0, 0);
    if (m_grid.GetNRows() == 0)
        m_grid.SetNRows(1);
    return TRUE;
}

BOOL CBankStatementView::ShowLoaded(int branch)
{
    if (!FillFils(this, IDC_FIL, branch, 0)) {
        OnCancel();
        return FALSE;
    }
    // The main account's change shows its fields and puts their defaults in;
    // the personal account and counterparty written after it replace them.
    SetDlgItemText(m_layout.mainId, m_strMain);
    RefreshHeader();
    UpdateData(FALSE);
    // A new statement keeps the defaults; a stored one shows what it keeps.
    if (GetRealId() == -1)
        RefreshHeader();
    m_bLoading = FALSE;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        RowSetUp(-1, row);
        if (!Cell(0, row).IsEmpty() || !Cell(m_layout.account, row).IsEmpty() || !Cell(m_layout.sum, row).IsEmpty())
            MarkRowPassed(row);
    }
    PostMessage(kBankTrailingRowMsg);
    return TRUE;
}

BOOL CBankStatementView::CheckHeader(CString& date, CString& main)
{
    if (!CheckDateControl(IDC_DATE, m_date, "Укажите Дату", date)
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа")
        || !RequireText(IDC_BANK_BASE_DOC, m_strIcn, "Укажите наименование документа")
        || !RequireText(m_layout.mainId, m_strMain, "Укажите основной счет"))
        return FALSE;
    main = MainAccountCode(m_strMain);
    if (!GL_Valid_Sch(main, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(m_layout.mainId, TRUE);
        return FALSE;
    }
    // Only what is filled in is looked up: an account without personal
    // accounts or counterparties leaves its fields empty.
    if (!m_strLs.IsEmpty() && !SprOk("spr_ls", m_strLs)) {
        AfxMessageBox("Нет такого лицевого счета");
        FocusField(IDC_BANK_LS, TRUE);
        return FALSE;
    }
    if (!m_strContr.IsEmpty() && !SprOk("spr_contr", m_strContr)) {
        AfxMessageBox("Нет такого контрагента");
        FocusField(IDC_BANK_CONTR, TRUE);
        return FALSE;
    }
    return TRUE;
}

CBankHeader CBankStatementView::Header(const CString& date, const CString& main) const
{
    CBankHeader header;
    header.date = date;
    header.main = main;
    header.ls = m_strLs;
    header.contr = m_strContr;
    header.kbkDebit = m_strKbkDebit;
    header.kbkCredit = m_strKbkCredit;
    header.through = m_bThrough;
    header.branch = Branch();
    return header;
}

void CBankStatementView::FillRecord(const CBankHeader& header, double total, std::vector<CPostingLine> postings)
{
    CBankStatementRecord& r = m_record;
    r.date = header.date;
    r.number = m_strNumber;
    r.prim = m_strPrim;
    r.icn = m_strIcn;
    r.grid = GetGridInOneString(m_grid, 0);
    r.box = m_bThrough;
    r.total = ftoa0(total);
    r.main = header.main;
    r.kbkDebit = m_strKbkDebit;
    r.kbkCredit = m_strKbkCredit;
    r.branch = header.branch;
    r.ls = m_strLs;
    r.contr = m_strContr;
    r.postings = std::move(postings);
}

void CBankStatementView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    if (!m_record.contr.IsEmpty())
        app->WriteProfileString(kConstants, kKontr, m_record.contr);
    app->WriteProfileInt(kConstants, m_layout.boxKey, m_record.box ? 1 : 0);
    app->WriteProfileString(kConstants, m_layout.mainKey, m_record.main);
    app->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
}

void LayOutBankForm(CWnd* form, CCellwork& grid, int gridMargin)
{
    PlaceFormParts(form, &grid, {140, gridMargin - 140, IDC_BANK_NOTE_LABEL, IDC_BANK_NOTE, 100, 60, 25},
                   {{IDOK, 10}, {IDC_BANK_DELETE, 110}, {ID_DELETE_LINE, 210}, {ID_BUH_SPRAVKA, 310}, {IDCANCEL, 410}});
}

void CBankStatementView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    LayOutBankForm(this, m_grid, m_layout.gridMargin);
}

LRESULT CBankStatementView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == m_layout.ekrMsg)
        return OnEkrAnswer(wParam, lParam);
    return CPostingDocView::WindowProc(message, wParam, lParam);
}

} // namespace nledmark
