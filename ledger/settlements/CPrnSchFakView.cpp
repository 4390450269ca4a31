// The issued invoice: construction, the load by record number, the choosers,
// the analytic fields of the credit account, the services grid, delete, copy
// and the prints.
#include "CPrnSchFakView.h"

#include "CHelpers.h"
#include "CLedmark.h"
#include "ConfigGlobals.h"
#include "FormTitle.h"
#include "SettlementCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnSchFakView, CPostingDocView)

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
// The unit chosen for a service line.
constexpr UINT kUnitAnswer = 0x479;

const UINT kSbIds[3] = {IDC_SF_SB1, IDC_SF_SB2, IDC_SF_SB3};
const UINT kSbLabelIds[3] = {IDC_SF_SB1_LABEL, IDC_SF_SB2_LABEL, IDC_SF_SB3_LABEL};
const UINT kSbPickIds[3] = {IDC_SF_SB1_PICK, IDC_SF_SB2_PICK, IDC_SF_SB3_PICK};

// The fields that belong to the posting: disabled while the invoice is kept
// without one (the KBKs stay, they are stored either way).
const UINT kPostingIds[] = {IDC_SF_DEBIT,    IDC_SF_DEBIT_PICK, IDC_SF_CREDIT,   IDC_SF_CREDIT_PICK,
                            IDC_SF_SB1,      IDC_SF_SB1_PICK,   IDC_SF_SB2,      IDC_SF_SB2_PICK,
                            IDC_SF_SB3,      IDC_SF_SB3_PICK};

} // namespace

BEGIN_MESSAGE_MAP(CPrnSchFakView, CPostingDocView)
    ON_EN_CHANGE(IDC_SF_REAL_ID, OnRealIdChange)
    ON_COMMAND(IDC_SF_LIST, OnListPick)
    ON_COMMAND(IDC_SF_NEXT_NUMBER, OnNextNumber)
    ON_COMMAND(IDC_SF_BUYER_PICK, OnBuyerPick)
    ON_EN_CHANGE(IDC_SET_ORG, OnBuyerChange)
    ON_COMMAND(IDC_SF_CONSIGNEE_PICK, OnConsigneePick)
    ON_EN_CHANGE(IDC_SF_CONSIGNEE, OnConsigneeChange)
    ON_COMMAND(IDC_SF_ACTIVITY_PICK, OnActivityPick)
    ON_EN_CHANGE(IDC_SF_ACTIVITY, OnActivityChange)
    ON_COMMAND(IDC_SF_LS_PICK, OnLsPick)
    ON_EN_CHANGE(IDC_SF_LS, OnLsChange)
    ON_COMMAND(IDC_SF_DEBIT_PICK, OnDebitPick)
    ON_COMMAND(IDC_SF_CREDIT_PICK, OnCreditPick)
    ON_EN_CHANGE(IDC_SF_CREDIT, OnCreditChange)
    ON_COMMAND(IDC_SF_SB1_PICK, OnSb1Pick)
    ON_COMMAND(IDC_SF_SB2_PICK, OnSb2Pick)
    ON_COMMAND(IDC_SF_SB3_PICK, OnSb3Pick)
    ON_COMMAND(IDC_SF_KBK_DEBIT_PICK, OnKbkDebitPick)
    ON_COMMAND(IDC_SF_KBK_CREDIT_PICK, OnKbkCreditPick)
    ON_COMMAND(IDC_SF_NO_POSTING, OnNoPosting)
    ON_COMMAND(IDC_SF_SAMPLE_SHOWN, OnSampleShown)
    ON_COMMAND(IDC_SF_DELETE, OnDelete)
    ON_COMMAND(IDC_SF_COPY, OnCopy)
    ON_COMMAND(IDC_SF_PRINT_INVOICE, OnPrintInvoice)
    ON_COMMAND(IDC_SF_PRINT_CERTIFICATE, OnPrintCertificate)
    ON_COMMAND(IDC_SF_PRINT_BILL, OnPrintBill)
    ON_MESSAGE(kUnitAnswer, OnUnitChosen)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnSchFakView, CPostingDocView)
    ON_EVENT(CPrnSchFakView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CPrnSchFakView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CPrnSchFakView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CPrnSchFakView::CPrnSchFakView() : CPostingDocView(IDR_PRN_SCH_FAK), m_date(COleDateTime::GetCurrentTime())
{
    m_editDebit.m_bDebit = 1;
    m_editCredit.m_bDebit = 0;
    m_editSum.SetType(EDIT_KIND_AMOUNT);
    for (CderivedEdit* code : {&m_editRealId, &m_editLs, &m_editOrg, &m_editOrg2, &m_editActivity, &m_editKbkDebit,
                               &m_editKbkCredit, &m_editSb[0], &m_editSb[1], &m_editSb[2]})
        code->SetType(EDIT_KIND_PLAIN);
    m_payDocDate.SetStatus(COleDateTime::invalid);
    m_paid.SetStatus(COleDateTime::invalid);
}

CPrnSchFakView::~CPrnSchFakView() = default;

void CPrnSchFakView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_SF_PAYDOC_DATE, m_payDocDateCtrl);
    DDX_Control(pDX, IDC_SF_PAID, m_paidCtrl);
    DDX_Control(pDX, IDC_SF_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_SF_CREDIT, m_editCredit);
    DDX_Control(pDX, IDC_SF_REAL_ID, m_editRealId);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_SUM, m_editSum);
    DDX_Control(pDX, IDC_SF_LS, m_editLs);
    DDX_Control(pDX, IDC_SET_ORG, m_editOrg);
    DDX_Control(pDX, IDC_SF_CONSIGNEE, m_editOrg2);
    DDX_Control(pDX, IDC_SF_ACTIVITY, m_editActivity);
    DDX_Control(pDX, IDC_SF_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_SF_KBK_CREDIT, m_editKbkCredit);
    for (int n = 0; n < 3; ++n)
        DDX_Control(pDX, kSbIds[n], m_editSb[n]);
    DDX_Control(pDX, IDC_SF_PAYDOC_NUMBER, m_editPayDoc);
    DDX_Control(pDX, IDC_SF_NOTE, m_editNote);
    DDX_Control(pDX, IDC_SF_SAMPLE, m_editSample);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
    DDX_DateTimeCtrl(pDX, IDC_SF_PAYDOC_DATE, m_payDocDate);
    DDX_DateTimeCtrl(pDX, IDC_SF_PAID, m_paid);
    DDX_Check(pDX, IDC_SF_NO_POSTING, m_bNoPosting);
    DDX_Check(pDX, IDC_SF_SAMPLE_SHOWN, m_bSampleShown);
}

