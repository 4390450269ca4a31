#include "MarkColumn.h"

#include "appcore.h"
#include "ndbcore.h"

#include <algorithm>

namespace nperso {

namespace {

bool BeginsWithDigit(const CString& text)
{
    return !text.IsEmpty() && text[0] >= '0' && text[0] <= '9';
}

// "8.00", "12.50", "0.50": a number already as NormalisedMark writes it (as
// stored marks are), which a fill of the day's rows meets in almost every row.
bool IsWrittenMark(const QString& mark)
{
    const qsizetype n = mark.size();
    if (n < 4 || n > 9 || mark[n - 3] != QLatin1Char('.') || (mark[0] == QLatin1Char('0') && n > 4))
        return false;
    for (qsizetype i = 0; i < n; ++i)
        if (i != n - 3 && (mark[i] < QLatin1Char('0') || mark[i] > QLatin1Char('9')))
            return false;
    return true;
}

} // namespace

CString NormalisedMark(const CString& typed)
{
    if (IsWrittenMark(typed.ToQString()))
        return typed;
    CString mark = typed;
    mark.Trim();
    if (!BeginsWithDigit(mark))
        return mark;
    // The mark cell is a text cell (it holds codes too), so a typed decimal
    // comma reaches here as it was typed; it is read as the point.
    mark.Replace(",", ".");
    return FormatNumber(atof(mark), "", 2);
}

CString ShownMark(const CString& text)
{
    return BeginsWithDigit(text) ? NormalisedMark(text) : text;
}

BOOL IsMarkCode(const CString& text)
{
    return ExecuteCount("select count(*) as cnt from uo where id=" + NullStr(text)) > 0;
}

void MarkColumn::EditStarting(short col, CString* text, short* cancel) const
{
    if (col != m_column) {
        *cancel = 1;
        return;
    }
    if (text->IsEmpty())
        *text = m_last;
}

void MarkColumn::Choose(CWnd* view, int codeEdit, short col, short row)
{
    if (col != m_column)
        return;
    m_row = row;
    CHelpers::GetInSpr("uo", view, codeEdit, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

BOOL MarkColumn::TakeChosen(const CString& code)
{
    if (code.IsEmpty() || m_row < 0 || m_row >= m_grid.GetNRows())
        return FALSE;
    m_grid.SetCellValue(m_column, m_row, code);
    m_grid.SetCurCell(m_column, m_row);
    m_last = code;
    return TRUE;
}

BOOL MarkColumn::TakeChosenFrom(CWnd* view, int codeEdit)
{
    CString code;
    view->GetDlgItemText(codeEdit, code);
    if (code.IsEmpty())
        return FALSE;
    const BOOL taken = TakeChosen(code);
    view->SetDlgItemText(codeEdit, "");
    return taken;
}

void MarkColumn::Changed(short col, CString* text) const
{
    if (col != m_column)
        return;
    const CString mark = ShownMark(*text);
    if (mark != *text)
        *text = mark;
}

BOOL MarkColumn::Edited(short col, short row, CString* text)
{
    if (col != m_column)
        return FALSE;
    const CString mark = NormalisedMark(*text);
    if (!mark.IsEmpty() && !BeginsWithDigit(mark) && !IsMarkCode(mark)) {
        // Payroll would count an unknown code as a day not worked.
        AfxMessageBox(FormatText("Нет такой отметки в справочнике: %s", mark), MB_OK | MB_ICONEXCLAMATION);
        *text = m_grid.GetCellValue(m_column, row);
        return FALSE;
    }
    *text = mark;
    m_last = mark;
    return TRUE;
}

void MarkColumn::Fill(std::vector<std::vector<CString>> rows)
{
    std::vector<_variant_t> stored(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        std::vector<CString>& cells = rows[row];
        if (cells.size() <= static_cast<std::size_t>(m_column))
            cells.resize(static_cast<std::size_t>(m_column) + 1);
        CString& mark = cells[static_cast<std::size_t>(m_column)];
        stored[row] = _variant_t(mark.ToQString());
        mark = ShownMark(mark);
    }
    m_grid.SetRows(rows, stored);
}

void MarkColumn::SetStored(long row, const CString& mark)
{
    m_grid.SetRowData(row, _variant_t(mark.ToQString()));
}

BOOL MarkColumn::RowChanged(long row) const
{
    return m_grid.GetCellValue(m_column, row).ToQString() != m_grid.GetRowData(row).text();
}

void MarkColumn::KeepAll()
{
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        SetStored(row, m_grid.GetCellValue(m_column, row));
}

void PlaceSheetGrid(CWnd* view, CCellwork& grid, int band, std::initializer_list<int> lowest)
{
    if (!grid.GetSafeHwnd())
        return;
    CRect client;
    view->GetClientRect(&client);
    for (int id : lowest) {
        if (CWnd* field = view->GetDlgItem(id)) {
            CRect rect;
            field->GetWindowRect(&rect);
            view->ScreenToClient(&rect);
            band = std::max(band, int(rect.bottom) + 6);
        }
    }
    grid.MoveWindow(0, band, client.Width(), std::max(0, int(client.Height()) - band));
}

BOOL SaveOrDropMarks(CDocument* document, const std::function<int()>& write, bool canCancel)
{
    if (!document || !document->IsModified())
        return TRUE;
    const int answer =
        AfxMessageBox("Записать изменения ? ", (canCancel ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONQUESTION);
    if (answer == IDNO) {
        document->SetModifiedFlag(FALSE);
        return TRUE;
    }
    return answer == IDYES && write() != 0;
}

} // namespace nperso
