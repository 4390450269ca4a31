#include "MonthlyGrid.h"

#include "gridbase.h"
#include "ndbcore.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

CString MonthStartLiteral()
{
    return ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0);
}

bool CellFigure(const CString& text, CString& sql)
{
    return nvenzol::NumberLiteral(text, sql) && !sql.ToQString().startsWith('-');
}

bool SplitPositionKey(const CString& key, CString& tn, CString& npp)
{
    if (key.Find('.') < 0)
        return false;
    return nvenzol::CheckedNumber(GetPart(key, ".", 1), tn) && nvenzol::CheckedNumber(GetPart(key, ".", 2), npp);
}

CString NumberList(const std::vector<CString>& numbers)
{
    CString list;
    for (const CString& number : numbers)
        list += (list.IsEmpty() ? "" : ",") + number;
    return list;
}

void RefuseCell(CCellwork& grid, long col, long row, const CString& message)
{
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    grid.SetCurCell(col, row);
    grid.SetFocus0();
}

void PlaceMonthlyGrid(CWnd* form, CCellwork& grid, int band)
{
    if (!grid.GetSafeHwnd())
        return;
    CRect client;
    form->GetClientRect(&client);
    grid.MoveWindow(0, band, client.Width(), std::max(0, int(client.Height()) - band));
    grid.Invalidate();
}

} // namespace npaymar
