#include "CNochnyeView.h"

#include "CPaymar.h"
#include "MonthlyGrid.h"
#include "NightHours.h"
#include "appcore.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

enum Column { TN = 0, FIO = 1, NPP = 2, POSITION = 3, HOURS = 4, CODE = 5 };
// The pay-code book's answer, the chosen code in lParam.
constexpr UINT kCodeAnswer = 0x478;
constexpr int kDeleteLine = 32790;

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

} // namespace

IMPLEMENT_DYNCREATE(CNochnyeView, CMyFormView1)

BEGIN_MESSAGE_MAP(CNochnyeView, CMyFormView1)
    ON_WM_SIZE()
    ON_EN_CHANGE(IDC_TN, OnChangeTn)
    ON_EN_CHANGE(IDC_NPP, OnChangeNpp)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(kDeleteLine, OnDeleteCommand)
    ON_MESSAGE(kCodeAnswer, OnCodeAnswer)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CNochnyeView, CMyFormView1)
    ON_EVENT(CNochnyeView, IDC_PAY_GRID, 2, OnGridRowEnter, VTS_I2 VTS_I2 VTS_PI2)
    ON_EVENT(CNochnyeView, IDC_PAY_GRID, 5, OnGridPick, VTS_I2 VTS_I2)
    ON_EVENT(CNochnyeView, IDC_PAY_GRID, 8, OnGridChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CNochnyeView::CNochnyeView() : CMyFormView1(IDD_NOCHNYE) {}

CNochnyeView::~CNochnyeView() = default;

void CNochnyeView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_GRID, m_grid);
}

void CNochnyeView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Ночные часы");
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    Load();
}

void CNochnyeView::Load()
{
    CWaitCursor wait;
    m_grid.SetNRows(0);
    std::vector<std::vector<CString>> rows;
    // A failed read is reported; the lines read before it are shown, but a
    // save would replace the month by them: the list stays closed.
    m_loaded = ReadNightLines(rows);
    rows.emplace_back();
    m_grid.SetRows(rows);
    m_grid.EnableWindow(m_loaded);
    m_grid.SetCurCell(TN, 0);
    m_row = 0;
    m_grid.SetFocus0();
    m_grid.Invalidate();
}

void CNochnyeView::Pick(long col, long row)
{
    if (row < 0 || row >= m_grid.GetNRows())
        return;
    m_pickedRow = row;
    if (col == TN) {
        // Emptied first, so choosing the number it holds still answers.
        SetDlgItemText(IDC_TN, "");
        CExtFuncs::OnTNcmd(this, IDC_TN, nullptr, nullptr, UINT(-1), 0, 1);
    } else if (col == NPP) {
        CString tn;
        if (nvenzol::CheckedNumber(m_grid.GetCellValue(TN, row), tn)) {
            SetDlgItemText(IDC_NPP, "");
            CPaymar::ShowBookList(this, tn);
        }
    } else if (col == CODE) {
        CExtFuncs::ShowSpr("spr_vou", this, 1, 0, nullptr, nullptr, kCodeAnswer, 0);
    }
}

void CNochnyeView::OnGridPick(short col, short row)
{
    Pick(col, row);
}

void CNochnyeView::OnChangeTn()
{
    CString tn;
    GetDlgItemText(IDC_TN, tn);
    if (tn.IsEmpty() || m_pickedRow >= m_grid.GetNRows())
        return;
    m_grid.SetCellValue(TN, m_pickedRow, tn);
    m_grid.SetCurCell(TN, m_pickedRow);
}

void CNochnyeView::OnChangeNpp()
{
    CString npp;
    GetDlgItemText(IDC_NPP, npp);
    if (npp.IsEmpty() || m_pickedRow >= m_grid.GetNRows())
        return;
    m_grid.SetCellValue(NPP, m_pickedRow, npp);
    m_grid.SetCurCell(NPP, m_pickedRow);
}

LRESULT CNochnyeView::OnCodeAnswer(WPARAM, LPARAM lParam)
{
    if (m_pickedRow < m_grid.GetNRows()) {
        m_grid.SetCellValue(CODE, m_pickedRow, FormatText("%d", int(lParam)));
        m_grid.SetCurCell(CODE, m_pickedRow);
    }
    return 0;
}

void CNochnyeView::OnGridChanged(short col, short row, CString*)
{
    if (col == TN || col == NPP)
        FillNames(col, row);
}

