// The materials receipt and opening balances: construction, loading and the
// header's fields.
#include "CMatPrixView.h"

#include "AccountDimensionRows.h"
#include "AccountPickerRows.h"
#include "CLedmark.h"
#include "FormLayout.h"
#include "FormTitle.h"
#include "RowSearch.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CMatPrixView, CPostingDocView)

BEGIN_MESSAGE_MAP(CMatPrixView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_MP_DEBIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_MP_CREDIT_PICK, OnAccountPick)
    ON_COMMAND(IDC_MP_KBK_DEBIT_PICK, OnKbkDebitPick)
    ON_COMMAND(IDC_MP_KBK_CREDIT_PICK, OnKbkCreditPick)
    ON_COMMAND(IDC_MP_SB1_PICK, OnSb1Pick)
    ON_COMMAND(IDC_MP_SB2_PICK, OnSb2Pick)
    ON_COMMAND(IDC_MP_SB3_PICK, OnSb3Pick)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_EN_CHANGE(IDC_MP_SB1, OnSb1Change)
    ON_EN_CHANGE(IDC_MP_SB2, OnSb2Change)
    ON_EN_CHANGE(IDC_MP_SB3, OnSb3Change)
    ON_EN_CHANGE(IDC_MP_DEBIT, OnDebitChange)
    ON_EN_CHANGE(IDC_MP_CREDIT, OnCreditChange)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_EN_CHANGE(IDC_MP_KBK_DEBIT, OnHeaderChange)
    ON_CBN_SELCHANGE(IDC_FIL, OnHeaderChange)
    ON_BN_CLICKED(IDC_MP_VAT, OnVatClicked)
    ON_BN_CLICKED(IDC_MP_NO_RECALC, OnNoRecalcClicked)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_MP_DATE, OnDateChange)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CMatPrixView, CPostingDocView)
    ON_EVENT(CMatPrixView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CMatPrixView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";

// The supplier's side, the VAT and the book, which opening balances have not.
const UINT kReceiptOnly[] = {IDC_MP_B501,         IDC_MP_CREDIT,         IDC_MP_CREDIT_LABEL, IDC_MP_CREDIT_PICK,
                             IDC_MP_VAT,          IDC_MP_KBK_CREDIT_LABEL, IDC_MP_KBK_CREDIT, IDC_MP_KBK_CREDIT_PICK};
const UINT kVatFields[] = {IDC_MP_VAT_SUM, IDC_MP_VAT_SUM_LABEL, IDC_MP_VAT_RATE, IDC_MP_VAT_RATE_LABEL};
const char* const kVatRates[] = {"0", "10", "18", "20"};

} // namespace

CMatPrixView::CMatPrixView() : CPostingDocView(IDR_MAT_PRIX), m_date(COleDateTime::GetCurrentTime())
{
    m_editDebit.m_bDebit = 1;
    m_editCredit.m_bDebit = 0;
    m_editTn.SetType(EDIT_KIND_PLAIN);
    m_editVat.SetType(EDIT_KIND_AMOUNT);
}

CMatPrixView::~CMatPrixView() = default;

int CMatPrixView::Mode() const
{
    const CconfigDocument* document = const_cast<CMatPrixView*>(this)->GetDocument();
    return document ? document->GetParam() : kMatReceipt;
}

void CMatPrixView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_MP_VAT_RATE, m_comboVatRate);
    DDX_Control(pDX, IDC_MP_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_MP_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_MP_CREDIT, m_editCredit);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_MP_NOTE, m_editNote);
    DDX_Control(pDX, IDC_MP_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_MP_KBK_CREDIT, m_editKbkCredit);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_MP_VAT_SUM, m_editVat);
    DDX_DateTimeCtrl(pDX, IDC_MP_DATE, m_date);
    DDX_Check(pDX, IDC_MP_VAT, m_vat);
    DDX_Check(pDX, IDC_MP_B106, m_b106);
    DDX_Check(pDX, IDC_MP_B501, m_b501);
    DDX_Check(pDX, IDC_MP_NO_RECALC, m_noRecalc);
}

void CMatPrixView::OnInitialUpdate()
{
    m_record = CMatPrixRecord(Mode());
    if (m_record.HeaderTable().IsEmpty()) {
        AfxMessageBox(FormatText("Нет документов поступления материалов вида %d", Mode()), MB_OK | MB_ICONSTOP);
        OnCancel();
        return;
    }
    CPostingDocView::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    SetFormTitle(this, Mode() == kMatOpening ? "Ввод начальных остатков МЗ" : "Поступление материалов");
    for (const char* rate : kVatRates)
        m_comboVatRate.AddString(rate);
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    SetSql();
    if (Mode() == kMatOpening) {
        for (UINT id : kReceiptOnly)
            if (CWnd* field = GetDlgItem(id))
                field->ShowWindow(SW_HIDE);
        m_b501 = 0;
        UpdateData(FALSE);
    }
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
}

