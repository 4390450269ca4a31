#include "EmployeePages.h"

#include "CheckLists.h"
#include "gridbase.h"

namespace npaymar {

const char* const kPayrollPageBreak = "<P style=\"page-break-before: always\">";

BOOL ShowEmployeePages(const EmployeePageLook& look, const std::vector<long>& employees, int direct,
                       const EmployeeText& text, const EmployeeWriter& writer)
{
    PayrollPage page(direct ? look.directStyleSize : look.styleSize, look.headTitle);
    if (!page.Start())
        return FALSE;
    for (long tn : employees) {
        CString body, why;
        const bool whole = text(tn, body, why);
        const BOOL written = writer ? writer(page, body) : page.WritePiece(body);
        if (!written || (look.breakAfterEach && !page.Write(kPayrollPageBreak)))
            return FALSE;
        if (!whole) {
            page.MarkCut(why);
            break;
        }
    }
    return page.Show(look.viewerTitle, direct && look.directPrints ? -2 : -1, look.landscape) != 0;
}

std::vector<long> TickedNumbers(const CCellwork& grid)
{
    std::vector<long> numbers;
    for (long row = 0; row < grid.GetNRows(); ++row) {
        if (!grid.GetBCheck(row))
            continue;
        const CString number = naddviews::WholeNumber(grid.GetCellValue(0, row));
        if (!number.IsEmpty())
            numbers.push_back(atol(number));
    }
    return numbers;
}

CString StripPager::Next(const CString& strip)
{
    CString written = strip;
    int rows = int(Length(strip, "<tr"));
    if (rows <= 4) {
        written += "<br>";
        ++rows;
    }
    m_count += rows;
    if (m_count > 56) {
        written += kPayrollPageBreak;
        m_count = 0;
    }
    return written;
}

} // namespace npaymar
