#include "CSprJrnOperView.h"

#include "CLedmark.h"
#include "FormTitle.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CSprJrnOperView, CderivedFormview)

namespace {

constexpr UINT kJournalMsg = 0x464;   // the chosen journal
constexpr UINT kEmptyRowMsg = 0x465;  // keep one empty row at the end
constexpr UINT kSintMsg = 0x466;      // the pickers of columns 0, 1, 2
constexpr UINT kAnalMsg = 0x467;
constexpr UINT kKosguMsg = 0x468;
constexpr long kNoRow = 65535;

// A mask part: empty where it may be, else exactly that many digits.
bool MaskPart(const CString& text, int digits, bool required)
{
    if (text.IsEmpty())
        return !required;
    return text.GetLength() == digits && IsDigitsOnly(text);
}

} // namespace

BEGIN_MESSAGE_MAP(CSprJrnOperView, CderivedFormview)
    ON_COMMAND(IDC_JRN_CHOOSE, OnChooseJournal)
    ON_MESSAGE(kJournalMsg, OnJournalChosen)
    ON_MESSAGE(kEmptyRowMsg, OnKeepEmptyRow)
    ON_MESSAGE(kSintMsg, OnSintChosen)
    ON_MESSAGE(kAnalMsg, OnAnalChosen)
    ON_MESSAGE(kKosguMsg, OnKosguChosen)
    ON_COMMAND(ID_DELETE_LINE, OnClearRow)
    ON_COMMAND(IDOK, OnSave)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSprJrnOperView, CderivedFormview)
    ON_EVENT(CSprJrnOperView, IDC_LINES, 5, OnGridChooser, VTS_I2 VTS_I2)
    ON_EVENT(CSprJrnOperView, IDC_LINES, 8, OnGridChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CSprJrnOperView::CSprJrnOperView() : CderivedFormview(IDR_SPR_JRN_OPER) {}

CSprJrnOperView::~CSprJrnOperView() = default;

void CSprJrnOperView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
}

void CSprJrnOperView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Журналы операций");
    m_grid.SetNRows(0);
    ResizeParentToFit(FALSE);
    m_grid.KeepRatio();
}

CString CSprJrnOperView::Cell(int col, long row) const
{
    return m_grid.GetCellValue(col, row).Trim();
}

void CSprJrnOperView::OnChooseJournal()
{
    CHelpers::GetInSpr("spr_jrn_oper", this, -1, nullptr, kJournalMsg, 0, 0, nullptr, nullptr, 0);
}

LRESULT CSprJrnOperView::OnJournalChosen(WPARAM wParam, LPARAM)
{
    LoadJournal(long(wParam));
    return 0;
}

void CSprJrnOperView::LoadJournal(long id)
{
    m_id = id;
    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    SetDlgItemText(IDC_NUMBER, ExecuteString(FormatText("select num as str from spr_jrn_oper where id=%d", id)));
    SetDlgItemText(IDC_JRN_NAME, ExecuteString(FormatText("select name as str from spr_jrn_oper where id=%d", id)));
    const long book = (long)ExecuteCount(FormatText("select sb as cnt from spr_jrn_oper where id=%d", id));
    SetDlgItemText(IDC_JRN_SB, I_GetSprName(book));
    ForEachRow(FormatText("select col1,col2,col3 from spr_jrn_oper1 where id=%d order by real_id", id),
               [&](_RecordsetPtr& rs) {
                   const long row = m_grid.GetNRows();
                   m_grid.SetNRows(row + 1);
                   m_grid.SetCellValue(JRN_SINT, row, SafeArayToString(rs->GetCollect("col1")));
                   m_grid.SetCellValue(JRN_ANAL, row, SafeArayToString(rs->GetCollect("col2")));
                   m_grid.SetCellValue(JRN_KOSGU, row, SafeArayToString(rs->GetCollect("col3")));
               });
    m_grid.SetFillingGrid(0);
    PostMessage(kEmptyRowMsg);
}

