// The parents' fee documents' shared form: header fields, the children grid,
// the choosers and the save's checks.
#include "CRodFeeView.h"

#include "CHelpers.h"
#include "CLedmark.h"
#include "ChildrenBook.h"
#include "FormLayout.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CRodFeeView, CPostingDocView)

BEGIN_MESSAGE_MAP(CRodFeeView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_ROD_DEBIT_PICK, OnDebitPick)
    ON_COMMAND(IDC_ROD_CREDIT_PICK, OnCreditPick)
    ON_COMMAND(IDC_ROD_KBK_DEBIT_PICK, OnKbkDebitPick)
    ON_COMMAND(IDC_ROD_KBK_CREDIT_PICK, OnKbkCreditPick)
    ON_COMMAND_EX(IDC_ROD_SB1_PICK, OnAnalyticPickCommand)
    ON_COMMAND_EX(IDC_ROD_SB2_PICK, OnAnalyticPickCommand)
    ON_COMMAND_EX(IDC_ROD_SB3_PICK, OnAnalyticPickCommand)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_ROD_SB1, IDC_ROD_SB3, OnAnalyticChange)
    ON_COMMAND(ID_DELETE_LINE, OnClearRow)
    ON_MESSAGE(kAddRowMsg, OnAddRow)
    ON_MESSAGE(kTeacherAnswer, OnTeacherAnswer)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CRodFeeView, CPostingDocView)
    ON_EVENT(CRodFeeView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CRodFeeView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CRodFeeView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const CAnalyticRow kAnalyticRows[3] = {
    {IDC_ROD_SB1, IDC_ROD_SB1_PICK, IDC_ROD_SB1_LABEL, IDC_ROD_SB1_NAME},
    {IDC_ROD_SB2, IDC_ROD_SB2_PICK, IDC_ROD_SB2_LABEL, IDC_ROD_SB2_NAME},
    {IDC_ROD_SB3, IDC_ROD_SB3_PICK, IDC_ROD_SB3_LABEL, IDC_ROD_SB3_NAME},
};

} // namespace

CRodFeeView::CRodFeeView(UINT nIDTemplate, const char* table, bool through, UINT analyticAccount)
    : CPostingDocView(nIDTemplate), m_record(table, through), m_analyticAccount(analyticAccount)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editCredit.m_bDebit = 0;
}

CRodFeeView::~CRodFeeView() = default;

void CRodFeeView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_ROD_DATE, m_editDate);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_ROD_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_ROD_CREDIT, m_editCredit);
    DDX_Control(pDX, IDC_ROD_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_ROD_KBK_CREDIT, m_editKbkCredit);
    DDX_Control(pDX, IDC_ROD_CONTENT, m_editContent);
    DDX_Control(pDX, IDC_ROD_NOTE, m_editPrim);
    DDX_Text(pDX, IDC_ROD_DATE, m_strDate);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_ROD_DEBIT, m_strDebit);
    DDX_Text(pDX, IDC_ROD_CREDIT, m_strCredit);
    DDX_Text(pDX, IDC_ROD_KBK_DEBIT, m_strKbkDebit);
    DDX_Text(pDX, IDC_ROD_KBK_CREDIT, m_strKbkCredit);
    DDX_Text(pDX, IDC_ROD_CONTENT, m_strContent);
    DDX_Text(pDX, IDC_ROD_NOTE, m_strPrim);
    for (int k = 0; k < 3; ++k) {
        DDX_Control(pDX, kAnalyticRows[k].value, m_editValues[k]);
        DDX_Text(pDX, kAnalyticRows[k].value, m_strValues[k]);
    }
}

UINT CRodFeeView::NumberFieldId() const
{
    return IDC_NUMBER;
}