void CMatPrixView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    CMatPrixRecord record(Mode());
    CWinApp* app = AfxGetApp();
    const long realId = GetRealId();
    if (realId == -1) {
        if (CWnd* check = GetDlgItem(IDC_MP_NO_RECALC))
            check->ShowWindow(SW_HIDE);
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.through501 = (int)app->GetProfileInt(kConstants, "mat_prix_501", 1);
        record.number = ProposeNumber(GL_NextNumber(record.HeaderTable(), 0));
        if (Mode() == kMatReceipt) {
            record.prim = "Поступление МЦ";
            record.debit = app->GetProfileString(kConstants, "mat_prix_deb", "");
            record.credit = app->GetProfileString(kConstants, "mat_prix_kred", "");
            record.through106 = (int)app->GetProfileInt(kConstants, "mat_prix_106", 1);
        } else {
            record.prim = "Ввод начальных остатков МЦ";
            record.debit = app->GetProfileString(kConstants, "mat_prix_deb0", "");
        }
        record.branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
        m_noRecalc = 0;
        m_invoiceId = 0;
    } else {
        if (!record.Load(realId)) {
            m_bLoading = FALSE;
            OnCancel();
            return;
        }
        SetLoadedDate(record.date);
        if (CWnd* check = GetDlgItem(IDC_MP_NO_RECALC))
            check->ShowWindow(SW_SHOW);
        // The stored balances stay until the user clears the check.
        m_noRecalc = 1;
        m_invoiceId = record.invoiceId;
    }
    ShowRecord(record);
    m_bLoading = FALSE;
}

void CMatPrixView::ShowRecord(const CMatPrixRecord& record)
{
    m_grid.ClearGrid();
    m_grid.SetNRows((long)record.lines.size() + 1);
    for (size_t row = 0; row < record.lines.size(); ++row)
        for (int col = 0; col < MP_COLUMNS; ++col)
            m_grid.SetCellValue(col, (long)row, record.lines[row].cells[col]);
    for (long row = 0; row < (long)record.lines.size(); ++row)
        for (int col = MP_KOL1; col <= MP_SUM2; ++col)
            if (col != MP_PRICE && col != MP_KOL && col != MP_SUM)
                m_grid.SetCellFgClr(col, row, atof(m_grid.GetCellValue(col, row)) < 0 ? RGB(255, 0, 0) : 0);
    m_grid.SetCurCell(0, 0);
    m_date = qwDMG(record.date, 1);
    m_vat = record.vat;
    m_b106 = record.through106;
    m_b501 = Mode() == kMatReceipt ? record.through501 : 0;
    UpdateData(FALSE);
    m_comboVatRate.SetCurSel(record.vatRate >= 0 && record.vatRate < 4 ? record.vatRate : 0);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_MP_CREDIT, record.credit);
    SetDlgItemText(IDC_MP_DEBIT, record.debit);
    SetDlgItemText(IDC_MP_NOTE, record.prim);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_MP_SB1, record.sb[0]);
    SetDlgItemText(IDC_MP_SB2, record.sb[1]);
    SetDlgItemText(IDC_MP_SB3, record.sb[2]);
    SetDlgItemText(IDC_MP_VAT_SUM, record.vatSum);
    SetDlgItemText(IDC_MP_KBK_DEBIT, record.kbkDebit);
    SetDlgItemText(IDC_MP_KBK_CREDIT, record.kbkCredit);
    if (!FillFils(this, IDC_FIL, record.branch, 0)) {
        OnCancel();
        return;
    }
    ShowVatFields();
    GetDlgItem(IDC_MP_DATE)->SetFocus();
}

