#include "CalculationSheet.h"

#include "ndbcore.h"

namespace npaymar {

BOOL WriteEarningsHalf(PayrollPage& page, const CString& total, const std::vector<const char*>& heads,
                       const CCellwork& months, const CString& averageDaily)
{
    BOOL written = page.Write(FormatText("<tr><td colspan=5 align=right><b>Итого начислено:</b></td><td "
                                         "align=right>&nbsp;%s&nbsp;</td></tr></table><br><br>Дата расчета: %s</td>",
                                         HtmlText(total), DMGtoStr(COleDateTime::GetCurrentTime())));
    CString head = "<td width=50% align=right><table border=1 cellpadding=0 cellspacing=0><tr>";
    for (const char* text : heads)
        head += FormatText("<td align=center><b>%s</b></td>", HtmlText(text));
    written = written && page.Write(head + "</tr>");
    const long columns = long(heads.size());
    for (long row = 0; written && row < months.GetNRows(); ++row) {
        CString line = "<tr>";
        for (long col = 0; col < columns; ++col)
            line += FormatText(col <= 1 ? "<td>&nbsp;%s&nbsp;</td>" : "<td align=right>&nbsp;%s&nbsp;</td>",
                               HtmlText(months.GetCellValue(col, row)));
        written = page.Write(line + "</tr>");
    }
    // The average stands under the earnings; the columns after them stay empty.
    CString average = FormatText("<tr><td colspan=3>Средне дн.фак.зар-к</td><td align=right>%s</td>",
                                 HtmlText(averageDaily));
    for (long col = 4; col < columns; ++col)
        average += "<td align=right>&nbsp;</td>";
    written = written && page.Write(average + "</tr></table>");
    return written && page.Write("</td></tr></table>");
}

} // namespace npaymar