void CNochnyeView::FillNames(long col, long row)
{
    CString tn;
    const bool known = nvenzol::CheckedNumber(m_grid.GetCellValue(TN, row), tn);
    if (col == TN) {
        m_grid.SetCellValue(FIO, row, known ? GetFio(tn) : CString());
        // An employee with one position row: its number, and on to the hours.
        if (known && ExecuteCount(FormatText("select count(npp) as cnt from paymar_bux where tn=%s", tn)) == 1) {
            m_grid.SetCellValue(NPP, row, ExecuteString(FormatText("select npp as str from paymar_bux where tn=%s", tn)));
            m_grid.SetCurCell(HOURS, row);
        }
        return;
    }
    CString npp;
    if (known && nvenzol::CheckedNumber(m_grid.GetCellValue(NPP, row), npp))
        m_grid.SetCellValue(POSITION, row,
                            ExecuteString(FormatText("select spr_paymar_dol.name as str from paymar_bux left join "
                                                     "spr_paymar_dol on paymar_bux.dol=spr_paymar_dol.id where "
                                                     "tn=%s and npp=%s",
                                                     tn, npp)));
    else
        m_grid.SetCellValue(POSITION, row, "");
}

void CNochnyeView::OnGridRowEnter(short, short row, short*)
{
    // Another line chosen: the line left may give the entry line, and the
    // cursor stays where the clerk put it.
    const long left = m_row;
    m_row = row;
    if (left != row && left == m_grid.GetNRows() - 1)
        LeaveLine(left, false);
}

void CNochnyeView::LeaveLine(long row, bool moveInto)
{
    const long rows = m_grid.GetNRows();
    if (row != rows - 1)
        return;
    for (long r = 0; r < rows; ++r)
        for (long col : {TN, NPP, HOURS})
            if (Blank(m_grid.GetCellValue(col, r)))
                return;
    m_grid.SetNRows(rows + 1);
    if (moveInto)
        m_grid.SetCurCell(TN, rows);
}

bool CNochnyeView::InGrid(HWND hwnd) const
{
    for (HWND h = hwnd; h; h = ::GetParent(h))
        if (h == m_grid.GetSafeHwnd())
            return true;
    return false;
}

BOOL CNochnyeView::PreTranslateMessage(MSG* pMsg)
{
    const bool key = pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP;
    if (key && pMsg->wParam == VK_F3 && InGrid(pMsg->hwnd)) {
        // F3 in the number columns opens their picker when released.
        const long col = m_grid.GetCurCol();
        if (pMsg->message == WM_KEYUP && (col == TN || col == NPP))
            Pick(col, m_grid.GetCurRow());
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && InGrid(pMsg->hwnd)) {
        // Down from the last line, or Enter past its last cell, leaves it.
        const long row = m_grid.GetCurRow();
        const bool last = row >= 0 && row == m_grid.GetNRows() - 1;
        if (last && (pMsg->wParam == VK_DOWN || (pMsg->wParam == VK_RETURN && m_grid.GetCurCol() == CODE))) {
            LeaveLine(row, true);
            if (m_grid.GetNRows() > row + 1)
                return TRUE;
        }
    }
    return CMyFormView1::PreTranslateMessage(pMsg);
}

void CNochnyeView::DeleteLine()
{
    const long row = m_grid.GetCurRow();
    if (row < 0)
        return;
    if (row < m_grid.GetNRows() - 1) {
        m_grid.RowRemove(row);
    } else {
        for (long col = TN; col <= CODE; ++col)
            m_grid.SetCellValue(col, row, "");
    }
    m_grid.SetFocus0();
}

void CNochnyeView::OnDeleteCommand()
{
    DeleteLine();
}

int CNochnyeView::Write(int ask)
{
    if (!m_loaded)
        return 0;
    std::vector<NightLine> lines;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        lines.push_back({m_grid.GetCellValue(TN, row), m_grid.GetCellValue(NPP, row), m_grid.GetCellValue(HOURS, row),
                         m_grid.GetCellValue(CODE, row)});
    long row = 0, col = 0;
    CString message;
    bool checked = false;
    {
        CWaitCursor wait;
        checked = CheckNightLines(lines, row, col, message);
    }
    if (!checked) {
        RefuseCell(m_grid, col, row, message);
        return 0;
    }
    if (ask && AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    BOOL written = FALSE;
    {
        CWaitCursor wait;
        written = WriteNightLines(lines);
    }
    if (!written)
        return 0;
    OnCancel();
    return 1;
}

void CNochnyeView::OnSaveCommand()
{
    Write(1);
}

void CNochnyeView::OnSize(UINT nType, int cx, int cy)
{
    CMyFormView1::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    const int height = std::max(0, int(client.Height()));
    m_grid.MoveWindow(0, 0, client.Width(), std::max(0, height - 35));
    // The buttons in a row under the grid.
    const struct {
        int id;
        int x;
    } buttons[] = {{IDOK, 10}, {kDeleteLine, 200}, {IDCANCEL, 400}};
    for (const auto& button : buttons)
        if (CWnd* item = GetDlgItem(button.id)) {
            CRect r;
            item->GetWindowRect(&r);
            item->MoveWindow(button.x, height - 25, r.Width(), r.Height());
        }
    m_grid.Invalidate();
}

} // namespace npaymar
