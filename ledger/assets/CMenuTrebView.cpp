// The catering menu requirement: construction, loading and the header's
// fields.
#include "CMenuTrebView.h"

#include "AccountDimensionRows.h"
#include "AccountPickerRows.h"
#include "CHelpers.h"
#include "CLedmark.h"
#include "FormLayout.h"
#include "FormTitle.h"
#include "RowSearch.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <algorithm>

namespace nledmark {

IMPLEMENT_DYNCREATE(CMenuTrebView, CPostingDocView)

BEGIN_MESSAGE_MAP(CMenuTrebView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_MT_DEBIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_MT_CREDIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_MT_KBK_DEBIT_PICK, OnKbkDebitPick)
    ON_COMMAND(IDC_MT_KBK_CREDIT_PICK, OnKbkCreditPick)
    ON_COMMAND(IDC_MT_SB1_PICK, OnSb1Pick)
    ON_COMMAND(IDC_MT_SB2_PICK, OnSb2Pick)
    ON_COMMAND(IDC_MT_SB3_PICK, OnSb3Pick)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_COMMAND(IDC_MT_PRINT, OnPrintForm)
    ON_EN_CHANGE(IDC_MT_SB1, OnSb1Change)
    ON_EN_CHANGE(IDC_MT_SB2, OnSb2Change)
    ON_EN_CHANGE(IDC_MT_SB3, OnSb3Change)
    ON_EN_CHANGE(IDC_MT_DEBIT, OnDebitChange)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_EN_CHANGE(IDC_MT_CREDIT, OnBalanceKeyChange)
    ON_EN_CHANGE(IDC_MT_KBK_CREDIT, OnBalanceKeyChange)
    ON_CBN_SELCHANGE(IDC_FIL, OnBalanceKeyChange)
    ON_CBN_SELCHANGE(IDC_MT_MEAL, OnMealChange)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CMenuTrebView, CPostingDocView)
    ON_EVENT(CMenuTrebView, IDC_MT_PRODUCTS, 5, OnMatGridButton, VTS_I2 VTS_I2)
    ON_EVENT(CMenuTrebView, IDC_MT_PRODUCTS, 8, OnMatGridEdited, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CMenuTrebView, IDC_MT_CATEGORIES, 8, OnKatGridEdited, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CMenuTrebView, IDC_MT_CATEGORIES, 17, OnKatCheck, VTS_NONE)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";

} // namespace

CMenuTrebView::CMenuTrebView() : CPostingDocView(IDR_MENU_TREB), m_date(COleDateTime::GetCurrentTime())
{
    m_editDebit.m_bDebit = 1;
    m_editCredit.m_bDebit = 0;
    m_editTn.SetType(EDIT_KIND_PLAIN);
}

CMenuTrebView::~CMenuTrebView() = default;

void CMenuTrebView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MT_CATEGORIES, m_cats);
    DDX_Control(pDX, IDC_MT_PRODUCTS, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_MT_MEAL, m_comboMeal);
    DDX_Control(pDX, IDC_MT_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_MT_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_MT_CREDIT, m_editCredit);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_MT_ICN, m_editIcn);
    DDX_Control(pDX, IDC_MT_NOTE, m_editNote);
    DDX_Control(pDX, IDC_MT_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_MT_KBK_CREDIT, m_editKbkCredit);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_DateTimeCtrl(pDX, IDC_MT_DATE, m_date);
}

void CMenuTrebView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    SetFormTitle(this, "Меню-требование");
    for (const char* meal : kMealNames)
        m_comboMeal.AddString(meal);
    m_comboMeal.SetCurSel(0);
    m_cats.KeepRatio();
    SetSql();
    PostMessage(WM_SIZE);
}

// Each document starts from empty meals, so another one, or a new one, shows
// only its own rows.
void CMenuTrebView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    m_meals = MenuMeals();
    m_meal = 0;
    if (m_comboMeal.GetSafeHwnd())
        m_comboMeal.SetCurSel(0);
    CMenuTrebRecord record;
    CWinApp* app = AfxGetApp();
    const long realId = GetRealId();
    if (realId == -1) {
        record.number = ProposeNumber(GL_NextNumber(record.HeaderTable(), 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.branch = (int)app->GetProfileInt(kConstants, "select_fil", 1);
        record.icn = "Выписка меню-требование";
        record.debit = app->GetProfileString(kConstants, "mat_menu_treb_deb", "");
        record.credit = app->GetProfileString(kConstants, "mat_menu_treb_kred", "");
    } else if (!record.Load(realId)) {
        m_bLoading = FALSE;
        CloseUnreadDocument();
        return;
    } else {
        SetLoadedDate(record.date);
        m_meals = ParseMeals(record.grid);
    }
    ShowRecord(record);
    FillKatGrid(realId == -1, record.katDov);
    m_bLoading = FALSE;
    PostMessage(WM_SIZE);
    PostMessage(kFirstAnswerMsg);
}

void CMenuTrebView::ShowRecord(const CMenuTrebRecord& record)
{
    m_date = qwDMG(record.date, 1);
    UpdateData(FALSE);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_MT_ICN, record.icn);
    SetDlgItemText(IDC_MT_NOTE, record.prim);
    SetDlgItemText(IDC_MT_DEBIT, record.debit);
    SetDlgItemText(IDC_MT_SB1, record.sb[0]);
    SetDlgItemText(IDC_MT_SB2, record.sb[1]);
    SetDlgItemText(IDC_MT_SB3, record.sb[2]);
    SetDlgItemText(IDC_MT_CREDIT, record.credit);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_MT_KBK_DEBIT, record.kbkDebit);
    SetDlgItemText(IDC_MT_KBK_CREDIT, record.kbkCredit);
    if (!FillFils(this, IDC_FIL, record.branch, 0)) {
        OnCancel();
        return;
    }
    FocusField(IDC_NUMBER, TRUE);
}