void CPrnSchFakView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Счет-фактура выданный");
    const int branch = (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
    if (!FillFils(this, IDC_FIL, branch, 0)) {
        OnCancel();
        return;
    }
    ResizeParentToFit(FALSE);
    const long opened = GetRealId();
    if (opened != -1) {
        // The opener names the invoice: the form shows that one only.
        SetDlgItemText(IDC_SF_REAL_ID, FormatText("%d", opened));
        if (GetRealId() == -1) {
            OnCancel();
            return;
        }
        GetDlgItem(IDC_SF_REAL_ID)->EnableWindow(FALSE);
        GetDlgItem(IDC_SF_LIST)->EnableWindow(FALSE);
    } else {
        // A new invoice is posted unless the user says otherwise.
        Load();
        m_bNoPosting = FALSE;
        UpdateData(FALSE);
        ApplyNoPosting();
    }
    m_grid.KeepRatio();
}

long CPrnSchFakView::ShownRealId() const
{
    CString text;
    GetDlgItemText(IDC_SF_REAL_ID, text);
    text.Trim();
    return IsDigitsOnly(text) ? atol(text) : -1;
}

void CPrnSchFakView::OnRealIdChange()
{
    Load();
}

// The invoice of the record number shown, or an empty form when there is
// none by that number.
void CPrnSchFakView::Load()
{
    if (m_bSuppressLoad)
        return;
    CWaitCursor wait;
    m_documentId = -1;
    CSchFakRecord record;
    const long realId = ShownRealId();
    const bool stored = realId > 0
        && ExecuteCount(FormatText("select count(*) as cnt from paymar_sch_fak where real_id=%d", realId)) > 0;
    if (stored && record.Load(realId)) {
        SetRealId(realId);
        SetLoadedDate(record.date);
        m_documentId = record.posted ? atol(record.documentId) : -1;
    } else {
        record = CSchFakRecord();
        record.posted = false;
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        SetRealId(-1);
        SetLoadedDate(CString());
    }
    ShowRecord(record);
}

