// Budget assignments and limits: construction, loading, the account defaults
// and the economic-code rows.
#include "CBudgAsegView.h"
#include "FormTitle.h"

#include "CHelpers.h"
#include "CodeRows.h"
#include "FormLayout.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CBudgAsegView, CBudgetDocView)

BEGIN_MESSAGE_MAP(CBudgAsegView, CBudgetDocView)
    ON_WM_SIZE()
    ON_CBN_SELCHANGE(IDC_BUDG_KIND, OnKindOrSource)
    ON_CBN_SELCHANGE(IDC_BUDG_SOURCE, OnKindOrSource)
    ON_COMMAND(IDC_BUDG_DEBIT_PICK, OnDebitPick)
    ON_COMMAND(IDC_BUDG_CREDIT_PICK, OnCreditPick)
    ON_MESSAGE(kTrailingRowMsg, OnTrailingRow)
    ON_MESSAGE(kEkrAnswerMsg, OnEkrAnswer)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBudgAsegView, CBudgetDocView)
    ON_EVENT(CBudgAsegView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CBudgAsegView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kKinds[] = {"Месячные лимиты", "Квартальные ассигнования", "Годовые ассигнования"};
const char* const kSources[] = {"Бюджет", "Платный", "ЦС и БП", "Целевые"};

} // namespace

CBudgAsegView::CBudgAsegView() : CBudgetDocView(IDR_BUDG_ASEG), m_date(COleDateTime::GetCurrentTime()) {}

CBudgAsegView::~CBudgAsegView() = default;

void CBudgAsegView::DoDataExchange(CDataExchange* pDX)
{
    CBudgetDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BUDG_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_BUDG_KIND, m_comboKind);
    DDX_Control(pDX, IDC_BUDG_SOURCE, m_comboSource);
    DDX_DateTimeCtrl(pDX, IDC_BUDG_DATE, m_date);
    DDX_CBIndex(pDX, IDC_BUDG_KIND, m_nKind);
    DDX_CBIndex(pDX, IDC_BUDG_SOURCE, m_nSource);
}

void CBudgAsegView::OnInitialUpdate()
{
    CBudgetDocView::OnInitialUpdate();
    SetFormTitle(this, "Бюджетные ассигнования и лимиты");
    for (const char* kind : kKinds)
        m_comboKind.AddString(kind);
    for (const char* source : kSources)
        m_comboSource.AddString(source);
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    SetSql();
}

void CBudgAsegView::SetSql()
{
    CWaitCursor wait;
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    int branch = (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        m_strNumber = ProposeNumber(GL_NextNumber(CBudgAsegRecord::kTable, 0));
        m_date = COleDateTime::GetCurrentTime();
        m_strIcn = "Получены лимиты";
        m_strPrim.Empty();
        m_strPrd.Empty();
        m_strDebit.Empty();
        m_strCredit.Empty();
        m_strKbkDebit.Empty();
        m_strKbkCredit.Empty();
    } else if (!LoadStored(branch)) {
        return;
    }
    UpdateData(FALSE);
    if (!FillFils(this, IDC_FIL, branch, 0))
        OnCancel();
    if (m_strDebit.IsEmpty() || m_strCredit.IsEmpty())
        ApplyDefaultAccounts();
    else
        LockAccountChoosers(FALSE);
    DecideDepartmentFields();
    SendMessage(kTrailingRowMsg);
}

// A stored document; one that cannot be read does not stay open.
BOOL CBudgAsegView::LoadStored(int& branch)
{
    if (!m_record.Load(GetRealId())) {
        OnCancel();
        return FALSE;
    }
    const CBudgAsegRecord& r = m_record;
    branch = r.branch;
    m_nSource = r.source - 1;
    m_nKind = r.kind;
    SetLoadedDate(r.date);
    m_date = qwDMG(r.date, 1);
    m_strNumber = r.number;
    m_strPrim = r.prim;
    m_strIcn = r.icn;
    m_strDebit = r.debit;
    m_strCredit = r.credit;
    m_strKbkDebit = r.kbkDebit;
    m_strKbkCredit = r.kbkCredit;
    m_strPrd = r.department;
    SetGridFromOneString(m_grid, r.grid, 0, 0);
    if (m_grid.GetNRows() == 0)
        m_grid.SetNRows(1);
    return TRUE;
}

