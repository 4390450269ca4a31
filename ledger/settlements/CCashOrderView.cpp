// The cash orders: construction, loading, the choosers of the header and of
// the lines, the total, "&Новый" and the print.
#include "CCashOrderView.h"

#include "CHelpers.h"
#include "CLedmark.h"
#include "FormTitle.h"
#include "SettlementCommands.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CCashOrderView, CPostingDocView)

BEGIN_MESSAGE_MAP(CCashOrderView, CPostingDocView)
    ON_COMMAND(ID_DOCUMENT_NEW, OnNewOrder)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrintOrder)
    ON_COMMAND(IDC_CO_MAIN_PICK, OnMainPick)
    ON_COMMAND(IDC_CO_KBK_DEBIT_PICK, OnKbkPick)
    ON_COMMAND(IDC_CO_KBK_CREDIT_PICK, OnKbkPick)
    ON_COMMAND(IDC_SET_SOURCE_PICK, OnPurposePick)
    ON_COMMAND(IDC_CO_PRD0_PICK, OnDivisionPick)
    ON_COMMAND(IDC_CO_PRD1_PICK, OnCorrDivisionPick)
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_EN_CHANGE(IDC_CO_PRD0, OnDivisionChange)
    ON_EN_CHANGE(IDC_CO_PRD1, OnCorrDivisionChange)
    ON_EN_CHANGE(IDC_SET_SOURCE, OnPurposeChange)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CCashOrderView, CPostingDocView)
    ON_EVENT(CCashOrderView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CCashOrderView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CCashOrderView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";

// The chooser answers of the lines.
constexpr UINT kAccountAnswer = 0x464;
constexpr UINT kFirstValueAnswer = 0x466;
constexpr UINT kKbkAnswer = 0x46C;

} // namespace

CCashOrderView::CCashOrderView(UINT nIDTemplate, const CCashOrderKind& kind)
    : CPostingDocView(nIDTemplate), m_date(COleDateTime::GetCurrentTime()), m_record(kind)
{
    m_editMain.m_bDebit = kind.mainIsDebit ? 1 : 0;
    for (CderivedEdit* code : {&m_editDivision, &m_editCorrDivision, &m_editPurpose, &m_editTn})
        code->SetType(EDIT_KIND_PLAIN);
}

CCashOrderView::~CCashOrderView() = default;

UINT CCashOrderView::KbkFieldId() const
{
    return Kind().mainIsDebit ? IDC_CO_KBK_DEBIT : IDC_CO_KBK_CREDIT;
}

UINT CCashOrderView::NumberFieldId() const
{
    return IDC_NUMBER;
}

void CCashOrderView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_CO_MAIN, m_editMain);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, KbkFieldId(), m_editKbk);
    DDX_Control(pDX, IDC_CO_PRD0, m_editDivision);
    DDX_Control(pDX, IDC_CO_PRD1, m_editCorrDivision);
    DDX_Control(pDX, IDC_SET_SOURCE, m_editPurpose);
    DDX_Control(pDX, IDC_SET_SOURCE_NAME, m_editPurposeName);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_SET_FIO, m_editFio);
    if (Kind().hasDocument)
        DDX_Control(pDX, IDC_CO_DOC, m_editDocument);
    DDX_Control(pDX, IDC_CO_OSN, m_editBasis);
    DDX_Control(pDX, IDC_CO_PRIL, m_editAttachment);
    DDX_Control(pDX, IDC_CO_PRIM, m_editComment);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
}

void CCashOrderView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, Kind().title);
    m_grid.KeepRatio();
    ResizeParentToFit(FALSE);
    SetSql();
}

void CCashOrderView::SetSql()
{
    CWaitCursor wait;
    CCashOrderRecord record(Kind());
    CWinApp* app = AfxGetApp();
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(Kind().table, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.main = app->GetProfileString(kConstants, Kind().accountKey, "");
        record.branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
    } else if (!record.Load(GetRealId())) {
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    ShowRecord(record);
}

// The fields in the order in which the stored names replace those the
// change of a code puts in: the target purpose's name after its code, the
// payer's name (and the identity document) after the personnel number.
void CCashOrderView::ShowRecord(const CCashOrderRecord& record)
{
    if (!FillFils(this, IDC_FIL, record.branch, 0)) {
        OnCancel();
        return;
    }
    m_bLoading = TRUE;
    SetDlgItemText(KbkFieldId(), record.kbk);
    SetDlgItemText(IDC_NUMBER, record.number);
    m_date = qwDMG(record.date, 1);
    UpdateData(FALSE);
    SetDlgItemText(IDC_CO_MAIN, record.main);
    SetDlgItemText(IDC_CO_PRD0, record.division);
    SetDlgItemText(IDC_CO_PRD1, record.corrDivision);
    SetDlgItemText(IDC_SET_SOURCE, record.purpose);
    SetDlgItemText(IDC_SET_SOURCE_NAME, record.purposeName);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_SET_FIO, record.fio);
    if (Kind().hasDocument)
        SetDlgItemText(IDC_CO_DOC, record.document);
    SetDlgItemText(IDC_CO_OSN, record.basis);
    SetDlgItemText(IDC_CO_PRIL, record.attachment);
    SetDlgItemText(IDC_CO_PRIM, record.comment);
    SetDlgItemText(IDC_SUM, record.sum.IsEmpty() ? CString() : FormatNumber(atof(record.sum), "", 2));
    m_grid.ClearGrid();
    SetGridFromOneString(m_grid, record.grid, 0, 0);
    // One empty line to type the next one into.
    if (m_grid.GetNRows() == 0 || !LineIsEmpty(m_grid.GetNRows() - 1))
        m_grid.SetNRows(m_grid.GetNRows() + 1);
    m_bLoading = FALSE;
}

