// The budget request: construction, loading, the accounts with their
// analytic rows, and the indicators.
#include "CBudgZayavView.h"
#include "FormTitle.h"

#include "AnalyticRows.h"
#include "CHelpers.h"
#include "FormLayout.h"
#include "CLedmark.h"
#include "CodeRows.h"
#include "ConfigGlobals.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CBudgZayavView, CPostingDocView)

BEGIN_MESSAGE_MAP(CBudgZayavView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_REQ_DEBIT_PICK, OnDebitPick)
    ON_COMMAND(IDC_REQ_CREDIT_PICK, OnCreditPick)
    ON_COMMAND(IDC_BUDG_KBK_DEBIT_PICK, OnKbkDebit)
    ON_COMMAND(IDC_BUDG_KBK_CREDIT_PICK, OnKbkCredit)
    ON_COMMAND_RANGE(IDC_REQ_DEB_SB1_PICK, IDC_REQ_KRED_SB3_PICK, OnAnalyticPick)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_REQ_DEB_SB1, IDC_REQ_KRED_SB3, OnAnalyticChange)
    ON_EN_CHANGE(IDC_REQ_DEBIT, OnDebitChange)
    ON_EN_CHANGE(IDC_REQ_CREDIT, OnCreditChange)
    ON_MESSAGE(kTrailingRowMsg, OnTrailingRow)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBudgZayavView, CPostingDocView)
    ON_EVENT(CBudgZayavView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kDebitKey = "ledmark_budg_zayavka_deb";
const char* const kCreditKey = "ledmark_budg_zayavka_kred";

const CAnalyticRow kDebitRows[3] = {
    {IDC_REQ_DEB_SB1, IDC_REQ_DEB_SB1_PICK, IDC_REQ_DEB_SB1_LABEL, IDC_REQ_DEB_SB1_NAME},
    {IDC_REQ_DEB_SB2, IDC_REQ_DEB_SB2_PICK, IDC_REQ_DEB_SB2_LABEL, IDC_REQ_DEB_SB2_NAME},
    {IDC_REQ_DEB_SB3, IDC_REQ_DEB_SB3_PICK, IDC_REQ_DEB_SB3_LABEL, IDC_REQ_DEB_SB3_NAME},
};
const CAnalyticRow kCreditRows[3] = {
    {IDC_REQ_KRED_SB1, IDC_REQ_KRED_SB1_PICK, IDC_REQ_KRED_SB1_LABEL, IDC_REQ_KRED_SB1_NAME},
    {IDC_REQ_KRED_SB2, IDC_REQ_KRED_SB2_PICK, IDC_REQ_KRED_SB2_LABEL, IDC_REQ_KRED_SB2_NAME},
    {IDC_REQ_KRED_SB3, IDC_REQ_KRED_SB3_PICK, IDC_REQ_KRED_SB3_LABEL, IDC_REQ_KRED_SB3_NAME},
};

// Which side and dimension (1..3) a control of the analytic rows belongs to.
bool FindAnalytic(UINT id, bool& debit, short& n)
{
    for (short k = 0; k < 3; ++k) {
        for (bool side : {true, false}) {
            const CAnalyticRow& row = side ? kDebitRows[k] : kCreditRows[k];
            if (id == row.value || id == row.button) {
                debit = side;
                n = short(k + 1);
                return true;
            }
        }
    }
    return false;
}

} // namespace

CBudgZayavView::CBudgZayavView() : CPostingDocView(IDR_BUDG_ZAYAV)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editCredit.m_bDebit = 0;
}

CBudgZayavView::~CBudgZayavView() = default;

void CBudgZayavView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_BUDG_DATE_TEXT, m_editDate);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_BUDG_BASE_DOC, m_editIcn);
    DDX_Control(pDX, IDC_BUDG_NOTE, m_editPrim);
    DDX_Control(pDX, IDC_REQ_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_REQ_CREDIT, m_editCredit);
    DDX_Text(pDX, IDC_BUDG_DATE_TEXT, m_strDate);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_BUDG_BASE_DOC, m_strIcn);
    DDX_Text(pDX, IDC_BUDG_NOTE, m_strPrim);
    DDX_Text(pDX, IDC_REQ_DEBIT, m_strDebit);
    DDX_Text(pDX, IDC_REQ_CREDIT, m_strCredit);
    DDX_Text(pDX, IDC_BUDG_KBK_DEBIT, m_strKbkDebit);
    DDX_Text(pDX, IDC_BUDG_KBK_CREDIT, m_strKbkCredit);
    for (int k = 0; k < 3; ++k) {
        DDX_Text(pDX, kDebitRows[k].value, m_strDebitValues[k]);
        DDX_Text(pDX, kCreditRows[k].value, m_strCreditValues[k]);
    }
}

void CBudgZayavView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Бюджетная заявка");
    m_grid.SetColButton(ZAYAV_NAME, 0);
    SetSql();
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
}

UINT CBudgZayavView::NumberFieldId() const
{
    return IDC_NUMBER;
}

