#include "LgotyGridView.h"

#include "naddviews.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

#include <vector>

namespace npaymar {

namespace {

enum Column { CODE = 0, NAME = 1, SUM = 2 };

// The book's answer (lParam the chosen code) and the entry row's check.
constexpr UINT kBookAnswer = 0x7E9;
constexpr UINT kEntryRow = 0x7E8;

const char* const kBook = "spr_paymar_lgoty";

// Whether the benefit's sum is typed for each employee.
bool TypedSum(const CString& code)
{
    return GetFromSPR(kBook, code, "ss") == "Да";
}

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

} // namespace

IMPLEMENT_DYNAMIC(CLgotyGridView, CMyFormView1)

BEGIN_MESSAGE_MAP(CLgotyGridView, CMyFormView1)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_MESSAGE(kBookAnswer, OnBookAnswer)
    ON_MESSAGE(kEntryRow, OnEntryRow)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CLgotyGridView, CMyFormView1)
    ON_EVENT(CLgotyGridView, IDC_LGOTY_GRID, 5, OnGridPick, VTS_I2 VTS_I2)
    ON_EVENT(CLgotyGridView, IDC_LGOTY_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(CLgotyGridView, IDC_LGOTY_GRID, 8, OnGridChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CLgotyGridView::CLgotyGridView(UINT nIDTemplate) : CMyFormView1(nIDTemplate) {}

CLgotyGridView::~CLgotyGridView() = default;

void CLgotyGridView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LGOTY_GRID, m_grid);
}

bool CLgotyGridView::Employee(CString& tn) const
{
    CString typed;
    GetDlgItemText(IDC_TN, typed);
    return nvenzol::CheckedNumber(typed, tn) && TnOk(tn);
}

void CLgotyGridView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    Load();
}

void CLgotyGridView::Load()
{
    if (!m_grid.GetSafeHwnd())
        return;
    m_grid.SetNRows(0);
    CString tn;
    if (!Employee(tn)) {
        GetDlgItem(IDC_TN)->SetFocus();
        return;
    }
    std::vector<std::pair<CString, CString>> stored;
    ForEachRow(LoadSql(tn), [&stored](_RecordsetPtr& row) {
        stored.emplace_back(SafeArayToString(row->GetCollect(int(0))), SafeArayToString(row->GetCollect(int(1))));
    });
    m_grid.SetFillingGrid(1);
    for (const auto& [code, sum] : stored) {
        const long row = m_grid.GetNRows();
        m_grid.SetNRows(row + 1);
        m_grid.SetCellValue(CODE, row, code);
        CompleteRow(row);
        if (TypedSum(code))
            m_grid.SetCellValue(SUM, row, sum);
    }
    m_grid.SetFillingGrid(0);
    PostMessage(kEntryRow, WPARAM(&m_grid));
}

void CLgotyGridView::CompleteRow(long row)
{
    const CString code = m_grid.GetCellValue(CODE, row).Trim();
    if (!code.IsEmpty()) {
        m_grid.SetCellValue(NAME, row, GetFromSPR(kBook, code, nullptr));
        if (!TypedSum(code))
            m_grid.SetCellValue(SUM, row, GetFromSPR(kBook, code, "s"));
    }
}

// A code completes its row; any cell filled may have filled the grid.
void CLgotyGridView::OnGridChanged(short col, short row, CString*)
{
    if (col == CODE)
        CompleteRow(row);
    PostMessage(kEntryRow, WPARAM(&m_grid));
}

void CLgotyGridView::OnGridPick(short col, short row)
{
    m_pickedRow = row;
    if (col == CODE)
        CExtFuncs::ShowSpr(kBook, this, 1, 0, nullptr, nullptr, kBookAnswer, 0);
}

LRESULT CLgotyGridView::OnBookAnswer(WPARAM, LPARAM lParam)
{
    m_grid.SetCellValue(CODE, m_pickedRow, FormatText("%d", long(lParam)));
    m_grid.SetCurCell(CODE, m_pickedRow);
    return 0;
}

void CLgotyGridView::OnGridEditStart(short col, short row, CString*, short* cancel)
{
    if (col == SUM && !TypedSum(m_grid.GetCellValue(CODE, row).Trim())) {
        *cancel = 1;
        MessageBeep(0);
    }
}

LRESULT CLgotyGridView::OnEntryRow(WPARAM, LPARAM)
{
    const long rows = m_grid.GetNRows();
    if (rows > 0) {
        for (long row = 0; row < rows; ++row)
            for (long col = CODE; col <= SUM; ++col)
                if (Blank(m_grid.GetCellValue(col, row)))
                    return 0;
    }
    m_grid.SetNRows(rows + 1);
    m_grid.SetCurCell(CODE, rows);
    return 0;
}

BOOL CLgotyGridView::Save()
{
    CWaitCursor wait;
    CString tn;
    if (!Employee(tn)) {
        GetDlgItem(IDC_TN)->SetFocus();
        return FALSE;
    }
    // Every row checked before anything is written: a code of the book, a
    // sum that is a number (or none).
    std::vector<CString> statements = {DeleteSql(tn)};
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString typedCode = m_grid.GetCellValue(CODE, row);
        if (Blank(typedCode))
            continue;
        CString code, sum;
        if (!nvenzol::CheckedNumber(typedCode, code) || !SprOk(kBook, code)) {
            AfxMessageBox(FormatText("Нет такой льготы: строка %d", row + 1), MB_OK | MB_ICONEXCLAMATION);
            m_grid.SetCurCell(CODE, row);
            return FALSE;
        }
        if (!nvenzol::NumberLiteral(m_grid.GetCellValue(SUM, row), sum)) {
            AfxMessageBox(FormatText("Укажите число: Сумма, строка %d", row + 1), MB_OK | MB_ICONEXCLAMATION);
            m_grid.SetCurCell(SUM, row);
            return FALSE;
        }
        statements.push_back(InsertSql(tn, code, sum));
    }
    {
        // The employee's benefits are replaced whole: a failure leaves those stored.
        CDbTransaction save;
        for (const CString& sql : statements)
            if (!ExecuteSql(sql))
                return FALSE;
        if (!save.Commit())
            return FALSE;
    }
    GetDlgItem(IDC_TN)->SetFocus();
    return TRUE;
}

void CLgotyGridView::OnSaveCommand()
{
    Save();
}

} // namespace npaymar
