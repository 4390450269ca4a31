// The materials write-off: construction, loading, the header's fields and the
// prints.
#include "CMaterialsSpisView.h"

#include "AccountDimensionRows.h"
#include "AccountPickerRows.h"
#include "CHelpers.h"
#include "FormLayout.h"
#include "FormTitle.h"
#include "RowSearch.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CMaterialsSpisView, CPostingDocView)

BEGIN_MESSAGE_MAP(CMaterialsSpisView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_MS_DEBIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_MS_CREDIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_MS_ZAB_PICK, OnAccountPick)
    ON_COMMAND(IDC_MS_KBK_DEBIT_PICK, OnKbkDebitPick)
    ON_COMMAND(IDC_MS_KBK_CREDIT_PICK, OnKbkCreditPick)
    ON_COMMAND(IDC_MS_SB1_PICK, OnSb1Pick)
    ON_COMMAND(IDC_MS_SB2_PICK, OnSb2Pick)
    ON_COMMAND(IDC_MS_SB3_PICK, OnSb3Pick)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_COMMAND(IDC_MS_WHOM_PICK, OnWhomPick)
    ON_COMMAND(IDC_MS_PRINT_230, OnPrint230)
    ON_COMMAND(IDC_MS_PRINT_210, OnPrint210)
    ON_COMMAND(IDC_MS_PRINT_143, OnPrint143)
    ON_EN_CHANGE(IDC_MS_SB1, OnSb1Change)
    ON_EN_CHANGE(IDC_MS_SB2, OnSb2Change)
    ON_EN_CHANGE(IDC_MS_SB3, OnSb3Change)
    ON_EN_CHANGE(IDC_MS_DEBIT, OnDebitChange)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_EN_CHANGE(IDC_MS_WHOM, OnWhomChange)
    ON_EN_CHANGE(IDC_MS_CREDIT, OnBalanceFieldChange)
    ON_EN_CHANGE(IDC_MS_KBK_CREDIT, OnBalanceFieldChange)
    ON_CBN_SELENDOK(IDC_FIL, OnBalanceFieldChange)
    ON_CBN_SELCHANGE(IDC_FIL, OnBalanceFieldChange)
    ON_BN_CLICKED(IDC_MS_NO_RECALC, OnNoRecalcClicked)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_MS_DATE, OnDateChange)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CMaterialsSpisView, CPostingDocView)
    ON_EVENT(CMaterialsSpisView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CMaterialsSpisView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CMaterialsSpisView, IDC_LINES, 9, OnLinesEditEnded, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";

} // namespace

CMaterialsSpisView::CMaterialsSpisView()
    : CPostingDocView(IDR_MATERIALS_SPIS), m_date(COleDateTime::GetCurrentTime())
{
    m_editDebit.m_bDebit = 1;
    m_editCredit.m_bDebit = 0;
    m_editTn.SetType(EDIT_KIND_PLAIN);
    m_editWhom.SetType(EDIT_KIND_PLAIN);
}

CMaterialsSpisView::~CMaterialsSpisView() = default;

void CMaterialsSpisView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_MS_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_MS_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_MS_CREDIT, m_editCredit);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_MS_NOTE, m_editNote);
    DDX_Control(pDX, IDC_MS_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_MS_KBK_CREDIT, m_editKbkCredit);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_MS_WHOM, m_editWhom);
    DDX_Control(pDX, IDC_MS_ZAB, m_editZab);
    DDX_DateTimeCtrl(pDX, IDC_MS_DATE, m_date);
    DDX_Check(pDX, IDC_MS_NO_RECALC, m_noRecalc);
}

void CMaterialsSpisView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    SetFormTitle(this, "Списание материалов");
    m_grid.ClearGrid();
    SetSql();
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
}

