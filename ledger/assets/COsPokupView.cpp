// The purchase of fixed assets: construction, loading, the header's fields
// and the prints.
#include "COsPokupView.h"

#include "AccountDimensionRows.h"
#include "AccountPickerRows.h"
#include "CHelpers.h"
#include "CLedmark.h"
#include "FormLayout.h"
#include "FormTitle.h"
#include "LineCells.h"
#include "RowSearch.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(COsPokupView, CPostingDocView)

BEGIN_MESSAGE_MAP(COsPokupView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_OP_CREDIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_OP_KBK_PICK, OnKbkPick)
    ON_COMMAND(IDC_OP_SB1_PICK, OnSb1Pick)
    ON_COMMAND(IDC_OP_SB2_PICK, OnSb2Pick)
    ON_COMMAND(IDC_OP_SB3_PICK, OnSb3Pick)
    ON_EN_CHANGE(IDC_OP_SB1, OnSb1Change)
    ON_EN_CHANGE(IDC_OP_SB2, OnSb2Change)
    ON_EN_CHANGE(IDC_OP_SB3, OnSb3Change)
    ON_EN_CHANGE(IDC_OP_CREDIT, OnCreditChange)
    ON_BN_CLICKED(IDC_OP_VAT, OnVatClicked)
    ON_COMMAND(ID_DELETE_LINE, OnEmptyLine)
    ON_COMMAND(IDC_OP_PRINT_OS1, OnPrintActs)
    ON_COMMAND(IDC_OP_PRINT_OS1A, OnPrintActs)
    ON_COMMAND(IDC_OP_PRINT_OS1B, OnPrintActs)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const UINT kVatFields[] = {IDC_OP_VAT_SUM, IDC_OP_VAT_SUM_LABEL, IDC_OP_VAT_RATE, IDC_OP_VAT_RATE_LABEL};
const char* const kVatRates[] = {"0", "10", "18", "20"};

} // namespace

COsPokupView::COsPokupView() : CPostingDocView(IDR_OS_POKUP), m_date(COleDateTime::GetCurrentTime())
{
    m_editCredit.m_bDebit = 0;
    m_editVat.SetType(EDIT_KIND_AMOUNT);
}

COsPokupView::~COsPokupView() = default;

void COsPokupView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_OP_VAT_RATE, m_comboVatRate);
    DDX_Control(pDX, IDC_OP_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_OP_CREDIT, m_editCredit);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_OP_TEXT, m_editText);
    DDX_Control(pDX, IDC_OP_NOTE, m_editNote);
    DDX_Control(pDX, IDC_OP_KBK, m_editKbk);
    DDX_Control(pDX, IDC_OP_VAT_SUM, m_editVat);
    DDX_DateTimeCtrl(pDX, IDC_OP_DATE, m_date);
    DDX_Check(pDX, IDC_OP_VAT, m_vat);
    DDX_Check(pDX, IDC_OP_B106, m_b106);
    DDX_Check(pDX, IDC_OP_B501, m_b501);
}

void COsPokupView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    SetFormTitle(this, "Поступление основных средств");
    for (const char* rate : kVatRates)
        m_comboVatRate.AddString(rate);
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    SetSql();
}

BOOL COsPokupView::LoadDocument()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    COsPokupRecord record;
    CWinApp* app = AfxGetApp();
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(COsPokupRecord::kTable, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.text = "Покупка ОС";
        record.credit = app->GetProfileString(kConstants, "os_pokup_kred", "230217730");
        record.through106 = (int)app->GetProfileInt(kConstants, "os_pokup_106", 1);
        record.branch = (int)app->GetProfileInt(kConstants, "select_fil", 1);
        record.through501 = (int)app->GetProfileInt(kConstants, "os_pokup_501", 1);
        m_invoiceId = 0;
    } else {
        if (!record.Load(GetRealId())) {
            m_bLoading = FALSE;
            return FALSE;
        }
        SetLoadedDate(record.date);
        m_invoiceId = record.invoiceId;
    }
    ShowRecord(record);
    m_bLoading = FALSE;
    return TRUE;
}

void COsPokupView::ShowRecord(const COsPokupRecord& record)
{
    SetGridFromOneString(m_grid, record.grid, 0, 0);
    m_date = qwDMG(record.date, 1);
    m_vat = record.vat;
    m_b106 = record.through106;
    m_b501 = record.through501;
    UpdateData(FALSE);
    m_comboVatRate.SetCurSel(record.vatRate >= 0 && record.vatRate < 4 ? record.vatRate : 0);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_OP_TEXT, record.text);
    SetDlgItemText(IDC_OP_CREDIT, record.credit);
    SetDlgItemText(IDC_OP_SB1, record.sb[0]);
    SetDlgItemText(IDC_OP_SB2, record.sb[1]);
    SetDlgItemText(IDC_OP_SB3, record.sb[2]);
    SetDlgItemText(IDC_OP_KBK, record.kbk);
    SetDlgItemText(IDC_OP_NOTE, record.prim);
    SetDlgItemText(IDC_OP_VAT_SUM, record.vatSum);
    if (!FillFils(this, IDC_FIL, record.branch, 0)) {
        OnCancel();
        return;
    }
    ShowVatFields();
    GetDlgItem(IDC_OP_DATE)->SetFocus();
    EnsureSpareRow();
    m_grid.SetCurCell(0, 0);
}

