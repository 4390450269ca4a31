#include "CodeRows.h"

#include "CCellwork.h"
#include "gridbase.h"

namespace nledmark {

void FillRowsWithCodes(CCellwork& grid, int col, long first, const CString& codes,
                       const std::function<void(long)>& filled)
{
    if (codes.IsEmpty() || first < 0 || first >= grid.GetNRows())
        return;
    CWaitCursor wait;
    grid.SetFillingGrid(1);
    long row = first;
    for (int k = 1; k <= Length(codes, ",") && row >= 0; ++k) {
        grid.SetCellValue(col, row, GetPart(codes, ",", k));
        filled(row);
        row = -1;
        for (long r = grid.GetNRows() - 1; r >= 0 && row < 0; --r)
            if (grid.GetCellValue(col, r).IsEmpty())
                row = r;
    }
    grid.SetFillingGrid(0);
}

void KeepOneEmptyRow(CCellwork& grid, int col)
{
    for (long row = 0; row < grid.GetNRows(); ++row)
        if (grid.GetCellValue(col, row).IsEmpty())
            return;
    grid.SetNRows(grid.GetNRows() + 1);
}

} // namespace nledmark
