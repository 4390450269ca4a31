#include "MonthLists.h"

#include "CheckLists.h"
#include "appcore.h"
#include "ndbcore.h"

namespace npaymar {

void FillMonthList(CCellwork& grid, const char* table)
{
    naddviews::FillList(grid,
                        FormatText("select distinct ms from %s where g=%d group by ms order by ms", table, g_lYear),
                        {"ms"});
}

void NameMonthRow(CCellwork& grid, short col, short row, const CString& text)
{
    if (col == 0)
        grid.SetCellValue(1, row, GetMonthName(atol(text)));
}

CString MonthCondition(const CCellwork& grid)
{
    return naddviews::ListClause(grid, "paymar_NUz.ms=%s");
}

void RunFill(CCellwork& grid, const char* where, const std::function<void()>& fill)
{
    try {
        fill();
    } catch (...) {
        AfxReportCurrentException(where);
    }
    if (grid.GetNRows() > 0)
        grid.SetCurCell(0, 0);
    if (grid.GetSafeHwnd())
        grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

} // namespace npaymar