void CMaterialsSpisView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    CMaterialsSpisRecord record;
    CWinApp* app = AfxGetApp();
    const long realId = GetRealId();
    if (realId == -1) {
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.number = ProposeNumber(GL_NextNumber(record.HeaderTable(), 0));
        record.prim = "МЦ в производство";
        record.debit = app->GetProfileString(kConstants, "mat_spis_deb", "");
        record.credit = app->GetProfileString(kConstants, "mat_spis_kred", "");
        record.branch = (int)app->GetProfileInt(kConstants, "select_fil", 1);
    } else if (!record.Load(realId)) {
        m_bLoading = FALSE;
        CloseUnreadDocument();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    if (CWnd* check = GetDlgItem(IDC_MS_NO_RECALC))
        check->ShowWindow(realId == -1 ? SW_HIDE : SW_SHOW);
    m_noRecalc = 0;
    ShowRecord(record);
    m_bLoading = FALSE;
    PostMessage(kFirstAnswerMsg);
}

void CMaterialsSpisView::ShowRecord(const CMaterialsSpisRecord& record)
{
    m_grid.ClearGrid();
    if (!record.grid.IsEmpty()) {
        SetGridFromOneString(m_grid, record.grid, 0, 0);
    } else {
        m_grid.SetNRows((long)record.lines.size());
        for (size_t row = 0; row < record.lines.size(); ++row)
            for (int col = MS_ITEM; col <= MS_SUM2; ++col)
                if (!record.lines[row].cells[col].IsEmpty())
                    m_grid.SetCellValue(col, (long)row, record.lines[row].cells[col]);
    }
    if (m_grid.GetNRows() == 0)
        m_grid.SetNRows(1);
    m_grid.SetCurCell(0, 0);
    m_date = qwDMG(record.date, 1);
    m_noRecalc = 0;
    UpdateData(FALSE);
    if (!FillFils(this, IDC_FIL, record.branch, 0)) {
        OnCancel();
        return;
    }
    SetDlgItemText(IDC_MS_WHOM, record.whom);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_MS_CREDIT, record.credit);
    SetDlgItemText(IDC_MS_DEBIT, record.debit);
    SetDlgItemText(IDC_MS_NOTE, record.prim);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_MS_SB1, record.sb[0]);
    SetDlgItemText(IDC_MS_SB2, record.sb[1]);
    SetDlgItemText(IDC_MS_SB3, record.sb[2]);
    SetDlgItemText(IDC_MS_KBK_DEBIT, record.kbkDebit);
    SetDlgItemText(IDC_MS_KBK_CREDIT, record.kbkCredit);
    SetDlgItemText(IDC_MS_ZAB, record.zab);
    GetDlgItem(IDC_MS_DATE)->SetFocus();
}

// While the box is set, the rows keep the figures they show.
void CMaterialsSpisView::OnNoRecalcClicked()
{
    m_noRecalc = IsDlgButtonChecked(IDC_MS_NO_RECALC);
}

// The grid from 170 pixels down, the eight buttons along the bottom.
void CMaterialsSpisView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    static const CFormLayout layout{170, 40, 0, 0, 0, 0, 25};
    PlaceFormParts(this, &m_grid, layout,
                   {{IDOK, 10}, {IDC_MS_PRINT_230, 110}, {IDC_MS_PRINT_210, 210}, {IDC_MS_PRINT_143, 310},
                    {IDC_MS_DELETE, 410}, {ID_DELETE_LINE, 510}, {ID_BUH_SPRAVKA, 610}, {IDCANCEL, 710}});
}

void CMaterialsSpisView::OnAccountPick()
{
    const MSG* msg = GetCurrentMessage();
    OpenAccountPicker(this, kMaterialsSpisAccountPickers, msg ? LOWORD(msg->wParam) : 0);
}