void COsPokupView::ShowVatFields()
{
    const BOOL shown = IsDlgButtonChecked(IDC_OP_VAT);
    for (UINT id : kVatFields)
        if (CWnd* field = GetDlgItem(id))
            field->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

void COsPokupView::OnVatClicked()
{
    UpdateData(TRUE);
    ShowVatFields();
    if (m_vat)
        GetDlgItem(IDC_OP_VAT_SUM)->SetFocus();
}

// The grid from 230 pixels down, the buttons along the bottom.
void COsPokupView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    static const CFormLayout layout{230, 40, 0, 0, 0, 0, 25};
    PlaceFormParts(this, &m_grid, layout,
                   {{IDOK, 10},
                    {IDC_OP_PRINT_OS1, 110},
                    {IDC_OP_PRINT_OS1A, 210},
                    {IDC_OP_PRINT_OS1B, 310},
                    {ID_DELETE_LINE, 410},
                    {ID_BUH_SPRAVKA, 510},
                    {IDCANCEL, 610}});
}

void COsPokupView::OnAccountPick()
{
    OpenAccountPicker(this, kOsPokupAccountPickers, IDC_OP_CREDIT_PICK);
}

void COsPokupView::OnKbkPick()
{
    CString account;
    GetDlgItemText(IDC_OP_CREDIT, account);
    GL_GetDefKBKList(this, IDC_OP_KBK, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void COsPokupView::OnSb1Pick()
{
    CString account;
    GetDlgItemText(IDC_OP_CREDIT, account);
    CLedmark::GetSB(this, IDC_OP_SB1, UINT(-1), account, 1, 0);
}

void COsPokupView::OnSb2Pick()
{
    CString account;
    GetDlgItemText(IDC_OP_CREDIT, account);
    CLedmark::GetSB(this, IDC_OP_SB2, UINT(-1), account, 2, 0);
}

void COsPokupView::OnSb3Pick()
{
    CString account;
    GetDlgItemText(IDC_OP_CREDIT, account);
    CLedmark::GetSB(this, IDC_OP_SB3, UINT(-1), account, 3, 0);
}

// The name of the credit account's analytic value k in its name field.
void COsPokupView::ShowDimensionName(int k)
{
    static const UINT codes[3] = {IDC_OP_SB1, IDC_OP_SB2, IDC_OP_SB3};
    static const UINT names[3] = {IDC_OP_SB1_NAME, IDC_OP_SB2_NAME, IDC_OP_SB3_NAME};
    CString account, code;
    GetDlgItemText(IDC_OP_CREDIT, account);
    GetDlgItemText(codes[k - 1], code);
    if (!account.IsEmpty() && !code.IsEmpty())
        SetDlgItemText(names[k - 1], GL_SB_Name(account, short(k), code));
    else
        SetDlgItemText(names[k - 1], "");
}

void COsPokupView::OnSb1Change()
{
    ShowDimensionName(1);
}

void COsPokupView::OnSb2Change()
{
    ShowDimensionName(2);
}

void COsPokupView::OnSb3Change()
{
    ShowDimensionName(3);
}

void COsPokupView::OnCreditChange()
{
    ShowAccountDimensions(this, kOsPokupDimensions);
    for (int k = 1; k <= 3; ++k)
        ShowDimensionName(k);
}

void COsPokupView::OnButtonSirch()
{
    FragmentSearchSite site;
    site.form = this;
    site.grid = &m_grid;
    site.branch = SelectedBranch(IDC_FIL);
    site.text = &m_strSirch;
    site.option1 = &m_nSirchCase;
    site.option2 = &m_nSirchWord;
    site.pickRow = &m_assetRow;
    RunFragmentSearch(kOsPokupSearch, site);
}

// "Уд-ть строку" empties the row's cells; the row keeps its place and is
// passed over by the save.
void COsPokupView::OnEmptyLine()
{
    const long row = m_grid.GetCurRow();
    if (row < 0 || AfxMessageBox("Удалить эту строку ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_bWriting = TRUE;
    for (int col = 0; col < OP_COLUMNS; ++col)
        m_grid.SetCellValue(col, row, "");
    m_bWriting = FALSE;
}

CString COsPokupView::PrintCall() const
{
    const long row = m_grid.GetCurRow();
    const CString asset = row < 0 ? CString() : CellId(m_grid.GetCellValue(OP_ASSET, row));
    if (asset.IsEmpty())
        return CString();
    return FormatText("PrnOS_1(%d,%s)", GetRealId(), asset);
}

CString COsPokupView::ReportFile(UINT command)
{
    const char* form = command == IDC_OP_PRINT_OS1A ? "ос_1а" : command == IDC_OP_PRINT_OS1B ? "ос_1б" : "ос_1";
    return GetAppPath() + "\\_sys\\_ExtReports\\" + form + ".extr";
}

void COsPokupView::OnPrintActs()
{
    const MSG* msg = GetCurrentMessage();
    const UINT command = msg ? LOWORD(msg->wParam) : IDC_OP_PRINT_OS1;
    const CString call = PrintCall();
    if (call.IsEmpty()) {
        AfxMessageBox("Укажите код основного средства");
        return;
    }
    CHelpers::EXEC_ShowExternalReport(ReportFile(command), call);
}

} // namespace nledmark