// The products grid from below the categories (205 pixels down at the least)
// to 65 above the bottom, the note 60 and the buttons 25 above the bottom.
void CMenuTrebView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    if (!m_cats.GetSafeHwnd())
        return;
    CRect categories;
    m_cats.GetWindowRect(&categories);
    ScreenToClient(&categories);
    const CFormLayout layout{std::max(205, int(categories.bottom) + 6), 65, IDC_MT_NOTE_LABEL, IDC_MT_NOTE, 100, 60, 25};
    PlaceFormParts(this, &m_grid, layout,
                   {{IDOK, 10}, {IDC_MT_PRINT, 110}, {ID_DELETE_LINE, 210}, {ID_BUH_SPRAVKA, 310}, {IDCANCEL, 410}});
}

void CMenuTrebView::OnAccountPick()
{
    const MSG* msg = GetCurrentMessage();
    OpenAccountPicker(this, kMenuTrebAccountPickers, msg ? LOWORD(msg->wParam) : 0);
}

void CMenuTrebView::OnKbkDebitPick()
{
    CString account;
    GetDlgItemText(IDC_MT_DEBIT, account);
    GL_GetDefKBKList(this, IDC_MT_KBK_DEBIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CMenuTrebView::OnKbkCreditPick()
{
    CString account;
    GetDlgItemText(IDC_MT_CREDIT, account);
    GL_GetDefKBKList(this, IDC_MT_KBK_CREDIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CMenuTrebView::OnSb1Pick()
{
    OnSB1btn(this);
}

void CMenuTrebView::OnSb2Pick()
{
    CString account;
    GetDlgItemText(IDC_MT_DEBIT, account);
    CLedmark::GetSB(this, IDC_MT_SB2, UINT(-1), account, 2, 0);
}

void CMenuTrebView::OnSb3Pick()
{
    CString account;
    GetDlgItemText(IDC_MT_DEBIT, account);
    CLedmark::GetSB(this, IDC_MT_SB3, UINT(-1), account, 3, 0);
}

void CMenuTrebView::ShowDimensionName(int k)
{
    static const UINT codes[3] = {IDC_MT_SB1, IDC_MT_SB2, IDC_MT_SB3};
    static const UINT names[3] = {IDC_MT_SB1_NAME, IDC_MT_SB2_NAME, IDC_MT_SB3_NAME};
    CString account, code;
    GetDlgItemText(IDC_MT_DEBIT, account);
    GetDlgItemText(codes[k - 1], code);
    if (!account.IsEmpty() && !code.IsEmpty())
        SetDlgItemText(names[k - 1], GL_SB_Name(account, short(k), code));
}

void CMenuTrebView::OnSb1Change()
{
    ShowDimensionName(1);
}

void CMenuTrebView::OnSb2Change()
{
    ShowDimensionName(2);
}

void CMenuTrebView::OnSb3Change()
{
    ShowDimensionName(3);
}

// The expense account's dimensions, "ЭКР" among them, as the chart keeps them.
void CMenuTrebView::OnDebitChange()
{
    ShowAccountDimensions(this, kMenuTrebDimensions);
}

void CMenuTrebView::OnTnChange()
{
    OnChangeTn(this);
    RecalcAllBalances();
}

void CMenuTrebView::OnBalanceKeyChange()
{
    RecalcAllBalances();
}

void CMenuTrebView::OnMealChange()
{
    StoreGridToMeal(m_meal);
    m_meal = std::max(0, m_comboMeal.GetCurSel());
    LoadMealToGrid(m_meal);
}

CString CMenuTrebView::ItemCondition() const
{
    CString credit;
    GetDlgItemText(IDC_MT_CREDIT, credit);
    return FragmentSearchBase(kMenuTrebSearch, 0, credit);
}

void CMenuTrebView::OnButtonSirch()
{
    FragmentSearchSite site;
    site.form = this;
    site.grid = &m_grid;
    GetDlgItemText(IDC_MT_CREDIT, site.account);
    site.text = &m_strSirch;
    site.option1 = &m_nSirchCase;
    site.option2 = &m_nSirchWord;
    site.pickRow = &m_itemRow;
    RunFragmentSearch(kMenuTrebSearch, site);
}

} // namespace nledmark
