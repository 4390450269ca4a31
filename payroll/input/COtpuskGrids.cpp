// The vacation form's grids: the pay sheets of each part with their ticks,
// and each part's average laid out in its result grid.
#include "COtpuskView.h"

#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

namespace {

// The result grid's columns: the year, the month and its days, four of each
// ticked sheet, and the total of the sheets.
enum { YEAR = 0, MONTH = 1, DAYS = 2, FIRST_SHEET = 3 };
enum { EARNINGS = 0, PREMIUM = 1, COEFFICIENT = 2, TOTAL = 3, SHEET_COLUMNS = 4 };

const char* const kSheetCaptions[SHEET_COLUMNS] = {"Зарплата", "Премия", "Коэф.", "Итого"};
const long kSheetWidths[SHEET_COLUMNS] = {64, 56, 40, 64};

CString Amount(double value)
{
    return FormatNumber(value, "", 2);
}

} // namespace

CString COtpuskView::SheetSource(int part) const
{
    return ShownTn() + "|" + DMG(Field(IDC_PAY_D1), 1, 0) + "|" + Code(part) + "|" + (m_young ? "1" : "0");
}

void COtpuskView::FillSheetGrid(int part, const CString& stored)
{
    CCellwork& grid = m_sheets[part];
    grid.ClearGrid();
    grid.SetNRows(0);
    m_sheetSource[part] = SheetSource(part);
    const CString tn = ShownTn(), code = Code(part);
    if (tn.IsEmpty() || code.IsEmpty())
        return;
    const VacationMonths period = ComputePlannedDays(tn, Field(IDC_PAY_D1), m_young, false);
    std::vector<VacationSheet> sheets;
    if (period.filter.IsEmpty() || !VacationSheets(period.filter, tn, code, sheets))
        return;
    CString list = stored;
    list.Trim(",");
    list = "," + list + ",";
    std::vector<std::vector<CString>> rows;
    for (const VacationSheet& sheet : sheets)
        rows.push_back({sheet.id, sheet.name});
    grid.SetRows(rows);
    for (size_t row = 0; row < sheets.size(); ++row)
        grid.SetBCheck(long(row), list == ",," || list.Find("," + sheets[row].id + ",") >= 0 ? 1 : 0);
}

void COtpuskView::FillSheetGrids(const CString& mainSheets, const CString& additionalSheets)
{
    FillSheetGrid(0, mainSheets);
    FillSheetGrid(1, additionalSheets);
}

CString COtpuskView::SheetFilter(int part)
{
    // An empty grid, or one filled for another employee, start or code, is
    // filled anew: the sheets still shown keep their ticks.
    if (m_sheets[part].GetNRows() == 0 || m_sheetSource[part] != SheetSource(part)) {
        CString ticked;
        for (const VacationSheet& sheet : TickedSheets(part))
            ticked += (ticked.IsEmpty() ? "" : ",") + sheet.id;
        FillSheetGrid(part, m_sheets[part].GetNRows() == 0 ? CString() : ticked);
    }
    CString ids;
    for (const VacationSheet& sheet : TickedSheets(part))
        ids += (ids.IsEmpty() ? "" : ",") + sheet.id;
    return ids.IsEmpty() ? CString() : " and nv in (" + ids + ")";
}

CString COtpuskView::GetMainSheetFilter()
{
    return SheetFilter(0);
}

CString COtpuskView::GetAdditionalSheetFilter()
{
    return SheetFilter(1);
}

void COtpuskView::ClearResult(int part)
{
    CCellwork& grid = m_results[part];
    grid.ClearGrid();
    grid.SetNRows(0);
    grid.SetNCols(FIRST_SHEET);
}