void CBudgAsegView::ApplyDefaultAccounts()
{
    UpdateData(TRUE);
    DefaultAssignmentAccounts(m_nKind, m_nSource + 1, m_strDebit, m_strCredit);
    SetDlgItemText(IDC_BUDG_DEBIT, m_strDebit);
    SetDlgItemText(IDC_BUDG_CREDIT, m_strCredit);
    LockAccountChoosers(TRUE);
}

void CBudgAsegView::LockAccountChoosers(BOOL locked)
{
    for (UINT id : {IDC_BUDG_DEBIT, IDC_BUDG_CREDIT})
        if (CWnd* field = GetDlgItem(id))
            field->EnableWindow(FALSE);
    for (UINT id : {IDC_BUDG_DEBIT_PICK, IDC_BUDG_CREDIT_PICK})
        if (CWnd* button = GetDlgItem(id))
            button->EnableWindow(!locked);
}

std::vector<CString> CBudgAsegView::PostedAccounts()
{
    CString debit, credit;
    GetDlgItemText(IDC_BUDG_DEBIT, debit);
    GetDlgItemText(IDC_BUDG_CREDIT, credit);
    if (debit.IsEmpty() || credit.IsEmpty())
        return {};
    return {debit, credit};
}

void CBudgAsegView::OnKindOrSource()
{
    ApplyDefaultAccounts();
    DecideDepartmentFields();
}

void CBudgAsegView::OnDebitPick()
{
    UpdateData(TRUE);
    CExtFuncs::OnSprPlanSch0(this, IDC_BUDG_DEBIT, -1, m_strDebit.IsEmpty() ? CString("050105") : m_strDebit, 0,
                             nullptr, FormatText("%d50105000", m_nSource + 1));
}

void CBudgAsegView::OnCreditPick()
{
    UpdateData(TRUE);
    CExtFuncs::OnSprPlanSch0(this, IDC_BUDG_CREDIT, -1, m_strCredit.IsEmpty() ? CString("050103") : m_strCredit, 0,
                             nullptr, FormatText("%d50103000", m_nSource + 1));
}

void CBudgAsegView::OnLinesChooser(short col, short row)
{
    if (col != ASEG_EKR)
        return;
    RememberChooserRow(kEkrAnswerMsg, row);
    CHelpers::GetInSpr("spr_ekr", this, -1, nullptr, kEkrAnswerMsg, 0, 1);
}

void CBudgAsegView::OnLinesEdited(short col, short row, short key, CString* text)
{
    PostMessage(kTrailingRowMsg);
}

void CBudgAsegView::OnLinesChanged()
{
    PostMessage(kTrailingRowMsg);
}

LRESULT CBudgAsegView::OnTrailingRow(WPARAM, LPARAM)
{
    KeepOneEmptyRow(m_grid, ASEG_EKR);
    return 0;
}

// Several codes fill the remembered row and then the empty rows from the end.
LRESULT CBudgAsegView::OnEkrAnswer(WPARAM, LPARAM lParam)
{
    const CString codes(reinterpret_cast<const char*>(lParam));
    const long first = RememberedRow(kEkrAnswerMsg);
    if (codes.IsEmpty() || first < 0 || first >= m_grid.GetNRows())
        return 0;
    FillRowsWithCodes(m_grid, ASEG_EKR, first, codes, [this](long) { SendMessage(kTrailingRowMsg); });
    m_grid.SetCurCell(ASEG_SUM, first);
    m_grid.SetFocus();
    return 0;
}

void CBudgAsegView::OnSize(UINT nType, int cx, int cy)
{
    CBudgetDocView::OnSize(nType, cx, cy);
    PlaceFormParts(this, &m_grid, {200, 75, IDC_BUDG_NOTE_LABEL, IDC_BUDG_NOTE, 110, 60, 25},
                   {{IDOK, 10}, {IDC_BUDG_DELETE, 110}, {ID_DELETE_LINE, 210}, {ID_BUH_SPRAVKA, 310}, {IDCANCEL, 410}});
}

} // namespace nledmark
