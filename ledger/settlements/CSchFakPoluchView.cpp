// The received invoice: construction, load, the supplier's fields, the
// choosers of the lines and the end of a save.
#include "CSchFakPoluchView.h"

#include "AnalyticRows.h"
#include "CHelpers.h"
#include "CLedmark.h"
#include "FormTitle.h"
#include "StoredHeader.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CSchFakPoluchView, CPostingDocView)

BEGIN_MESSAGE_MAP(CSchFakPoluchView, CPostingDocView)
    ON_COMMAND(IDC_SFP_NEW, OnNewDocument)
    ON_COMMAND(IDC_SFP_SUPPLIER_PICK, OnSupplierPick)
    ON_COMMAND(IDC_SFP_KBK_PICK, OnKbkPick)
    ON_COMMAND_RANGE(IDC_SFP_SB1_PICK, IDC_SFP_SB3_PICK, OnValuePick)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SFP_SB1, IDC_SFP_SB3, OnValueChange)
    ON_EN_CHANGE(IDC_SFP_SUPPLIER, OnSupplierChange)
    ON_BN_CLICKED(IDC_SFP_NO_POSTING, OnNoPosting)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSchFakPoluchView, CPostingDocView)
    ON_EVENT(CSchFakPoluchView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CSchFakPoluchView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kPairKey = "ledmark_sch_fak_poluch_501";
const char* const kSupplierKey = "ledmark_sch_fak_poluch_kred";
const char* const kNoPostingKey = "ledmark_sch_fak_poluch_NeProvodit";
const char* const kDefaultSupplier = "230220730";
// The supplier accounts the chooser offers.
const char* const kSupplierAccounts = "030202000,030203000,030204000,030205000,030206000,030207000,030208000,"
                                      "030209000,030210000,030211000,030212000,030213000,030214000,030215000,"
                                      "030216000";
constexpr long kLines = 30;

constexpr UINT kAccountAnswer = 0x464;
constexpr UINT kValue1Answer = 0x466;
constexpr UINT kEkrAnswer = 0x469;
constexpr UINT kKbkAnswer = 0x46C;

const CAnalyticRow kRows[3] = {{IDC_SFP_SB1, IDC_SFP_SB1_PICK, IDC_SFP_SB1_LABEL, IDC_SFP_SB1_NAME},
                               {IDC_SFP_SB2, IDC_SFP_SB2_PICK, IDC_SFP_SB2_LABEL, IDC_SFP_SB2_NAME},
                               {IDC_SFP_SB3, IDC_SFP_SB3_PICK, IDC_SFP_SB3_LABEL, IDC_SFP_SB3_NAME}};
// What "Не проводить документ" hides besides the analytic rows.
const UINT kPostingFields[] = {IDC_SFP_B501,  IDC_SFP_SUPPLIER_LABEL, IDC_SFP_SUPPLIER, IDC_SFP_SUPPLIER_PICK,
                               IDC_SFP_KBK_LABEL, IDC_SFP_KBK, IDC_SFP_KBK_PICK, IDC_LINES};

} // namespace

CSchFakPoluchView::CSchFakPoluchView() : CPostingDocView(IDR_SCH_FAK_POLUCH)
{
    m_editSupplier.m_bDebit = 0;
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editInvoiceDate.SetType(EDIT_KIND_DATE);
    m_editSum.SetType(EDIT_KIND_AMOUNT);
    m_editKbk.SetType(EDIT_KIND_PLAIN);
    for (CderivedEdit& edit : m_editValues)
        edit.SetType(EDIT_KIND_PLAIN);
}

CSchFakPoluchView::~CSchFakPoluchView() = default;

void CSchFakPoluchView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_SFP_SUPPLIER, m_editSupplier);
    DDX_Control(pDX, IDC_SFP_DATE, m_editDate);
    DDX_Control(pDX, IDC_SFP_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_SFP_INVOICE_DATE, m_editInvoiceDate);
    DDX_Control(pDX, IDC_SUM, m_editSum);
    DDX_Control(pDX, IDC_SFP_KBK, m_editKbk);
    DDX_Control(pDX, IDC_SFP_TEXT, m_editText);
    for (int k = 0; k < 3; ++k)
        DDX_Control(pDX, kRows[k].value, m_editValues[k]);
    DDX_Check(pDX, IDC_SFP_NO_POSTING, m_bNoPosting);
    DDX_Check(pDX, IDC_SFP_B501, m_b501);
}

void CSchFakPoluchView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Счет-фактура полученный");
    m_grid.SetNRows(kLines);
    m_grid.KeepRatio();
    ResizeParentToFit(FALSE);
    SetSql();
}