void CMatPrixView::ShowVatFields()
{
    const BOOL shown = Mode() == kMatReceipt && IsDlgButtonChecked(IDC_MP_VAT);
    for (UINT id : kVatFields)
        if (CWnd* field = GetDlgItem(id))
            field->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

void CMatPrixView::OnVatClicked()
{
    ShowVatFields();
    if (IsDlgButtonChecked(IDC_MP_VAT))
        GetDlgItem(IDC_MP_VAT_SUM)->SetFocus();
}

// Clearing the check lets the balances be read again.
void CMatPrixView::OnNoRecalcClicked()
{
    m_noRecalc = IsDlgButtonChecked(IDC_MP_NO_RECALC);
    if (!m_noRecalc)
        RecalcAll();
}

// The grid from 200 pixels down, the buttons along the bottom.
void CMatPrixView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    static const CFormLayout layout{200, 40, 0, 0, 0, 0, 25};
    PlaceFormParts(this, &m_grid, layout,
                   {{IDOK, 10}, {IDC_MP_DELETE, 110}, {ID_DELETE_LINE, 210}, {ID_BUH_SPRAVKA, 310}, {IDCANCEL, 410}});
}

void CMatPrixView::OnAccountPick()
{
    const MSG* msg = GetCurrentMessage();
    OpenAccountPicker(this, kMatPrixAccountPickers, msg ? LOWORD(msg->wParam) : 0);
}

void CMatPrixView::OnKbkDebitPick()
{
    CString account;
    GetDlgItemText(IDC_MP_DEBIT, account);
    GL_GetDefKBKList(this, IDC_MP_KBK_DEBIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CMatPrixView::OnKbkCreditPick()
{
    CString account;
    GetDlgItemText(IDC_MP_CREDIT, account);
    GL_GetDefKBKList(this, IDC_MP_KBK_CREDIT, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CMatPrixView::OnSb1Pick()
{
    CString account;
    GetDlgItemText(IDC_MP_CREDIT, account);
    CLedmark::GetSB(this, IDC_MP_SB1, UINT(-1), account, 1, 0);
}

void CMatPrixView::OnSb2Pick()
{
    OnReceiptSB2btn(this);
}

void CMatPrixView::OnSb3Pick()
{
    CString account;
    GetDlgItemText(IDC_MP_CREDIT, account);
    CLedmark::GetSB(this, IDC_MP_SB3, UINT(-1), account, 3, 0);
}

// The name of the credit account's analytic value k in its name field.
void CMatPrixView::ShowDimensionName(int k)
{
    static const UINT codes[3] = {IDC_MP_SB1, IDC_MP_SB2, IDC_MP_SB3};
    static const UINT names[3] = {IDC_MP_SB1_NAME, IDC_MP_SB2_NAME, IDC_MP_SB3_NAME};
    CString account, code;
    GetDlgItemText(IDC_MP_CREDIT, account);
    GetDlgItemText(codes[k - 1], code);
    if (!account.IsEmpty() && !code.IsEmpty())
        SetDlgItemText(names[k - 1], GL_SB_Name(account, short(k), code));
    else
        SetDlgItemText(names[k - 1], "");
}

void CMatPrixView::OnSb1Change()
{
    ShowDimensionName(1);
}

void CMatPrixView::OnSb2Change()
{
    ShowDimensionName(2);
}

void CMatPrixView::OnSb3Change()
{
    ShowDimensionName(3);
}

void CMatPrixView::OnCreditChange()
{
    ShowAccountDimensions(this, kMatPrixDimensions);
    for (int k = 1; k <= 3; ++k)
        ShowDimensionName(k);
}

// Opening balances are posted against the technical account of the stock
// account's source.
void CMatPrixView::OnDebitChange()
{
    if (Mode() == kMatOpening) {
        CString debit;
        GetDlgItemText(IDC_MP_DEBIT, debit);
        SetDlgItemText(IDC_MP_CREDIT, debit.IsEmpty() ? CString() : debit.Left(1) + "00000000");
    }
    RecalcAll();
}

void CMatPrixView::OnTnChange()
{
    OnChangeTn(this);
    RecalcAll();
}

void CMatPrixView::OnHeaderChange()
{
    RecalcAll();
}

void CMatPrixView::OnDateChange(NMHDR*, LRESULT* result)
{
    RecalcAll();
    if (result)
        *result = 0;
}

CString CMatPrixView::ItemCondition() const
{
    CString debit;
    GetDlgItemText(IDC_MP_DEBIT, debit);
    return FragmentSearchBase(kMatPrixSearch, 0, debit);
}

void CMatPrixView::OnButtonSirch()
{
    FragmentSearchSite site;
    site.form = this;
    site.grid = &m_grid;
    GetDlgItemText(IDC_MP_DEBIT, site.account);
    site.text = &m_strSirch;
    site.option1 = &m_nSirchCase;
    site.option2 = &m_nSirchWord;
    site.pickRow = &m_itemRow;
    site.rowFill = [this](long row) {
        RecalcRow(row);
        EnsureSpareRow();
    };
    RunFragmentSearch(kMatPrixSearch, site);
}

} // namespace nledmark