void CPrnSchFakView::ShowRecord(const CSchFakRecord& record)
{
    m_grid.ClearGrid();
    m_grid.SetNRows((long)record.lines.size() + 1);
    for (size_t i = 0; i < record.lines.size(); ++i) {
        const CSchFakLine& line = record.lines[i];
        const CString cells[SF_COLUMNS] = {line.name, line.unit, line.quantity, line.sum};
        for (int col = 0; col < SF_COLUMNS; ++col)
            m_grid.SetCellValue(col, (long)i, cells[col]);
    }
    m_grid.SetCurCell(0, 0);
    CString sample = record.sample;
    sample.Replace("<br>", "\r\n");
    const int branch = record.branch != 0 ? record.branch : (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
    FillFils(this, IDC_FIL, branch, 0);
    SetDlgItemText(IDC_SF_ACTIVITY, record.activity);
    SetDlgItemText(IDC_SF_NOTE, record.note);
    SetDlgItemText(IDC_SF_KBK_DEBIT, record.kbkDebit);
    SetDlgItemText(IDC_SF_KBK_CREDIT, record.kbkCredit);
    SetDlgItemText(IDC_SET_ORG, record.org);
    SetDlgItemText(IDC_SF_CONSIGNEE, record.org2);
    SetDlgItemText(IDC_SF_LS, record.ls);
    m_date = qwDMG(record.date, 1);
    m_payDocDate = qwDMG(record.payDocDate, 1);
    m_paid = qwDMG(record.paid, 1);
    m_bSampleShown = record.sampleShown ? TRUE : FALSE;
    m_bNoPosting = m_documentId == -1 ? TRUE : FALSE;
    UpdateData(FALSE);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_SUM, record.sum);
    SetDlgItemText(IDC_SF_DEBIT, record.debit);
    SetDlgItemText(IDC_SF_CREDIT, record.credit);
    for (int n = 0; n < 3; ++n)
        SetDlgItemText(kSbIds[n], record.sb[n]);
    SetDlgItemText(IDC_SF_PAYDOC_NUMBER, record.payDocNumber);
    SetDlgItemText(IDC_SF_SAMPLE, sample);
    ApplySample();
    ApplyNoPosting();
}

void CPrnSchFakView::ApplyNoPosting()
{
    for (UINT id : kPostingIds)
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(m_bNoPosting ? FALSE : TRUE);
}

void CPrnSchFakView::ApplySample()
{
    for (UINT id : {IDC_SF_SAMPLE, IDC_SF_SAMPLE_LABEL})
        GetDlgItem(id)->ShowWindow(m_bSampleShown ? SW_SHOW : SW_HIDE);
}

void CPrnSchFakView::OnNoPosting()
{
    UpdateData(TRUE);
    ApplyNoPosting();
}

// Shown for the first time on an invoice without a text of its own, the
// sample payment order is the one kept in the database.
void CPrnSchFakView::OnSampleShown()
{
    UpdateData(TRUE);
    ApplySample();
    CString sample;
    GetDlgItemText(IDC_SF_SAMPLE, sample);
    if (m_bSampleShown && sample.IsEmpty()) {
        sample = GetConstant("prn_sch_fack_vnim", 0);
        sample.Replace("<br>", "\r\n");
        SetDlgItemText(IDC_SF_SAMPLE, sample);
    }
}

void CPrnSchFakView::OnListPick()
{
    CString current;
    GetDlgItemText(IDC_SF_REAL_ID, current);
    CExtFuncs::ShowPrnSchFakList(current, this, IDC_SF_REAL_ID, "");
}

void CPrnSchFakView::OnNextNumber()
{
    SetDlgItemText(IDC_NUMBER, ProposeNumber(NextInvoiceNumber(g_lYear, ShownRealId())));
    FocusField(IDC_NUMBER, TRUE);
}

