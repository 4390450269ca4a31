#include "AnalyticCells.h"

#include "AccountDimensions.h"
#include "CCellwork.h"
#include "OperByHandLines.h"
#include "ledmark.h"

namespace nledmark {

namespace {

void SetCell(CCellwork& grid, int col, long row, const CString& text)
{
    if (grid.GetCellValue(col, row) != text)
        grid.SetCellValue(col, row, text);
}

} // namespace

void ShowAnalyticCells(CCellwork& grid, long row, int firstCol, const CString& account, const CString& ekr)
{
    const bool valid = !account.IsEmpty() && GL_Valid_Sch(account, 0, -1);
    for (int k = 1; k <= 3; ++k) {
        const int col = firstCol + k - 1;
        const CString table = valid ? DimensionTable(account, k) : CString();
        if (table.IsEmpty()) {
            SetCell(grid, col, row, CString());
            grid.SetCellEditable(col, row, 0);
            continue;
        }
        grid.SetCellEditable(col, row, 1);
        if (table == "spr_ekr" && !ekr.IsEmpty() && grid.GetCellValue(col, row).IsEmpty())
            SetCell(grid, col, row, ekr);
        if (grid.GetCellValue(col, row).IsEmpty())
            SetCell(grid, col, row, kAnalyticPlaceholder);
    }
}

} // namespace nledmark
