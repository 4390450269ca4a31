#include "LboMonthPages.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <array>
#include <map>

namespace nledmark {

namespace {

// The conditions of a run, each " and ..." or "".
struct Conditions {
    CString kbkDebit, kbkCredit;
    CString assigSource, assigDivision;
    CString debitSource, creditSource;
    CString debitDivision, creditDivision;
    CString divisionLine;
};

Conditions ConditionsOf(const LboMonthFilter& filter)
{
    Conditions c;
    KbkListCondition(filter.kbkList, "deb", c.kbkDebit);
    KbkListCondition(filter.kbkList, "kred", c.kbkCredit);
    if (filter.source != 0) {
        c.assigSource = FormatText(" and ifin=%d", filter.source);
        c.debitSource = TextColumnEquals("deb0", filter.source);
        c.creditSource = TextColumnEquals("kred0", filter.source);
    }
    const CString division = CString(filter.division).Trim();
    if (!division.IsEmpty()) {
        const long id = atol(division);
        c.assigDivision = FormatText(" and prd=%d", id);
        c.debitDivision = TextColumnEquals("deb_sb2", id);
        c.creditDivision = TextColumnEquals("kred_sb2", id);
        c.divisionLine = "<br><b>Подразделение</b>: " + GetFromSPR("spr_prd", FormatText("%d", id), nullptr);
    }
    return c;
}

CString BranchCondition(int branch)
{
    return FormatText(" and (%d=-2 or fil_id=%d)", branch, branch);
}

CString TitleBlock(const char* title, const LboMonthFilter& filter, const Conditions& c)
{
    CString page = FormatText("<table cellpadding=0 cellspacing=0 border=0 width=100%%><tr><td><b>%s</b></td></tr>"
                              "<tr><td><table width=100%%>",
                              title);
    // The title's cells span no columns of the page table: the report table
    // below stands in the outer table's one column and takes its whole width.
    page += FormatText("<tr><td><b>Учреждение (централизованная бухгалтерия)</b>: %s<br>"
                       "<b>Источник финансирования</b>: %s%s<br></td>"
                       "<td align=right valign=top>&nbsp;</td></tr></table></td></tr>",
                       (LPCTSTR)GetFilName(filter.branch), (LPCTSTR)GL_GetCol0_Name(FormatText("%d", filter.source)),
                       (LPCTSTR)c.divisionLine);
    return page;
}

const char* NextColour(const CString& colour)
{
    return colour == "#eeeeee" ? "#dddddd" : "#eeeeee";
}

// ---------------------------------------------------------------------------
// Planned limits: 42 running sums per code (1-based), four quarter blocks of
// ten: assignments, three months, the quarter's limit slot (unused).

using PlanSums = std::array<double, 43>;

int QuarterBase(int month)
{
    return 3 + 10 * ((month - 1) / 3);
}

int MonthTotalSum(int month)
{
    return QuarterBase(month) + 2 + 2 * ((month - 1) % 3);
}

bool FirstOfMonth(const COleDateTime& date)
{
    return date.GetStatus() == COleDateTime::valid && date.GetDay() == 1;
}

// The 44 printed values of a code's sums, columns 2 to 45.
std::array<double, 44> PlanColumns(const PlanSums& s)
{
    std::array<double, 44> v{};
    v[0] = s[1];
    v[1] = s[2];
    double yearTotal = 0, yearChanges = 0;
    for (int q = 0; q < 4; ++q) {
        const int base = 3 + 10 * q;
        double total = 0, changes = 0;
        for (int m = 0; m < 3; ++m) {
            total += s[base + 2 + 2 * m];
            changes += s[base + 3 + 2 * m];
        }
        double* out = &v[2 + 10 * q];
        for (int k = 0; k < 8; ++k)
            out[k] = s[base + k];
        out[8] = total;
        out[9] = changes;
        yearTotal += total;
        yearChanges += changes;
    }
    v[42] = yearTotal;
    v[43] = yearChanges;
    return v;
}

// The colour of a column 2..45, "" for none.
const char* PlanColumnColour(int column)
{
    if (column <= 3)
        return "#7FFF00";
    if (column >= 44)
        return "";
    const int k = (column - 4) % 10;
    return k < 2 ? "cyan" : k >= 8 ? "yellow" : "";
}

CString ColourAttr(const char* colour)
{
    return *colour ? FormatText(" bgcolor=%s", colour) : CString();
}

CString PlanHeader()
{
    static const char* const kQuarters[] = {"I", "II", "III", "IV"};
    static const char* const kMonths[] = {"январь", "февраль", "март", "апрель", "май", "июнь",
                                          "июль", "август", "сентябрь", "октябрь", "ноябрь", "декабрь"};
    CString h = "<tr><td><table cellpadding=0 cellspacing=0 border=1 width=100%><tr bgcolor=#CCCCFF>"
                "<td rowspan=3 align=center>ЭКР</td>"
                "<td colspan=2 rowspan=2 align=center bgcolor=#7FFF00>Бюджетные ассигнования на год</td>";
    for (const char* q : kQuarters)
        h += FormatText("<td colspan=10 align=center>%s квартал</td>", q);
    h += "<td colspan=2 rowspan=2 align=center>Итого лимиты на год</td></tr><tr bgcolor=#CCCCFF>";
    for (int q = 0; q < 4; ++q) {
        h += FormatText("<td colspan=2 align=center bgcolor=cyan>Ассигнования %s кв.</td>", kQuarters[q]);
        for (int m = 0; m < 3; ++m)
            h += FormatText("<td colspan=2 align=center>Лимит на %s</td>", kMonths[3 * q + m]);
        h += FormatText("<td colspan=2 align=center bgcolor=yellow>Лимит на %s кв.</td>", kQuarters[q]);
    }
    h += "</tr><tr bgcolor=#CCCCFF>";
    for (int column = 2; column <= 45; column += 2) {
        const char* colour = PlanColumnColour(column);
        const bool assignment = column <= 5 || (column - 4) % 10 == 0;
        const CString attr = ColourAttr(colour);
        if (assignment)
            h += FormatText("<td align=center nowrap%s>&nbsp;Утв-ны&nbsp;</td>", (LPCTSTR)attr);
        else
            h += FormatText("<td align=center%s>&nbsp;принято&nbsp;</td>", (LPCTSTR)attr);
        h += FormatText("<td align=center%s>&nbsp;изменения&nbsp;</td>", (LPCTSTR)attr);
    }
    h += "</tr><tr bgcolor='#dddddd'><td align=center>1</td>";
    for (int column = 2; column <= 45; ++column)
        h += FormatText("<td align=center%s>%d</td>", (LPCTSTR)ColourAttr(PlanColumnColour(column)), column);
    return h + "</tr>";
}

CString PlanRow(const CString& colour, const CString& first, const std::array<double, 44>& values)
{
    CString row = FormatText("<tr bgcolor='%s'>%s", (LPCTSTR)colour, (LPCTSTR)first);
    for (int column = 2; column <= 45; ++column)
        row += FormatText("<td align=right nowrap%s>%s&nbsp;</td>", (LPCTSTR)ColourAttr(PlanColumnColour(column)),
                          (LPCTSTR)ftoa0(values[column - 2]));
    return row + "</tr>";
}

} // namespace

CString CheckLboMonthFilter(const LboMonthFilter& filter)
{
    CString condition, bad;
    if (!KbkListCondition(filter.kbkList, "deb", condition, &bad))
        return "Неверный код КБК в списке: " + bad;
    const CString division = CString(filter.division).Trim();
    if (!division.IsEmpty() && !IsWholeNumber(division))
        return "Неверный код подразделения: " + division;
    return CString();
}

std::vector<CString> PlannedLimitsQueries(const LboMonthFilter& filter)
{
    const Conditions c = ConditionsOf(filter);
    const CString branch = BranchCondition(filter.branch);
    std::vector<CString> queries{FormatText(
        "select d,tiplim,grid from ledmark_budg_assig where (tiplim=1 or tiplim=2)%s%s%s%s%s%s",
        (LPCTSTR)DateRange(FirstDay(filter.year, 0), LastDay(filter.year, 0)), (LPCTSTR)c.assigSource, (LPCTSTR)branch,
        (LPCTSTR)c.kbkDebit, (LPCTSTR)c.kbkCredit, (LPCTSTR)c.assigDivision)};
    for (int month = 1; month <= 12; ++month)
        queries.push_back(FormatText(
            "select d,kred_sb1,sum(s) as s from ledmark_provodki where kred1='501' and kred2='03' and kred_sb1 is not null"
            "%s%s%s%s%s group by d,kred_sb1",
            (LPCTSTR)DateRange(FirstDay(filter.year, month), LastDay(filter.year, month)), (LPCTSTR)c.creditSource,
            (LPCTSTR)branch, (LPCTSTR)c.kbkCredit, (LPCTSTR)c.creditDivision));
    return queries;
}

std::vector<CString> LimitsExecutionQueries(const LboMonthFilter& filter)
{
    const Conditions c = ConditionsOf(filter);
    const CString branch = BranchCondition(filter.branch);
    std::vector<CString> queries;
    for (int month = 1; month <= 12; ++month) {
        const CString range = DateRange(FirstDay(filter.year, month), LastDay(filter.year, month));
        queries.push_back(FormatText(
            "select ekr,d,sum(s_deb) as s_deb,sum(s_kred) as s_kred from ("
            "select deb_sb1 as ekr,d,sum(s) as s_deb,0 as s_kred from ledmark_provodki where deb1='501' and deb2='03'"
            " and deb_sb1 is not null%s%s%s%s%s group by d,deb_sb1"
            " union all "
            "select kred_sb1 as ekr,d,0 as s_deb,sum(s) as s_kred from ledmark_provodki where kred1='501' and kred2='03'"
            " and kred_sb1 is not null%s%s%s%s%s group by d,kred_sb1"
            ") q group by ekr,d",
            (LPCTSTR)range, (LPCTSTR)c.debitSource, (LPCTSTR)branch, (LPCTSTR)c.kbkDebit, (LPCTSTR)c.debitDivision,
            (LPCTSTR)range, (LPCTSTR)c.creditSource, (LPCTSTR)branch, (LPCTSTR)c.kbkCredit, (LPCTSTR)c.creditDivision));
    }
    return queries;
}

LimitPage PlannedLimitsPage(const LboMonthFilter& filter)
{
    const Conditions c = ConditionsOf(filter);
    LimitPage page;
    page.html = TitleBlock("Плановые ЛБО по месячно", filter, c) + PlanHeader();
    std::map<long, PlanSums> sums;
    const std::vector<CString> queries = PlannedLimitsQueries(filter);
    const CString rowDelimiter = GetDelimiter(), cellDelimiter = GetDelimiter0();
    bool ok = ForEachRow(queries[0], [&](_RecordsetPtr& rs) {
        const COleDateTime date = qwDMG(SafeArayToString(rs->GetCollect("d")), 1);
        const bool valid = date.GetStatus() == COleDateTime::valid;
        const long kind = atol(SafeArayToString(rs->GetCollect("tiplim")));
        const CString grid = SafeArayToString(rs->GetCollect("grid"));
        for (const QString& line : grid.ToQString().split(rowDelimiter.ToQString())) {
            const QStringList cells = line.split(cellDelimiter.ToQString());
            if (cells.isEmpty() || cells[0].trimmed().isEmpty())
                continue;
            const long code = atol(CString(cells[0]));
            const double amount = cells.size() > 1 ? atof(CString(cells[1])) : 0;
            PlanSums& s = sums.try_emplace(code).first->second;
            if (kind == 2) {
                s[1] += amount;
                if (!FirstOfMonth(date))
                    s[2] += amount;
            } else if (valid) {
                const int base = QuarterBase(date.GetMonth());
                s[base] += amount;
                if (!FirstOfMonth(date))
                    s[base + 1] += amount;
            }
        }
    }) >= 0;
    for (int month = 1; month <= 12 && ok; ++month) {
        ok = ForEachRow(queries[month], [&](_RecordsetPtr& rs) {
                 const COleDateTime date = qwDMG(SafeArayToString(rs->GetCollect("d")), 1);
                 const long code = atol(SafeArayToString(rs->GetCollect("kred_sb1")));
                 const double amount = atof(SafeArayToString(rs->GetCollect("s")));
                 PlanSums& s = sums.try_emplace(code).first->second;
                 s[MonthTotalSum(month)] += amount;
                 if (!FirstOfMonth(date))
                     s[MonthTotalSum(month) + 1] += amount;
             }) >= 0;
    }
    std::set<long> codes;
    for (const auto& [code, s] : sums)
        codes.insert(code);
    const std::vector<long> ordered = ok ? CodesInBookOrder(codes, ok) : std::vector<long>();
    std::array<double, 44> totals{};
    CString colour = "#dddddd";
    if (ok) {
        for (long code : ordered) {
            const std::array<double, 44> values = PlanColumns(sums[code]);
            colour = NextColour(colour);
            page.html +=
                PlanRow(colour, FormatText("<td align=right nowrap>&nbsp;&nbsp;%d&nbsp;&nbsp;</td>", code), values);
            for (size_t k = 0; k < values.size(); ++k)
                totals[k] += values[k];
        }
        colour = NextColour(colour);
        page.html += PlanRow(colour, "<td align=center><b>Итого</b></td>", totals) + "</table></td></tr>";
        page.html += ExecutorFooter();
    } else {
        page.complete = false;
        page.html += IncompleteNotice();
    }
    return page;
}

// ---------------------------------------------------------------------------
// Execution: per code, "принято" (501.03 credit) and "исполнено" (debit) by month.

namespace {

using FactSums = std::array<double, 24>; // 0-11 принято, 12-23 исполнено

// The 17 cells of one line: three months and their quarter, four times, then the year.
std::array<double, 17> QuarterLine(const double* months)
{
    std::array<double, 17> line{};
    double year = 0;
    for (int q = 0; q < 4; ++q) {
        double quarter = 0;
        for (int m = 0; m < 3; ++m) {
            line[4 * q + m] = months[3 * q + m];
            quarter += months[3 * q + m];
        }
        line[4 * q + 3] = quarter;
        year += quarter;
    }
    line[16] = year;
    return line;
}

CString FactBlock(const CString& colour, const CString& first, const FactSums& s)
{
    double rest[12];
    for (int m = 0; m < 12; ++m)
        rest[m] = s[m] - s[12 + m];
    const std::array<double, 17> lines[] = {QuarterLine(&s[0]), QuarterLine(&s[12]), QuarterLine(rest)};
    static const char* const kLabels[] = {"принято", "исполнено", "остаток"};
    CString block;
    for (int k = 0; k < 3; ++k) {
        block += FormatText("<tr bgcolor='%s'>", (LPCTSTR)colour);
        if (k == 0)
            block += first;
        block += FormatText("<td nowrap>&nbsp;%s</td>", kLabels[k]);
        for (double value : lines[k])
            block += FormatText("<td align=right nowrap>%s&nbsp;</td>", (LPCTSTR)ftoa0(value));
        block += "</tr>";
    }
    return block;
}

CString FactHeader()
{
    CString h = "<tr><td>501.03, кредит - принято<br>501.03, дебет - исполнено"
                "<table cellpadding=0 cellspacing=0 border=1 width=100%><tr bgcolor=#CCCCFF>"
                "<td rowspan=2 colspan=2 align=center>ЭКР</td>"
                "<td colspan=4 align=center>I квартал</td><td colspan=4 align=center>II квартал</td>"
                "<td colspan=4 align=center>III квартал</td><td colspan=4 align=center>IV квартал</td>"
                "<td rowspan=2 align=center>Итого за год</td></tr><tr bgcolor=#CCCCFF>";
    static const char* const kCaptions[] = {"январь", "февраль", "март", "I кв.", "апрель", "май", "июнь", "II кв.",
                                            "июль", "август", "сентябрь", "III кв.", "октябрь", "ноябрь", "декабрь",
                                            "IV кв."};
    for (const char* caption : kCaptions)
        h += FormatText("<td align=center>%s</td>", caption);
    h += "</tr><tr bgcolor='#dddddd'><td align=center colspan=2>1</td>";
    for (int n = 2; n <= 18; ++n)
        h += FormatText("<td align=center>%d</td>", n);
    return h + "</tr>";
}

} // namespace

LimitPage LimitsExecutionPage(const LboMonthFilter& filter)
{
    const Conditions c = ConditionsOf(filter);
    LimitPage page;
    page.html = TitleBlock("Исполнение ЛБО по месячно", filter, c) + FactHeader();
    std::map<long, FactSums> sums;
    const std::vector<CString> queries = LimitsExecutionQueries(filter);
    bool ok = true;
    for (int month = 1; month <= 12 && ok; ++month) {
        ok = ForEachRow(queries[month - 1], [&](_RecordsetPtr& rs) {
                 const COleDateTime date = qwDMG(SafeArayToString(rs->GetCollect("d")), 1);
                 const long code = atol(SafeArayToString(rs->GetCollect("ekr")));
                 FactSums& s = sums.try_emplace(code).first->second;
                 if (date.GetStatus() != COleDateTime::valid)
                     return;
                 s[date.GetMonth() - 1] += atof(SafeArayToString(rs->GetCollect("s_kred")));
                 s[12 + date.GetMonth() - 1] += atof(SafeArayToString(rs->GetCollect("s_deb")));
             }) >= 0;
    }
    std::set<long> codes;
    for (const auto& [code, s] : sums)
        codes.insert(code);
    const std::vector<long> ordered = ok ? CodesInBookOrder(codes, ok) : std::vector<long>();
    if (!ok) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    FactSums totals{};
    CString colour = "#dddddd";
    for (long code : ordered) {
        colour = NextColour(colour);
        page.html += FactBlock(
            colour, FormatText("<td align=right nowrap rowspan=3>&nbsp;&nbsp;%d&nbsp;&nbsp;</td>", code), sums[code]);
        for (size_t k = 0; k < totals.size(); ++k)
            totals[k] += sums[code][k];
    }
    colour = NextColour(colour);
    page.html += FactBlock(colour, "<td align=center rowspan=3><b>Итого</b></td>", totals) + "</table></td></tr>";
    page.html += ExecutorFooter();
    return page;
}

} // namespace nledmark