void CPrnSchFakView::OnBuyerPick()
{
    CHelpers::GetInSpr("spr_org", this, IDC_SET_ORG, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrnSchFakView::OnBuyerChange()
{
    OnOrgChange(this);
}

void CPrnSchFakView::OnConsigneePick()
{
    CHelpers::GetInSpr("spr_org", this, IDC_SF_CONSIGNEE, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrnSchFakView::OnConsigneeChange()
{
    CString code;
    GetDlgItemText(IDC_SF_CONSIGNEE, code);
    SetDlgItemText(IDC_SF_CONSIGNEE_NAME, GetFromSPR("spr_org", code));
}

void CPrnSchFakView::OnActivityPick()
{
    CHelpers::GetInSpr("spr_vid_pred_deyat", this, IDC_SF_ACTIVITY, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrnSchFakView::OnActivityChange()
{
    CString code;
    GetDlgItemText(IDC_SF_ACTIVITY, code);
    SetDlgItemText(IDC_SF_ACTIVITY_NAME, GetFromSPR("spr_vid_pred_deyat", code));
}

// The personal accounts of the branch chosen.
void CPrnSchFakView::OnLsPick()
{
    const CString filter = FormatText("where fil_id=%d", SelectedBranch(IDC_FIL));
    CHelpers::GetInSpr("spr_ls", this, IDC_SF_LS, filter, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrnSchFakView::OnLsChange()
{
    OnChangeLs(this);
}

void CPrnSchFakView::OnDebitPick()
{
    CString debit, credit;
    GetDlgItemText(IDC_SF_DEBIT, debit);
    GetDlgItemText(IDC_SF_CREDIT, credit);
    CExtFuncs::OnSprPlanSch0(this, IDC_SF_DEBIT, -1, debit, 1, credit, "020500000");
}

void CPrnSchFakView::OnCreditPick()
{
    CString debit, credit;
    GetDlgItemText(IDC_SF_DEBIT, debit);
    GetDlgItemText(IDC_SF_CREDIT, credit);
    CExtFuncs::OnSprPlanSch0(this, IDC_SF_CREDIT, -1, credit, 2, debit, nullptr);
}

// The analytic fields the credit account's classes name, captioned with
// their books' names; the others hidden and cleared.
void CPrnSchFakView::OnCreditChange()
{
    CString credit;
    GetDlgItemText(IDC_SF_CREDIT, credit);
    credit.Trim();
    for (int n = 0; n < 3; ++n) {
        const int book = credit.IsEmpty() ? 0 : GL_Get_SB(credit, short(n + 1));
        const CString name = book > 0 ? I_GetSprName(book) : CString();
        SetDlgItemText(kSbLabelIds[n], name);
        const int show = name.IsEmpty() ? SW_HIDE : SW_SHOW;
        for (UINT id : {kSbLabelIds[n], kSbIds[n], kSbPickIds[n]})
            GetDlgItem(id)->ShowWindow(show);
        if (name.IsEmpty())
            SetDlgItemText(kSbIds[n], "");
    }
}

void CPrnSchFakView::OnSb1Pick()
{
    CString credit;
    GetDlgItemText(IDC_SF_CREDIT, credit);
    CLedmark::GetSB(this, IDC_SF_SB1, UINT(-1), credit, 1, 0);
}

void CPrnSchFakView::OnSb2Pick()
{
    CString credit;
    GetDlgItemText(IDC_SF_CREDIT, credit);
    CLedmark::GetSB(this, IDC_SF_SB2, UINT(-1), credit, 2, 0);
}

void CPrnSchFakView::OnSb3Pick()
{
    CString credit;
    GetDlgItemText(IDC_SF_CREDIT, credit);
    CLedmark::GetSB(this, IDC_SF_SB3, UINT(-1), credit, 3, 0);
}

void CPrnSchFakView::OnKbkDebitPick()
{
    CString debit;
    GetDlgItemText(IDC_SF_DEBIT, debit);
    GL_GetDefKBKList(this, IDC_SF_KBK_DEBIT, debit, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CPrnSchFakView::OnKbkCreditPick()
{
    CString credit;
    GetDlgItemText(IDC_SF_CREDIT, credit);
    GL_GetDefKBKList(this, IDC_SF_KBK_CREDIT, credit, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CPrnSchFakView::OnLinesChooser(short col, short row)
{
    if (col != SF_UNIT)
        return;
    m_unitRow = row;
    CExtFuncs::ShowSpr("spr_ei", this, 1, 0, nullptr, nullptr, kUnitAnswer, 0);
}

LRESULT CPrnSchFakView::OnUnitChosen(WPARAM, LPARAM lParam)
{
    if (m_unitRow < 0 || m_unitRow >= m_grid.GetNRows())
        return 0;
    m_grid.SetCellValue(SF_UNIT, m_unitRow, GetFromSPR("spr_ei", FormatText("%d", (int)lParam)));
    m_grid.SetCurCell(SF_UNIT, m_unitRow);
    return 0;
}

void CPrnSchFakView::OnLinesCellChanged(short, short, CString*) {}

// A sum typed into the last line opens the next one.
void CPrnSchFakView::OnLinesEdited(short col, short, short, CString*)
{
    if (col == SF_SUM)
        AddEmptyRowWhenNone();
}

BOOL CPrnSchFakView::RowIsEmpty(long row) const
{
    for (int col = 0; col < SF_COLUMNS; ++col)
        if (!Cell(col, row).Trim().IsEmpty())
            return FALSE;
    return TRUE;
}

void CPrnSchFakView::AddEmptyRowWhenNone()
{
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (RowIsEmpty(row))
            return;
    m_grid.SetNRows(m_grid.GetNRows() + 1);
}

// A new invoice without a number is written with the year's next one, as
// if the form had proposed it: the save checks it under the document
// counter's row and takes the next free one when another invoice took it.
BOOL CPrnSchFakView::OnSaveConfirmed()
{
    if (GetRealId() == -1 && m_record.number.IsEmpty())
        m_record.number = ProposeNumber(NextInvoiceNumber(g_lYear, -1));
    return TRUE;
}

void CPrnSchFakView::AfterSave()
{
    // Shown again as stored, whatever the number field held.
    m_bSuppressLoad = TRUE;
    SetDlgItemText(IDC_SF_REAL_ID, FormatText("%d", GetRealId()));
    m_bSuppressLoad = FALSE;
    Load();
    PostOK(1, 1);
    FocusField(IDC_DATE, FALSE);
}

// Delete: the invoice with its lines and posting, then its neighbour by
// record number (the next, else the previous one, else an empty form).
void CPrnSchFakView::OnDelete()
{
    CWaitCursor wait;
    const long realId = ShownRealId();
    if (realId == -1) {
        AfxMessageBox("Укажите н/п");
        FocusField(IDC_SF_REAL_ID, FALSE);
        return;
    }
    if (AfxMessageBox("Удалить этот н/п ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // An invoice of a closed period keeps its posting and its row.
    const CString stored = ExecuteString(FormatText("select d as str from paymar_sch_fak where real_id=%d", realId));
    if (!stored.IsEmpty() && GL_Verify_Date0(DMG(stored)) == 0) {
        FocusField(IDC_SF_REAL_ID, FALSE);
        return;
    }
    if (!DeleteStoredDocument(*this, realId)) {
        FocusField(IDC_SF_REAL_ID, FALSE);
        return;
    }
    CString next = ExecuteString(
        FormatText("select real_id as str from paymar_sch_fak where real_id>%d order by real_id", realId));
    if (next.IsEmpty())
        next = ExecuteString(
            FormatText("select real_id as str from paymar_sch_fak where real_id<%d order by real_id desc", realId));
    m_bSuppressLoad = TRUE;
    SetDlgItemText(IDC_SF_REAL_ID, next);
    m_bSuppressLoad = FALSE;
    Load();
    PostOK(1, 1);
    FocusField(IDC_SF_REAL_ID, FALSE);
}

// A new invoice made of the one shown: everything but the record number,
// the kept date and the posting's id; the year's next number.
void CPrnSchFakView::OnCopy()
{
    if (AfxMessageBox("Ввести новую счет фактуру\nна основании текущей ? ", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    m_bSuppressLoad = TRUE;
    SetDlgItemText(IDC_SF_REAL_ID, "");
    GetDlgItem(IDC_SF_REAL_ID)->EnableWindow(TRUE);
    GetDlgItem(IDC_SF_LIST)->EnableWindow(TRUE);
    SetRealId(-1);
    SetLoadedDate(CString());
    m_bSuppressLoad = FALSE;
    SetDlgItemText(IDC_NUMBER, ProposeNumber(NextInvoiceNumber(g_lYear, -1)));
    m_documentId = -1;
}

CString CPrnSchFakView::PrintCall() const
{
    const long realId = ShownRealId();
    return FormatText("PrepareTheReport(\"%s\")", realId == -1 ? CString() : FormatText("%d", realId));
}

void CPrnSchFakView::OnPrintInvoice()
{
    CHelpers::EXEC_ShowReport("Blank_СчетФактура", PrintCall());
}

void CPrnSchFakView::OnPrintCertificate()
{
    CHelpers::EXEC_ShowReport("Blank_АктВыпРабот", PrintCall());
}

void CPrnSchFakView::OnPrintBill()
{
    CHelpers::EXEC_ShowExternalReport(GetAppPath() + "\\_sys\\_ExtReports\\счет.extr", PrintCall());
}

} // namespace nledmark