void COtpuskView::ShowResult(int part)
{
    const VacationPart& figures = m_parts[part];
    CCellwork& grid = m_results[part];
    if (!figures.computed)
        return;
    const long months = long(figures.period.months.size());
    const long sheets = long(figures.sheets.size());
    const long all = FIRST_SHEET + SHEET_COLUMNS * sheets;
    const long totalRow = months + 1, averageRow = months + 2, amountRow = months + 3;
    grid.SetFillingGrid(1);
    grid.SetNCols(all + 1);
    for (long s = 0; s < sheets; ++s)
        for (long c = 0; c < SHEET_COLUMNS; ++c) {
            const long col = FIRST_SHEET + SHEET_COLUMNS * s + c;
            grid.SetColCaption(col, kSheetCaptions[c]);
            grid.SetColWidth(col, kSheetWidths[c]);
            grid.SetColAlign(col, 2);
            grid.SetColHidden(col, 0);
        }
    grid.SetColCaption(all, "Всего");
    grid.SetColWidth(all, 70);
    grid.SetColAlign(all, 2);
    grid.SetColHidden(all, 0);

    // Row 0 names the sheets, rows 1 to N are the months (oldest first, the
    // month's number kept as the row's value), then the three totals.
    std::vector<std::vector<CString>> rows(months + 4, std::vector<CString>(all + 1));
    std::vector<_variant_t> data(months + 4);
    for (long m = 0; m < months; ++m) {
        const VacationMonth& month = figures.period.months[m];
        rows[m + 1][YEAR] = utoa(month.year);
        rows[m + 1][MONTH] = GetMonthName(month.month);
        rows[m + 1][DAYS] = Number(month.days, 0);
        data[m + 1] = _variant_t(long(month.month));
        double total = 0;
        for (const VacationSheetFigures& sheet : figures.sheets)
            for (const VacationSheetMonth& sm : sheet.months)
                if (sm.year == month.year && sm.month == month.month)
                    total += sm.total;
        rows[m + 1][all] = Amount(total);
    }
    rows[totalRow][YEAR] = "итого:";
    rows[totalRow][DAYS] = Number(figures.period.days, 0);
    rows[averageRow][YEAR] = "средне дневная";
    rows[amountRow][YEAR] = "сумма отпуска";
    for (long s = 0; s < sheets; ++s) {
        const VacationSheetFigures& sheet = figures.sheets[s];
        const long col = FIRST_SHEET + SHEET_COLUMNS * s;
        rows[0][col] = sheet.name.IsEmpty() ? sheet.id : sheet.name;
        for (const VacationSheetMonth& sm : sheet.months)
            for (long m = 0; m < months; ++m)
                if (figures.period.months[m].year == sm.year && figures.period.months[m].month == sm.month) {
                    rows[m + 1][col + EARNINGS] = Amount(sm.earnings);
                    rows[m + 1][col + PREMIUM] = Amount(sm.premium);
                    rows[m + 1][col + COEFFICIENT] = Number(sm.coefficient, 0);
                    rows[m + 1][col + TOTAL] = Amount(sm.total);
                }
        rows[totalRow][col + EARNINGS] = Amount(sheet.earnings);
        rows[totalRow][col + PREMIUM] = Amount(sheet.premium);
        rows[totalRow][col + TOTAL] = Amount(sheet.total);
        rows[averageRow][col + COEFFICIENT] = Amount(sheet.average);
        rows[amountRow][col + COEFFICIENT] = Amount(sheet.amount);
    }
    rows[totalRow][all] = Amount(figures.total);
    rows[averageRow][all] = Amount(figures.averages);
    rows[amountRow][all] = Amount(figures.amount);
    grid.SetRows(rows, data);

    grid.SetColumnSpan(YEAR, totalRow, 2);
    grid.SetColumnSpan(YEAR, averageRow, 3);
    grid.SetColumnSpan(YEAR, amountRow, 3);
    for (long row : {totalRow, averageRow, amountRow})
        grid.SetCellAlign(YEAR, row, 0);
    for (long s = 0; s < sheets; ++s) {
        const long col = FIRST_SHEET + SHEET_COLUMNS * s;
        grid.SetColumnSpan(col, 0, SHEET_COLUMNS);
        grid.SetCellFontBold(col, 0, 1);
        grid.SetCellAlign(col, 0, 1);
        grid.SetColumnSpan(col + COEFFICIENT, averageRow, 2);
        grid.SetColumnSpan(col + COEFFICIENT, amountRow, 2);
        // A sheet without premiums shows no premium column.
        grid.SetColHidden(col + PREMIUM, RoundKopecks(figures.sheets[s].premium) == 0 ? 1 : 0);
    }
    grid.SetFillingGrid(0);
    grid.SetCurCell(YEAR, months > 0 ? 1 : 0);
}

} // namespace npaymar
