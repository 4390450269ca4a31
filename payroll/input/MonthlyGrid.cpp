#include "MonthlyGrid.h"

#include "gridbase.h"
#include "ndbcore.h"
#include "tariffication/StaffNumbers.h"

#include <set>

namespace npaymar {

CString MonthStartLiteral()
{
    return ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0);
}

CString ShownFigure(const CString& stored)
{
    return stored.IsEmpty() ? stored : ftoa(atof(stored));
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

CString PositionKeyRefusal(long row, const CString& key)
{
    return FormatText("Строка %ld: «%s» не указывает должность работника", row + 1, key);
}

CString FigureRefusal(long row, const CString& tn, const char* caption, const CString& text)
{
    return FormatText("Строка %ld, таб. № %s: в графе «%s» не число: «%s»", row + 1, tn, caption, text);
}

CString NumberList(const std::vector<CString>& numbers)
{
    std::set<long> distinct;
    for (const CString& number : numbers)
        distinct.insert(atol(number));
    CString list;
    for (long number : distinct)
        list += FormatText(list.IsEmpty() ? "%ld" : ",%ld", number);
    return list;
}

void FocusCodeField(CEdit& field)
{
    field.SetFocus();
    field.SetSel(0, -1);
    field.SendMessage(EM_SCROLLCARET, 0, 0);
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