BOOL CCashOrderView::LineIsEmpty(long row) const
{
    for (int col = 0; col < CO_COLUMNS; ++col)
        if (!Cell(col, row).IsEmpty())
            return FALSE;
    return TRUE;
}

void CCashOrderView::ShowTotal()
{
    double total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        CString amount = Cell(CO_SUM, row);
        amount.Replace(",", ".");
        total += atof(amount);
    }
    SetDlgItemText(IDC_SUM, FormatNumber(total, "", 2));
}

std::vector<CAnswerColumn> CCashOrderView::AnswerColumns() const
{
    return {{kAccountAnswer, CO_ACCOUNT, true},
            {kFirstValueAnswer, CO_SB1, false},
            {kFirstValueAnswer + 1, CO_SB2, false},
            {kFirstValueAnswer + 2, CO_SB3, false},
            {kKbkAnswer, CO_KBK, false}};
}

void CCashOrderView::OnLinesChooser(short col, short row)
{
    const CString account = Cell(CO_ACCOUNT, row);
    CString main;
    GetDlgItemText(IDC_CO_MAIN, main);
    if (col == CO_KBK) {
        RememberChooserRow(kKbkAnswer, row);
        GL_GetDefKBKList(this, -1, account.IsEmpty() ? main : account, SelectedBranch(IDC_FIL), kKbkAnswer, nullptr, 0);
    } else if (col == CO_ACCOUNT) {
        RememberChooserRow(kAccountAnswer, row);
        CExtFuncs::OnSprPlanSch0(this, -1, (int)kAccountAnswer, account, Kind().mainIsDebit ? 2 : 1, main, nullptr);
    } else if (col >= CO_SB1 && col <= CO_SB3) {
        const UINT msg = kFirstValueAnswer + (col - CO_SB1);
        RememberChooserRow(msg, row);
        CLedmark::GetSB(this, UINT(-1), msg, account, short(col - CO_SB1 + 1), 0);
    }
}

void CCashOrderView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (col == CO_SUM)
        ShowTotal();
    if (!m_bLoading && row == m_grid.GetNRows() - 1 && text && !text->IsEmpty())
        m_grid.SetNRows(m_grid.GetNRows() + 1);
}

// A short account typed into a line is completed for the line's side.
void CCashOrderView::OnLinesEdited(short col, short row, short key, CString* text)
{
    if (col != CO_ACCOUNT || !text || text->IsEmpty())
        return;
    const CString full = Kind().mainIsDebit ? GL_GetFullSchKred(*text) : GL_GetFullSchDeb(*text);
    if (!full.IsEmpty() && full != *text)
        *text = full;
}

void CCashOrderView::OnMainPick()
{
    CString text;
    GetDlgItemText(IDC_CO_MAIN, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_CO_MAIN, -1, text, Kind().mainIsDebit ? 1 : 2, nullptr, "020104000");
}

void CCashOrderView::OnKbkPick()
{
    CString main;
    GetDlgItemText(IDC_CO_MAIN, main);
    GL_GetDefKBKList(this, (int)KbkFieldId(), main, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

void CCashOrderView::OnPurposePick()
{
    OnCNbtn(this, Kind().purposes);
}

void CCashOrderView::OnDivisionPick()
{
    CHelpers::GetInSpr("spr_prd", this, IDC_CO_PRD0, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CCashOrderView::OnCorrDivisionPick()
{
    CHelpers::GetInSpr("spr_prd", this, IDC_CO_PRD1, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CCashOrderView::OnDivisionChange()
{
    CString code;
    GetDlgItemText(IDC_CO_PRD0, code);
    SetDlgItemText(IDC_CO_PRD0_NAME, GetFromSPR("spr_prd", code));
}

void CCashOrderView::OnCorrDivisionChange()
{
    CString code;
    GetDlgItemText(IDC_CO_PRD1, code);
    SetDlgItemText(IDC_CO_PRD1_NAME, GetFromSPR("spr_prd", code));
}

void CCashOrderView::OnPurposeChange()
{
    CString code;
    GetDlgItemText(IDC_SET_SOURCE, code);
    SetDlgItemText(IDC_SET_SOURCE_NAME, GetFromSPR("spr_cn", code));
}

void CCashOrderView::OnTnChange()
{
    ShowPerson();
}

void CCashOrderView::ShowPerson()
{
    nledmark::OnChangeTn(this);
}

void CCashOrderView::OnNewOrder()
{
    if (AfxMessageBox(Kind().newQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    SetRealId(-1);
    SetLoadedDate(CString());
    SetSql();
}

// An order not stored yet is saved (with every question and check of the
// save) instead of printed; the next print prints it.
void CCashOrderView::OnPrintOrder()
{
    if (GetRealId() == -1) {
        PostMessage(WM_COMMAND, IDOK);
        return;
    }
    CString call;
    call.Format("PrepareTheReport(\"%d\")", GetRealId());
    EXEC_ShowFormReport(call, 0, 1);
}

BOOL CCashOrderView::WritePostings(long id)
{
    if (m_record.WritePostings(id))
        return TRUE;
    if (m_record.refusedRow >= 0) {
        m_grid.SetFocus();
        m_grid.SetCurCell(CO_ACCOUNT, m_record.refusedRow);
    }
    return FALSE;
}

void CCashOrderView::RememberDefaults()
{
    AfxGetApp()->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
}

void CCashOrderView::AfterSave()
{
    CPostingDocView::AfterSave();
    AfxGetApp()->WriteProfileString(kConstants, Kind().accountKey, m_record.main);
}

void CCashOrderView::OnSaveDeclined()
{
    FocusField(IDC_NUMBER, TRUE);
}

} // namespace nledmark
