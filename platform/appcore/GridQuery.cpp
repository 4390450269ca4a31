#include "GridQuery.h"

#include "gridbase.h"
#include "ndbcore.h"

#include <algorithm>

namespace appcore {

namespace {

// The query's columns share the grid's width by the length of their longest
// text (caption or cell), so a name is not cut to the width of a number.
void WidenColumnsToTheirTexts(CCellwork& grid)
{
    constexpr int kCharWidth = 8, kMinChars = 4, kMaxChars = 60;
    for (long col = 0; col < grid.GetNCols(); ++col) {
        int chars = grid.GetColCaption(col).GetLength();
        for (long row = 0; row < grid.GetNRows(); ++row)
            chars = std::max(chars, grid.GetCellValue(col, row).GetLength());
        grid.SetColWidth(col, std::clamp(chars, kMinChars, kMaxChars) * kCharWidth);
    }
}

} // namespace

BOOL FillGridFromQuery(CCellwork& grid, const char* sql, bool takeColumns)
{
    grid.SetNRows(0);
    // Through the layer: a connection the server dropped is opened again.
    _RecordsetPtr rs = ExecuteRows(sql);
    if (!rs)
        return FALSE;
    try {
        long cols = rs->GetFields()->GetCount();
        if (takeColumns) {
            grid.ClearGrid();
            grid.SetNCols(cols);
            for (long col = 0; col < cols; ++col)
                grid.SetColCaption(col, CString(rs->GetFields()->GetItem(col)->GetName()));
        } else if (cols > grid.GetNCols()) {
            cols = grid.GetNCols();
        }
        for (long row = 0; !rs->GetadoEOF(); rs->MoveNext(), ++row) {
            grid.SetNRows(row + 1);
            for (long col = 0; col < cols; ++col)
                grid.SetCellValue(col, row, SafeArayToString(rs->GetFields()->GetItem(col)->GetValue()));
        }
    } catch (const _com_error& e) {
        grid.SetNRows(0);
        ReportDBError(e, 1, nullptr);
        return FALSE;
    }
    if (takeColumns)
        WidenColumnsToTheirTexts(grid);
    grid.SetBCheckAll(0);
    return TRUE;
}

void PlaceGridAndButtons(CWnd* form, CWnd* grid, std::initializer_list<int> buttons,
                         std::initializer_list<int> leftButtons)
{
    if (!form || !grid || !grid->GetSafeHwnd())
        return;
    CRect client;
    form->GetClientRect(&client);
    const int height = client.Height() > kButtonStrip ? client.Height() - kButtonStrip : client.Height();
    grid->MoveWindow(0, 0, client.Width(), height);
    int right = client.Width() - 5;
    for (int id : buttons) {
        CWnd* button = form->GetDlgItem(id);
        if (!button)
            continue;
        CRect place;
        button->GetWindowRect(&place);
        right -= place.Width();
        button->SetWindowPos(nullptr, right, height + 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        right -= 5;
    }
    int left = 5;
    for (int id : leftButtons) {
        CWnd* button = form->GetDlgItem(id);
        if (!button)
            continue;
        CRect place;
        button->GetWindowRect(&place);
        button->SetWindowPos(nullptr, left, height + 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        left += place.Width() + 5;
    }
}

} // namespace appcore