void CBudgZayavView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    int branch = (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        CWinApp* app = AfxGetApp();
        m_strNumber = ProposeNumber(GL_NextNumber(CBudgZayavRecord::kTable, 0));
        m_strDate = DMGtoStr(COleDateTime::GetCurrentTime());
        m_strIcn = "Бюджетная заявка на перечисление субвенции";
        m_strDebit = app->GetProfileString(kConstants, kDebitKey, "320503560");
        m_strCredit = app->GetProfileString(kConstants, kCreditKey, "340101151");
        m_strPrim.Empty();
        m_strKbkDebit.Empty();
        m_strKbkCredit.Empty();
        for (int k = 0; k < 3; ++k) {
            m_strDebitValues[k].Empty();
            m_strCreditValues[k].Empty();
        }
    } else {
        if (!m_record.Load(GetRealId())) {
            m_bLoading = FALSE;
            OnCancel();
            return;
        }
        const CBudgZayavRecord& r = m_record;
        branch = r.branch;
        SetLoadedDate(r.date);
        m_strDate = r.date;
        m_strNumber = r.number;
        m_strPrim = r.prim;
        m_strIcn = r.icn;
        m_strDebit = r.debit;
        m_strCredit = r.credit;
        m_strKbkDebit = r.kbkDebit;
        m_strKbkCredit = r.kbkCredit;
        for (int k = 0; k < 3; ++k) {
            m_strDebitValues[k] = r.debitValues[k];
            m_strCreditValues[k] = r.creditValues[k];
        }
        SetGridFromOneString(m_grid, r.grid, 0, 0);
        if (m_grid.GetNRows() == 0)
            m_grid.SetNRows(1);
    }
    UpdateData(FALSE);
    RefreshAnalytics(true);
    RefreshAnalytics(false);
    UpdateData(FALSE);
    if (!FillFils(this, IDC_FIL, branch, 0))
        OnCancel();
    m_bLoading = FALSE;
}

// The analytic rows of an account: a row for each dimension it has, captioned
// with the book's name; the others hidden and emptied.
void CBudgZayavView::RefreshAnalytics(bool debit)
{
    CString account;
    GetDlgItemText(debit ? IDC_REQ_DEBIT : IDC_REQ_CREDIT, account);
    ShowAnalyticRows(this, account, debit ? kDebitRows : kCreditRows);
}

void CBudgZayavView::OnDebitChange()
{
    RefreshAnalytics(true);
}

void CBudgZayavView::OnCreditChange()
{
    RefreshAnalytics(false);
}

void CBudgZayavView::OnAnalyticChange(UINT id)
{
    bool debit = true;
    short n = 0;
    if (!FindAnalytic(id, debit, n))
        return;
    CString account, value;
    GetDlgItemText(debit ? IDC_REQ_DEBIT : IDC_REQ_CREDIT, account);
    GetDlgItemText(id, value);
    if (account.IsEmpty())
        return;
    SetDlgItemText((debit ? kDebitRows : kCreditRows)[n - 1].name, GL_SB_Name(account, n, value));
}

void CBudgZayavView::OnAnalyticPick(UINT id)
{
    bool debit = true;
    short n = 0;
    if (!FindAnalytic(id, debit, n))
        return;
    CString account;
    GetDlgItemText(debit ? IDC_REQ_DEBIT : IDC_REQ_CREDIT, account);
    CLedmark::GetSB(this, (debit ? kDebitRows : kCreditRows)[n - 1].value, (UINT)-1, account, n, 0);
}

void CBudgZayavView::OnDebitPick()
{
    CString text;
    GetDlgItemText(IDC_REQ_DEBIT, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_REQ_DEBIT, -1, text, 1, nullptr, "020500000");
}

void CBudgZayavView::OnCreditPick()
{
    CString text;
    GetDlgItemText(IDC_REQ_CREDIT, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_REQ_CREDIT, -1, text, 2, nullptr, "040101000");
}

void CBudgZayavView::OnKbkDebit()
{
    CString account;
    GetDlgItemText(IDC_REQ_DEBIT, account);
    GL_GetDefKBKList(this, IDC_BUDG_KBK_DEBIT, account, SelectedBranch(IDC_FIL), (UINT)-1, nullptr, 0);
}

void CBudgZayavView::OnKbkCredit()
{
    CString account;
    GetDlgItemText(IDC_REQ_CREDIT, account);
    GL_GetDefKBKList(this, IDC_BUDG_KBK_CREDIT, account, SelectedBranch(IDC_FIL), (UINT)-1, nullptr, 0);
}

// The end of an edit of a quantity or an amount computes its row; the edited
// text is the cell's new one.
void CBudgZayavView::OnLinesEdited(short col, short row, short, CString* text)
{
    if (m_bLoading || (col != ZAYAV_QUANTITY && col != ZAYAV_PRICE))
        return;
    const CString quantity = col == ZAYAV_QUANTITY && text ? *text : m_grid.GetCellValue(ZAYAV_QUANTITY, row);
    const CString price = col == ZAYAV_PRICE && text ? *text : m_grid.GetCellValue(ZAYAV_PRICE, row);
    const CRequestFigures figures = ComputeRequestRow(atof(quantity), atof(price));
    m_grid.SetCellValue(ZAYAV_SUM, row, figures.sum);
    m_grid.SetCellValue(ZAYAV_TAX, row, figures.tax);
    m_grid.SetCellValue(ZAYAV_TOTAL, row, figures.thousands);
    PostMessage(kTrailingRowMsg);
}

void CBudgZayavView::OnLinesChanged()
{
    PostMessage(kTrailingRowMsg);
}

LRESULT CBudgZayavView::OnTrailingRow(WPARAM, LPARAM)
{
    KeepOneEmptyRow(m_grid, ZAYAV_NAME);
    return 0;
}

void CBudgZayavView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    // The grid ends above the note, which stands 60 pixels above the bottom.
    PlaceFormParts(this, &m_grid, {210, 65, IDC_REQ_NOTE_LABEL, IDC_BUDG_NOTE, 100, 60, 25},
                   {{IDOK, 10},
                    {ID_DOCUMENT_PRINT, 110},
                    {IDC_BUDG_DELETE, 210},
                    {ID_DELETE_LINE, 310},
                    {ID_BUH_SPRAVKA, 410},
                    {IDCANCEL, 510}});
}

} // namespace nledmark