BOOL CRodFeeView::LoadStoredHeader(int& branch)
{
    if (!m_record.Load(GetRealId())) {
        OnCancel();
        return FALSE;
    }
    const CRodFeeRecord& r = m_record;
    m_strKbkCredit = r.kbkCredit;
    m_strKbkDebit = r.kbkDebit;
    branch = r.branch;
    SetLoadedDate(r.date);
    m_strDate = r.date;
    m_strNumber = r.number;
    m_strCredit = r.credit;
    m_strDebit = r.debit;
    for (int k = 0; k < 3; ++k)
        m_strValues[k] = r.values[k];
    m_strPrim = r.prim;
    SetGridFromOneString(m_grid, r.grid, 0, 0);
    m_strContent = r.icn;
    return TRUE;
}

void CRodFeeView::NewHeader(const char* content, const char* creditKey, const char* creditDefault,
                            const char* debitKey, const char* debitDefault)
{
    CWinApp* app = AfxGetApp();
    m_strNumber = ProposeNumber(GL_NextNumber(m_record.table, 0));
    m_strDate = DMGtoStr(COleDateTime::GetCurrentTime());
    m_strContent = content;
    m_strCredit = app->GetProfileString("constants", creditKey, creditDefault);
    m_strDebit = app->GetProfileString("constants", debitKey, debitDefault);
    m_strKbkDebit.Empty();
    m_strKbkCredit.Empty();
    for (CString& value : m_strValues)
        value.Empty();
    m_strPrim.Empty();
}

void CRodFeeView::RememberAccounts(const char* creditKey, const char* debitKey)
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileString("constants", creditKey, m_strCredit);
    app->WriteProfileString("constants", debitKey, m_strDebit);
    app->WriteProfileInt("constants", "select_fil", m_record.branch);
}

void CRodFeeView::ShowHeader(int branch)
{
    UpdateData(FALSE);
    // The codes were written before the account's rows were known: the rule
    // hides the rows the account lacks and keeps the codes of the others.
    const CString values[3] = {m_strValues[0], m_strValues[1], m_strValues[2]};
    OnAnalyticAccountChange();
    for (int k = 0; k < 3; ++k)
        if (GetDlgItem(kAnalyticRows[k].value)->IsWindowVisible())
            SetDlgItemText(kAnalyticRows[k].value, values[k]);
    if (!FillFils(this, IDC_FIL, branch, 0))
        OnCancel();
}

// The dimension rule of the header's analytic account.
void CRodFeeView::OnAnalyticAccountChange()
{
    CString account;
    GetDlgItemText(m_analyticAccount, account);
    ShowAnalyticRows(this, account, kAnalyticRows);
}

void CRodFeeView::OnAnalyticChange(UINT id)
{
    for (short k = 0; k < 3; ++k) {
        if (kAnalyticRows[k].value != id)
            continue;
        CString account, value;
        GetDlgItemText(m_analyticAccount, account);
        GetDlgItemText(id, value);
        if (!account.IsEmpty() && !value.IsEmpty())
            SetDlgItemText(kAnalyticRows[k].name, GL_SB_Name(account, short(k + 1), value));
    }
}

BOOL CRodFeeView::OnAnalyticPickCommand(UINT id)
{
    for (short k = 0; k < 3; ++k) {
        if (kAnalyticRows[k].button != id)
            continue;
        CString account;
        GetDlgItemText(m_analyticAccount, account);
        CLedmark::GetSB(this, kAnalyticRows[k].value, (UINT)-1, account, k + 1, 0);
    }
    return TRUE;
}

void CRodFeeView::OnDebitPick()
{
    CString text;
    GetDlgItemText(IDC_ROD_DEBIT, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_ROD_DEBIT, -1, text, 1, nullptr, m_debitAccounts);
}

void CRodFeeView::OnCreditPick()
{
    CString text;
    GetDlgItemText(IDC_ROD_CREDIT, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_ROD_CREDIT, -1, text, 2, nullptr, m_creditAccounts);
}

void CRodFeeView::OnKbkDebitPick()
{
    CString account;
    GetDlgItemText(IDC_ROD_DEBIT, account);
    GL_GetDefKBKList(this, IDC_ROD_KBK_DEBIT, account, SelectedBranch(IDC_FIL), (UINT)-1, nullptr, 0);
}