BOOL CSchFakPoluchView::LoadDocument()
{
    CWaitCursor wait;
    CWinApp* app = AfxGetApp();
    int branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
    CString date, number, invoiceDate, sum, supplier, values[3], kbk, text, grid;
    if (GetRealId() == -1) {
        // A new invoice keeps the state of "Не проводить документ".
        m_bNoPosting = IsDlgButtonChecked(IDC_SFP_NO_POSTING) == BST_CHECKED;
        m_b501 = (int)app->GetProfileInt(kConstants, kPairKey, 1) != 0;
        supplier = app->GetProfileString(kConstants, kSupplierKey, kDefaultSupplier);
        date = DMGtoStr(COleDateTime::GetCurrentTime());
    } else {
        CStoredHeader row;
        if (!row.Read(CSchFakPoluchRecord::kTable, GetRealId(),
                      "b501,id,fil_id,d,kbk_kred," + SqlAsText("number")
                          + " as number,date_sf,s,sch_kred,sb1,sb2,sb3,grid,txt"))
            return FALSE;
        m_b501 = row.Int("b501", 0) != 0;
        m_bNoPosting = row.Int("id", 0) == 0;
        branch = row.Int("fil_id", 1);
        date = row["d"];
        SetLoadedDate(date);
        kbk = row["kbk_kred"];
        number = row["number"];
        invoiceDate = row["date_sf"];
        sum = row["s"];
        supplier = row["sch_kred"];
        values[0] = row["sb1"];
        values[1] = row["sb2"];
        values[2] = row["sb3"];
        grid = row["grid"];
        text = CSchFakPoluchRecord::ShownText(row["txt"]);
    }
    SetDlgItemText(IDC_SFP_DATE, date);
    SetDlgItemText(IDC_SFP_NUMBER, number);
    SetDlgItemText(IDC_SFP_TEXT, text);
    SetDlgItemText(IDC_SUM, sum);
    SetDlgItemText(IDC_SFP_SUPPLIER, supplier);
    for (int k = 0; k < 3; ++k)
        SetDlgItemText(kRows[k].value, values[k]);
    SetDlgItemText(IDC_SFP_INVOICE_DATE, invoiceDate);
    SetDlgItemText(IDC_SFP_KBK, kbk);
    if (!FillFils(this, IDC_FIL, branch, 0))
        return FALSE;
    m_grid.ClearGrid();
    m_grid.SetNRows(kLines);
    if (!grid.IsEmpty())
        SetGridFromOneString(m_grid, grid, 0, 0);
    if (m_grid.GetNRows() < kLines)
        m_grid.SetNRows(kLines);
    UpdateData(FALSE);
    ShowPostingFields();
    // The names of the values, now that the rows of the account are shown.
    for (int k = 0; k < 3; ++k)
        OnValueChange(kRows[k].value);
    return TRUE;
}

CString CSchFakPoluchView::SupplierAccount() const
{
    CString account;
    GetDlgItemText(IDC_SFP_SUPPLIER, account);
    account.Trim();
    if (account.GetLength() == 6)
        account += "000";
    return account;
}

int CSchFakPoluchView::Branch() const
{
    return SelectedBranch(IDC_FIL);
}

void CSchFakPoluchView::ShowPostingFields()
{
    const BOOL posted = IsDlgButtonChecked(IDC_SFP_NO_POSTING) != BST_CHECKED;
    for (UINT id : kPostingFields)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(posted ? SW_SHOW : SW_HIDE);
    if (posted) {
        ShowAnalyticRows(this, SupplierAccount(), kRows);
        return;
    }
    for (const CAnalyticRow& row : kRows)
        for (UINT id : {row.label, row.value, row.button, row.name})
            if (CWnd* control = GetDlgItem(id))
                control->ShowWindow(SW_HIDE);
}

void CSchFakPoluchView::OnNoPosting()
{
    UpdateData(TRUE);
    ShowPostingFields();
}

void CSchFakPoluchView::OnSupplierChange()
{
    if (IsDlgButtonChecked(IDC_SFP_NO_POSTING) != BST_CHECKED)
        ShowAnalyticRows(this, SupplierAccount(), kRows);
}

void CSchFakPoluchView::OnValueChange(UINT id)
{
    for (int k = 0; k < 3; ++k) {
        if (kRows[k].value != id)
            continue;
        CString code;
        GetDlgItemText(id, code);
        const CString account = SupplierAccount();
        if (!account.IsEmpty())
            SetDlgItemText(kRows[k].name, code.IsEmpty() ? CString() : GL_SB_Name(account, short(k + 1), code));
    }
}

void CSchFakPoluchView::OnSupplierPick()
{
    CString current;
    GetDlgItemText(IDC_SFP_SUPPLIER, current);
    CExtFuncs::OnSprPlanSch0(this, IDC_SFP_SUPPLIER, -1, current, 2, nullptr, kSupplierAccounts);
}

void CSchFakPoluchView::OnKbkPick()
{
    GL_GetDefKBKList(this, IDC_SFP_KBK, SupplierAccount(), Branch(), UINT(-1), nullptr, 0);
}

void CSchFakPoluchView::OnValuePick(UINT id)
{
    for (int k = 0; k < 3; ++k)
        if (kRows[k].button == id)
            CLedmark::GetSB(this, kRows[k].value, UINT(-1), SupplierAccount(), short(k + 1), 0);
}