void CMaterialsSpisView::OnKbkDebitPick()
{
    CString account;
    GetDlgItemText(IDC_MS_DEBIT, account);
    GL_GetDefKBKList(this, IDC_MS_KBK_DEBIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CMaterialsSpisView::OnKbkCreditPick()
{
    CString account;
    GetDlgItemText(IDC_MS_CREDIT, account);
    GL_GetDefKBKList(this, IDC_MS_KBK_CREDIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CMaterialsSpisView::OnSb1Pick()
{
    OnSB1btn(this);
}

void CMaterialsSpisView::OnSb2Pick()
{
    OnSB2btn(this);
}

void CMaterialsSpisView::OnSb3Pick()
{
    OnSB3btn(this);
}

void CMaterialsSpisView::OnWhomPick()
{
    CExtFuncs::OnTNcmd(this, IDC_MS_WHOM, nullptr, nullptr, UINT(-1), 0, 1);
}

// The name of the debit account's analytic value k in its name field.
void CMaterialsSpisView::ShowDimensionName(int k)
{
    static const UINT codes[3] = {IDC_MS_SB1, IDC_MS_SB2, IDC_MS_SB3};
    static const UINT names[3] = {IDC_MS_SB1_NAME, IDC_MS_SB2_NAME, IDC_MS_SB3_NAME};
    CString account, code;
    GetDlgItemText(IDC_MS_DEBIT, account);
    GetDlgItemText(codes[k - 1], code);
    SetDlgItemText(names[k - 1], !account.IsEmpty() && !code.IsEmpty() ? GL_SB_Name(account, short(k), code)
                                                                        : CString());
}

void CMaterialsSpisView::OnSb1Change()
{
    ShowDimensionName(1);
}

void CMaterialsSpisView::OnSb2Change()
{
    ShowDimensionName(2);
}

void CMaterialsSpisView::OnSb3Change()
{
    ShowDimensionName(3);
}

// Each row carries its own economic code: an "ЭКР" dimension of the account
// is hidden.
void CMaterialsSpisView::OnDebitChange()
{
    ShowAccountDimensions(this, kMaterialsSpisDimensions);
    for (int k = 1; k <= 3; ++k)
        ShowDimensionName(k);
}

void CMaterialsSpisView::OnTnChange()
{
    OnChangeTn(this);
    RecalcAll();
}

void CMaterialsSpisView::OnWhomChange()
{
    CString tn;
    GetDlgItemText(IDC_MS_WHOM, tn);
    tn.Trim();
    SetDlgItemText(IDC_MS_WHOM_NAME, tn.IsEmpty() ? CString() : GetFio(tn));
}

void CMaterialsSpisView::OnBalanceFieldChange()
{
    RecalcAll();
}

void CMaterialsSpisView::OnDateChange(NMHDR*, LRESULT* result)
{
    RecalcAll();
    if (result)
        *result = 0;
}

CString CMaterialsSpisView::FormReportCall() const
{
    return FormatText("PrepareTheReport(\"%d\")", GetRealId());
}

CString CMaterialsSpisView::ExternalReportCall() const
{
    return FormatText("Prn_mat(%d)", GetRealId());
}

CString CMaterialsSpisView::ExternalReportPath()
{
    return GetAppPath() + "\\_sys\\_ExtReports\\0504143.extr";
}

void CMaterialsSpisView::OnPrint230()
{
    EXEC_ShowFormReport(FormReportCall(), 0, 1);
}

void CMaterialsSpisView::OnPrint210()
{
    EXEC_ShowFormReport(FormReportCall(), 1, 1);
}

void CMaterialsSpisView::OnPrint143()
{
    CHelpers::EXEC_ShowExternalReport(ExternalReportPath(), ExternalReportCall());
}

CString CMaterialsSpisView::ItemCondition() const
{
    CString credit;
    GetDlgItemText(IDC_MS_CREDIT, credit);
    return FragmentSearchBase(kMaterialsSpisSearch, 0, credit);
}

void CMaterialsSpisView::OnButtonSirch()
{
    FragmentSearchSite site;
    site.form = this;
    site.grid = &m_grid;
    GetDlgItemText(IDC_MS_CREDIT, site.account);
    site.text = &m_strSirch;
    site.option1 = &m_nSirchCase;
    site.option2 = &m_nSirchWord;
    site.pickRow = &m_itemRow;
    site.rowFill = [this](long row) {
        RecalcRow(row);
        EnsureSpareRow();
    };
    RunFragmentSearch(kMaterialsSpisSearch, site);
}

} // namespace nledmark
