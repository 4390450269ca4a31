// The manual operation form: construction, loading and the checks of a save.
#include "COperByHandView.h"
#include "FormTitle.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(COperByHandView, CPostingDocView)

BEGIN_MESSAGE_MAP(COperByHandView, CPostingDocView)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(COperByHandView, CPostingDocView)
    ON_EVENT(COperByHandView, IDC_LINES, 2, OnLinesRowEnter, VTS_I2 VTS_I2 VTS_PI2)
    ON_EVENT(COperByHandView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(COperByHandView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(COperByHandView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(COperByHandView, IDC_LINES, 15, OnLinesCellMoved, VTS_I2 VTS_I2)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
constexpr long kInitialRows = 100;

} // namespace

COperByHandView::COperByHandView() : CPostingDocView(IDD_OPER_BY_HAND), m_date(COleDateTime::GetCurrentTime())
{
    m_editSum.SetType(EDIT_KIND_AMOUNT);
}

COperByHandView::~COperByHandView() = default;

void COperByHandView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_DOC_NAME, m_editPrim);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_SUM, m_editSum);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_DATE, m_dateCtrl);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
    DDX_Text(pDX, IDC_DOC_NAME, m_strPrim);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_SUM, m_strSum);
}

void COperByHandView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Операция вручную");
    m_grid.SetNRows(kInitialRows);
    PostMessage(WM_SIZE);
    m_grid.KeepRatio();
    SetSql();
}

UINT COperByHandView::NumberFieldId() const
{
    return IDC_NUMBER;
}

BOOL COperByHandView::LoadDocument()
{
    CWaitCursor wait;
    m_grid.SetFillingGrid(1);
    m_bLoading = TRUE;
    int branch = (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
    CString date;
    m_grid.ClearGrid();
    if (GetRealId() == -1) {
        m_strSum.Empty();
        m_grid.SetCurRow(0);
        m_strNumber = ProposeNumber(GL_NextNumber(COperByHandRecord::kTable, 1));
        date = DMGtoStr(COleDateTime::GetCurrentTime());
        m_strPrim = "Справка";
    } else if (!LoadStored(branch, date)) {
        m_bLoading = FALSE;
        m_grid.SetFillingGrid(0);
        return FALSE;
    }
    m_date = qwDMG(date, 1);
    UpdateData(FALSE);
    if (!FillFils(this, IDC_FIL, branch, 0))
        OnCancel();
    m_bLoading = FALSE;
    m_grid.ShowFirstUnLockedCol0();
    FocusField(IDC_NUMBER, TRUE);
    m_grid.SetFillingGrid(0);
    return TRUE;
}

// A stored operation, its header in one query and its postings as lines;
// FALSE when it could not be read whole (the reason has been shown).
BOOL COperByHandView::LoadStored(int& branch, CString& date)
{
    COperByHandRecord record;
    try {
        if (!record.Load(GetRealId()))
            return FALSE;
    } catch (...) {
        AfxReportCurrentException("COperByHandView::SetSql");
        return FALSE;
    }
    branch = record.branch;
    date = record.date;
    SetLoadedDate(date);
    m_strNumber = record.number;
    m_strPrim = record.prim;
    m_strSum = record.sum;
    ShowLines(record.lines);
    m_grid.SetFocus();
    return TRUE;
}

void COperByHandView::ShowLines(const std::vector<COperLine>& lines)
{
    for (long row = 0; row < (long)lines.size(); ++row) {
        if (m_grid.GetNRows() <= row)
            m_grid.SetNRows(row + 1);
        for (int col = 0; col < OPER_COLUMNS; ++col)
            m_grid.SetCellValue(col, row, lines[row][col]);
    }
}

std::vector<COperLine> COperByHandView::ReadLines() const
{
    std::vector<COperLine> lines(m_grid.GetNRows());
    for (long row = 0; row < (long)lines.size(); ++row)
        for (int col = 0; col < OPER_COLUMNS; ++col)
            lines[row][col] = Cell(col, row);
    return lines;
}

// The checks clear cells the accounts do not use; the grid shows what is stored.
void COperByHandView::ShowCheckedLines(const std::vector<COperLine>& lines)
{
    for (long row = 0; row < (long)lines.size(); ++row)
        for (int col = 0; col < OPER_COLUMNS; ++col)
            SetCell(col, row, lines[row][col]);
}

BOOL COperByHandView::ValidateDocument()
{
    const int branch = SelectedBranch(IDC_FIL);
    CString date;
    if (!CheckDateControl(IDC_DATE, m_date, "Укажите дату", date)
        || !RequireText(IDC_DOC_NAME, m_strPrim, "Укажите наименование документа")
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа"))
        return FALSE;
    CString sum = m_strSum;
    sum.Replace(GetNumberDelimiter(), ".");
    std::vector<COperLine> lines = ReadLines();
    COperLineFault fault;
    const BOOL passed = CheckOperLines(lines, date, branch, fault);
    ShowCheckedLines(lines);
    if (!passed) {
        ShowLineFault(fault.row, fault.column, fault.message);
        return FALSE;
    }
    m_record.date = date;
    m_record.number = m_strNumber;
    m_record.proposedNumber = KeptProposal(m_strNumber);
    m_record.sum = sum;
    m_record.prim = m_strPrim;
    m_record.branch = branch;
    m_record.lines = std::move(lines);
    return TRUE;
}

void COperByHandView::RememberDefaults()
{
    AfxGetApp()->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
}

void COperByHandView::AfterSave()
{
    OfferNewDocument(IDC_DOC_NAME);
}

void COperByHandView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(0, 40, client.Width(), client.Height() - 81);
    const std::pair<int, int> buttons[] = {{IDOK, 10}, {ID_DELETE_LINE, 210}, {ID_BUH_SPRAVKA, 310}, {IDCANCEL, 410}};
    for (const auto& [id, x] : buttons)
        if (CWnd* button = GetDlgItem(id))
            button->SetWindowPos(nullptr, x, client.Height() - 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

} // namespace nledmark