std::vector<CAnswerColumn> CSchFakPoluchView::AnswerColumns() const
{
    return {{kAccountAnswer, SFP_ACCOUNT, true},        {kValue1Answer, SFP_VALUE1, false},
            {kValue1Answer + 1, SFP_VALUE2, false},     {kValue1Answer + 2, SFP_VALUE3, false},
            {kEkrAnswer, SFP_EKR, true},                {kKbkAnswer, SFP_KBK, false}};
}

void CSchFakPoluchView::OnLinesChooser(short col, short row)
{
    const CString account = Cell(SFP_ACCOUNT, row);
    CString supplier;
    GetDlgItemText(IDC_SFP_SUPPLIER, supplier);
    switch (col) {
    case SFP_KBK:
        RememberChooserRow(kKbkAnswer, row);
        GL_GetDefKBKList(this, -1, account.IsEmpty() ? supplier : account, Branch(), kKbkAnswer, nullptr, 0);
        break;
    case SFP_ACCOUNT:
        RememberChooserRow(kAccountAnswer, row);
        CExtFuncs::OnSprPlanSch0(this, -1, kAccountAnswer, account, 1, supplier, nullptr);
        break;
    case SFP_VALUE1:
    case SFP_VALUE2:
    case SFP_VALUE3: {
        const short n = short(col - SFP_VALUE1 + 1);
        const UINT msg = kValue1Answer + n - 1;
        RememberChooserRow(msg, row);
        CLedmark::GetSB(this, UINT(-1), msg, account, n, 0);
        break;
    }
    case SFP_EKR:
        RememberChooserRow(kEkrAnswer, row);
        CExtFuncs::ShowSpr("spr_ekr", this, 1, 0, nullptr, nullptr, kEkrAnswer, 1);
        break;
    default:
        break;
    }
}

// A typed debit account is completed into its full code.
void CSchFakPoluchView::OnLinesEdited(short col, short, short, CString* text)
{
    if (col != SFP_ACCOUNT || !text || text->IsEmpty())
        return;
    const CString full = GL_GetFullSchDeb(*text);
    if (!full.IsEmpty() && full != *text)
        *text = full;
}

void CSchFakPoluchView::FocusLine(long row, int col)
{
    m_grid.SetFocus();
    m_grid.SetCurCell(col, row);
}

void CSchFakPoluchView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    CString supplier;
    GetDlgItemText(IDC_SFP_SUPPLIER, supplier);
    app->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
    app->WriteProfileInt(kConstants, kPairKey, m_record.b501);
    app->WriteProfileInt(kConstants, kNoPostingKey, m_record.posted ? 0 : 1);
    app->WriteProfileString(kConstants, kSupplierKey, supplier.Trim());
}

// After "Yes": the purchase book question. A book row is written only for a
// supplier account that keeps its counterparty; the user is told when it
// keeps none. Everything the row needs is read here, before the transaction.
BOOL CSchFakPoluchView::OnSaveConfirmed()
{
    CSchFakPoluchRecord& r = m_record;
    r.writeBook = AfxMessageBox("Сделать изменения в книге покупок ? ", MB_YESNO | MB_ICONQUESTION) == IDYES;
    r.hasBookRow = false;
    r.kpId = GetRealId() == -1
                 ? -1
                 : (long)ExecuteCount(FormatText("select kp_id as cnt from %s where real_id=%d",
                                                 CSchFakPoluchRecord::kTable, GetRealId()));
    if (!r.writeBook)
        return TRUE;
    CChartFacts chart;
    CString counterparty;
    for (int k = 1; k <= 3; ++k)
        if (chart.Dimension(r.supplier, k) == "spr_contr")
            counterparty = r.values[k - 1];
    if (counterparty.IsEmpty() || !IsDigitsOnly(counterparty)) {
        AfxMessageBox("У счета поставщика " + r.supplier
                          + " не указан контрагент: запись в книге покупок не сделана",
                      MB_OK | MB_ICONINFORMATION);
        return TRUE;
    }
    r.book.org = ExecuteString(FormatText("select id_tip as str from spr_contr where id=%s", counterparty));
    r.book.orgName = r.book.org.IsEmpty() ? CString() : GetFromSPR("spr_org", r.book.org);
    r.book.source = r.supplier.Left(1);
    r.hasBookRow = true;
    return TRUE;
}

// With the purchase book: its row opens and the invoice's form closes;
// otherwise the offer of a new invoice.
void CSchFakPoluchView::AfterSave()
{
    if (m_record.writeBook) {
        if (m_record.hasBookRow && m_record.kpId > 0)
            CHelpers::I_OpenDocument(m_record.kpId, this, "КнигаПокупок", 0);
        OnCancel();
        PostOK(0, 0);
        return;
    }
    OfferNewDocument(IDC_SFP_DATE, 1);
}

} // namespace nledmark