void CRodFeeView::OnKbkCreditPick()
{
    CString account;
    GetDlgItemText(IDC_ROD_CREDIT, account);
    GL_GetDefKBKList(this, IDC_ROD_KBK_CREDIT, account, SelectedBranch(IDC_FIL), (UINT)-1, nullptr, 0);
}

// The row stays, emptied.
void CRodFeeView::OnClearRow()
{
    if (AfxMessageBox("Удалить эту строку ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const long row = m_grid.GetCurRow();
    if (row < 0)
        return;
    for (long col = 0; col < m_grid.GetNCols(); ++col)
        m_grid.SetCellValue(col, row, "");
}

LRESULT CRodFeeView::OnAddRow(WPARAM, LPARAM)
{
    AppendRowWhenFull(m_grid);
    return 0;
}

std::vector<CAnswerColumn> CRodFeeView::AnswerColumns() const
{
    return {{kChildAnswer, ROD_CODE, false}};
}

// The chosen child's cell has its name and fee (the cell-change rule); its
// teacher is the book's.
void CRodFeeView::OnAnswered(UINT, long row)
{
    m_grid.SetCurCell(ROD_FEE, row);
    PostMessage(kAddRowMsg);
    m_grid.SetFocus();
    const CString code = ChildCode(Cell(ROD_CODE, row));
    m_grid.SetCellValue(ROD_TEACHER, row, code.IsEmpty() ? CString() : GetFromSPR("spr_deti", code, "tnp"));
}

LRESULT CRodFeeView::OnTeacherAnswer(WPARAM, LPARAM lParam)
{
    const long row = m_teacherRow;
    if (row < 0 || row >= m_grid.GetNRows())
        return 0;
    m_grid.SetCellValue(ROD_TEACHER, row, utos((long long)lParam));
    m_grid.SetCurCell(ROD_TEACHER, row);
    PostMessage(kAddRowMsg);
    m_grid.SetFocus();
    return 0;
}

void CRodFeeView::OpenChildBook(long row)
{
    RememberChooserRow(kChildAnswer, row);
    CExtFuncs::ShowSpr("spr_deti", this, 0, 0, nullptr, nullptr, kChildAnswer, 0);
}

void CRodFeeView::OpenTeacherChooser(long row)
{
    m_teacherRow = row;
    CHelpers::GetInSpr("tn", this, -1, nullptr, kTeacherAnswer, 0, 0, nullptr, nullptr, 0);
}

void CRodFeeView::OnLinesChooser(short col, short row)
{
    if (col == ROD_CODE)
        OpenChildBook(row);
    else if (col == ROD_TEACHER)
        OpenTeacherChooser(m_grid.GetCurRow() >= 0 ? m_grid.GetCurRow() : row);
}

// The cell-change rule of the code column: the child's name and fee, the fee
// also as the amount, unless the form fills the grid itself; the leaving mark
// always.
void CRodFeeView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (col != ROD_CODE)
        return;
    const CString code = text ? *text : Cell(ROD_CODE, row);
    if (code.IsEmpty()) {
        if (!m_bLoading)
            for (int c : {ROD_NAME, ROD_FEE, ROD_SUM})
                m_grid.SetCellValue(c, row, "");
        ShowLeavingMark(m_grid, row, CString());
        return;
    }
    // The fill shows the marks of the rows it adds.
    if (m_bFilling)
        return;
    const CChildFacts child = ChildOf(code, !m_bLoading);
    if (!m_bLoading) {
        m_grid.SetCellValue(ROD_NAME, row, child.name);
        m_grid.SetCellValue(ROD_FEE, row, child.fee);
        m_grid.SetCellValue(ROD_SUM, row, child.fee);
    }
    ShowLeavingMark(m_grid, row, child.leaving);
}

// An amount left empty takes the fee back; every edit may complete the grid.
void CRodFeeView::OnLinesEdited(short col, short row, short, CString* text)
{
    if (col == ROD_SUM && text && text->Trim().IsEmpty())
        *text = Cell(ROD_FEE, row);
    PostMessage(kAddRowMsg);
}

void CRodFeeView::FocusRow(long row, int col)
{
    m_grid.SetFocus();
    m_grid.SetCurCell(col, row);
}

BOOL CRodFeeView::ValidateDocument()
{
    const int branch = SelectedBranch(IDC_FIL);
    CString date;
    if (!CheckDateText(IDC_ROD_DATE, m_strDate, "Укажите Дату", date)
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа")
        || !RequireText(IDC_ROD_DEBIT, m_strDebit, "Укажите Дебет счета"))
        return FALSE;
    if (!GL_Valid_Sch(m_strDebit, 0, -1)) {
        AfxMessageBox("Нет такого счета по дебету");
        FocusField(IDC_ROD_DEBIT, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_ROD_CREDIT, m_strCredit, "Укажите Кредит счета"))
        return FALSE;
    if (!GL_Valid_Sch(m_strCredit, 0, -1)) {
        AfxMessageBox("Нет такого счета по кредиту");
        FocusField(IDC_ROD_CREDIT, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_ROD_CONTENT, m_strContent, "Укажите содержание операции"))
        return FALSE;
    std::vector<CString> codes;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        codes.push_back(ChildCode(Cell(ROD_CODE, row)));
    const std::map<CString, CString> counterparties = ChildCounterparties(codes);
    std::vector<CPostingLine> postings;
    double total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString code = Cell(ROD_CODE, row);
        const CString amount = Cell(ROD_SUM, row);
        if (code.IsEmpty() || amount.IsEmpty())
            continue;
        const auto found = counterparties.find(ChildCode(code));
        const CString contr = found == counterparties.end() ? CString() : found->second;
        if (contr.IsEmpty()) {
            RefuseChildWithoutCounterparty(code);
            FocusRow(row, ROD_CODE);
            return FALSE;
        }
        const std::vector<CPostingLine> lines =
            RowPostings(RowPosting(contr, Cell(ROD_TEACHER, row), DecimalPoint(amount)));
        if (!TestPostingLines(lines, date, branch)) {
            FocusRow(row, ROD_SUM);
            return FALSE;
        }
        postings.insert(postings.end(), lines.begin(), lines.end());
        total += atof(DecimalPoint(amount));
    }
    if (postings.empty()) {
        AfxMessageBox(NoRowsMessage());
        m_grid.SetFocus();
        return FALSE;
    }
    CRodFeeRecord& r = m_record;
    r.date = date;
    r.number = m_strNumber;
    r.debit = m_strDebit;
    r.credit = m_strCredit;
    for (int k = 0; k < 3; ++k)
        r.values[k] = m_strValues[k];
    r.prim = m_strPrim;
    r.icn = m_strContent;
    r.grid = GetGridInOneString(m_grid, 0);
    r.total = FormatNumber(total, "", 2);
    r.kbkDebit = m_strKbkDebit;
    r.kbkCredit = m_strKbkCredit;
    r.branch = branch;
    r.postings = std::move(postings);
    return TRUE;
}

void CRodFeeView::AfterSave()
{
    OnCancel();
    PostOK(1, 1);
}

void CRodFeeView::OnSaveDeclined()
{
    FocusField(IDC_ROD_DATE, TRUE);
}

void CRodFeeView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    PlaceFormParts(this, &m_grid, {m_gridTop, m_gridBottomGap, IDC_ROD_NOTE_LABEL, IDC_ROD_NOTE, 100, 55, 25},
                   {{IDOK, 10},
                    {IDC_ROD_DELETE, 110},
                    {ID_DELETE_LINE, 210},
                    {ID_BUH_SPRAVKA, 310},
                    {IDC_ROD_RELOAD, 410},
                    {IDCANCEL, GetDlgItem(IDC_ROD_RELOAD) ? 510 : 410}});
}

} // namespace nledmark