LRESULT CSprJrnOperView::OnKeepEmptyRow(WPARAM, LPARAM)
{
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (Cell(JRN_SINT, row).IsEmpty())
            return 0;
    m_grid.SetNRows(m_grid.GetNRows() + 1);
    return 0;
}

void CSprJrnOperView::OnGridChooser(short col, short)
{
    const long row = m_grid.GetCurRow();
    if (row < 0 || col < JRN_SINT || col > JRN_KOSGU)
        return;
    m_rows[col] = row;
    if (col == JRN_SINT)
        CLedmark::GetSint(this, UINT(-1), kSintMsg);
    else if (col == JRN_ANAL)
        CLedmark::GetAnalit(this, UINT(-1), kAnalMsg, Cell(JRN_SINT, row));
    else
        CLedmark::GetKOSGU(this, UINT(-1), kKosguMsg, Cell(JRN_SINT, row), Cell(JRN_ANAL, row));
}

// A picker's answer goes into the row it was opened for, whatever row the
// user stands on meanwhile.
void CSprJrnOperView::TakeMask(int col, LPARAM lParam)
{
    const long row = m_rows[col];
    m_rows[col] = kNoRow;
    if (row < 0 || row >= m_grid.GetNRows())
        return;
    m_grid.SetCellValue(col, row, reinterpret_cast<const char*>(lParam));
    m_grid.SetCurCell(col, row);
}

LRESULT CSprJrnOperView::OnSintChosen(WPARAM, LPARAM lParam)
{
    TakeMask(JRN_SINT, lParam);
    return 0;
}

LRESULT CSprJrnOperView::OnAnalChosen(WPARAM, LPARAM lParam)
{
    TakeMask(JRN_ANAL, lParam);
    return 0;
}

LRESULT CSprJrnOperView::OnKosguChosen(WPARAM, LPARAM lParam)
{
    TakeMask(JRN_KOSGU, lParam);
    return 0;
}

void CSprJrnOperView::OnGridChanged(short col, short, CString*)
{
    if (col == JRN_SINT)
        PostMessage(kEmptyRowMsg);
}

void CSprJrnOperView::OnClearRow()
{
    if (AfxMessageBox("Удалить эту строку ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const long row = m_grid.GetCurRow();
    if (row < 0)
        return;
    for (int col = JRN_SINT; col <= JRN_KOSGU; ++col)
        m_grid.SetCellValue(col, row, "");
}

BOOL CSprJrnOperView::CheckMasks()
{
    struct Part {
        int col;
        int digits;
        bool required;
        const char* message;
    };
    const Part parts[] = {
        {JRN_SINT, 3, true, "Синтетический счет: три цифры"},
        {JRN_ANAL, 2, false, "Аналитический счет: две цифры"},
        {JRN_KOSGU, 3, false, "Код КОСГУ: три цифры"},
    };
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (Cell(JRN_SINT, row).IsEmpty())
            continue;
        for (const Part& p : parts) {
            if (MaskPart(Cell(p.col, row), p.digits, p.required))
                continue;
            AfxMessageBox(p.message);
            m_grid.SetFocus();
            m_grid.SetCurCell(p.col, row);
            return FALSE;
        }
    }
    return TRUE;
}

void CSprJrnOperView::OnSave()
{
    CWaitCursor wait;
    if (m_id == -1) {
        AfxMessageBox("Выберите журнал операций");
        return;
    }
    if (!CheckMasks())
        return;
    CString batch = FormatText("delete from spr_jrn_oper1 where id=%d\n", m_id);
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString sint = Cell(JRN_SINT, row);
        if (sint.IsEmpty())
            continue;
        batch += FormatText("insert into spr_jrn_oper1 (id,col1,col2,col3) values (%d,'%s',%s,%s)\n", m_id,
                            MakeSqlStr(sint), NullStr(Cell(JRN_ANAL, row)), NullStr(Cell(JRN_KOSGU, row)));
    }
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ExecuteSql(batch);
}

} // namespace nledmark
