// The average daily earnings of sick pay and of the child-care allowance:
// the employee's earnings of the pay codes grouped under one code over the
// months before a date, with his bonuses in proportion to the share of the
// year his counted days make, divided by those days.
//
// Every read of one average runs in one transaction scope: a read that fails
// is reported once and fails the scope, and the average then answers "" (the
// run that asked for it fails too) instead of a figure of part of the months.
#include "CPaymar.h"

#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "tariffication/StaffNumbers.h"

#include <cstdlib>
#include <map>
#include <vector>

namespace npaymar {

namespace {

// The year and month of a date text; -1 and -1 when it is no date.
void YearMonthOf(const CString& date, long& year, long& month)
{
    const COleDateTime at = qwDMG(date, 1);
    if (at.GetStatus() != COleDateTime::valid || date.IsEmpty()) {
        year = month = -1;
        return;
    }
    year = at.GetYear();
    month = at.GetMonth();
}

double Kopecks(double value)
{
    return atof(FormatNumber(value, "", 2));
}

// A mark of the personnel time sheet that counts as a day worked: none (null
// or empty), a number of hours above 0, or one of the letter codes of work
// away from the workplace. The mark is compared as text, so "0.00" and "Б"
// are days not worked.
bool IsWorkedMark(const CString& mark)
{
    static const char* const worked[] = {"ф", "Ф", "к", "К", "в", "В", "фч", "ФЧ"};
    const CString text = CString(mark).Trim();
    if (text.IsEmpty())
        return true;
    for (const char* code : worked)
        if (text == code)
            return true;
    return atof(text) > 0;
}

// The dates of the first and last day of a month in SQL.
void MonthBounds(long year, long month, long days, CString& first, CString& last)
{
    first = ChangeDateUS0(FormatText("%ld-%ld-1", year, month), 0);
    last = ChangeDateUS0(FormatText("%ld-%ld-%ld", year, month, days), 0);
}

// The rows of a query read whole before anything else is asked (a query of
// the same connection may not run while a result is being read).
std::vector<std::vector<CString>> Rows(const CString& sql, std::initializer_list<const char*> columns)
{
    std::vector<std::vector<CString>> rows;
    ForEachRow(sql, [&](_RecordsetPtr& row) {
        std::vector<CString> values;
        for (const char* column : columns)
            values.push_back(SafeArayToString(row->GetCollect(column)));
        rows.push_back(std::move(values));
    });
    return rows;
}

void SetCell(CCellwork* grid, long col, long row, const CString& text)
{
    if (!grid)
        return;
    if (grid->GetNCols() <= col)
        grid->SetNCols(col + 1);
    if (grid->GetNRows() <= row)
        grid->SetNRows(row + 1);
    grid->SetCellValue(col, row, text);
}

} // namespace

CString CPaymar::BOL_SRED_DAY(const char* tn, const char* date, const char* group, CCellwork* grid,
                              CString& periodFilter, int months)
{
    periodFilter.Empty();
    if (grid)
        grid->ClearGrid();
    CString person, code;
    if (!nvenzol::CheckedNumber(tn, person) || !nvenzol::CheckedNumber(group, code))
        return CString();
    CDbTransaction reads;
    if (!reads.IsUsable())
        return CString();

    const CString salary = GetOKL_paymar(person);
    CString reference = DMG(date ? date : "", 0, 0);
    long year = -1, month = -1;
    YearMonthOf(reference, year, month);

    // Fewer than twelve month numbers with results: the window moves one
    // month on and ends with the reference month itself.
    const bool shortHistory =
        ExecuteCount(FormatText("select count(distinct ms) as cnt from paymar_nuz where ((g=%ld and ms<=%ld) or g<%ld) "
                                "and tn=%s",
                                year, month, year, person)) < 12;
    if (shortHistory) {
        reference = AddDate(reference, 0, 1, 0);
        YearMonthOf(reference, year, month);
    }

    long y = year, m = month;
    periodFilter = "(";
    for (int i = 0; i < months; ++i) {
        if (--m == 0) {
            m = 12;
            --y;
        }
        if (i > 0)
            periodFilter += " or ";
        periodFilter += FormatText("(g=%ld and ms=%ld)", y, m);
    }
    periodFilter += ")";
    if (g_lProjectType == 1)
        periodFilter += " and nv<>3";

    const CString hired = DMG(ExecuteString(FormatText("select min(d1) as str from paymar_bux where tn=%s", person)), 1, 0);
    const CString service = CalcVoz0(hired, reference);
    const bool threeMonths = !(atol(GetPart(service, "-", 1)) == 0 && atol(GetPart(service, "-", 2)) < 3);

    double days = 0, earnings = 0, bonus = 0;
    if (threeMonths || shortHistory) {
        const CString sql = FormatText(
            "select distinct query.g,query.ms,sum(s) as s,query.tn,dn,kl from ( select distinct "
            "paymar_nuz.g,paymar_nuz.ms,sum(s) as s,tn from paymar_nuz left join spr_tvx on paymar_nuz.kou=spr_tvx.id "
            "where %s and tn=%s and spr_tvx.kou=%s and spr_tvx.id<=200 group by g,ms,tn union select distinct "
            "paymar_nuz.g,paymar_nuz.ms,-sum(s) as s,tn from paymar_nuz left join spr_tvx on paymar_nuz.kou=spr_tvx.id "
            "where %s and tn=%s and spr_tvx.kou=%s and spr_tvx.id>200 group by g,ms,tn ) query left join paymar_trv on "
            "query.g=paymar_trv.g and query.ms=paymar_trv.ms and query.tn=paymar_trv.tn group by "
            "query.g,query.ms,query.tn,dn,kl order by query.g,query.ms",
            periodFilter, person, code, periodFilter, person, code);
        const auto rows = Rows(sql, {"g", "ms", "s", "dn", "kl"});
        for (size_t r = 0; r < rows.size() && reads.IsUsable(); ++r) {
            const CString& g = rows[r][0];
            const long ms = atol(rows[r][1]);
            const CString& s = rows[r][2];
            const CString& dn = rows[r][3];
            const CString& kl = rows[r][4];
            SetCell(grid, 0, long(r), g);
            SetCell(grid, 1, long(r), GetMonthName(ms));
            const double premium = GetPremKV(person, "(g=" + g + " and ms=" + utoa(ms) + ")");
            SetCell(grid, 4, long(r), ftoa(premium));
            bonus += premium;

            CString counted = kl;
            if (counted.IsEmpty()) {
                const CString norm =
                    ExecuteString(FormatText("select dn as str from spr_kl1 where g=%ld and ms=%ld and id=1", atol(g), ms));
                const long calendar = atol(GetDaysPerMonth(ms, atol(g)));
                if (atof(dn) == atof(norm) && atof(dn) != 0) {
                    counted = utoa(calendar);
                } else {
                    const int absent = GetDNbol(person, atol(g), ms);
                    counted = absent > 0 ? Number(double(calendar - absent), 0) : FormatNumber(atof(dn) * 1.4, "-", 0);
                }
            }
            days += atof(counted);
            SetCell(grid, 2, long(r), counted);
            if (!s.IsEmpty())
                earnings += atof(s);
            SetCell(grid, 3, long(r), ftoa(s.IsEmpty() ? 0.0 : atof(s)));
        }
    } else {
        // Under three months of service with a full history: the three months
        // before the reference month, each at the salary for all its days.
        long sy = year, sm = month;
        for (int i = 0; i < 3; ++i) {
            if (--sm == 0) {
                sm = 12;
                --sy;
            }
            const long calendar = atol(GetDaysPerMonth(sm, sy));
            SetCell(grid, 0, i, utoa(sy));
            SetCell(grid, 1, i, GetMonthName(sm));
            SetCell(grid, 2, i, utoa(calendar));
            SetCell(grid, 3, i, salary);
            days += calendar;
            earnings += atof(salary);
        }
    }

    if (!reads.IsUsable() || !reads.Commit())
        return CString();
    if (days == 0)
        return CString();
    SetCell(grid, 1, months, "Итого:");
    SetCell(grid, 2, months, Number(days, 0));
    SetCell(grid, 3, months, FormatNumber(earnings, "", 2));
    SetCell(grid, 4, months, ftoa(bonus));
    return FormatNumber(((days / 365.0) * bonus + earnings) / days, "", 2);
}

int CPaymar::GetDNbol(const char* tn, long year, long month)
{
    CString person;
    if (!nvenzol::CheckedNumber(tn, person))
        return -1;
    const long days = atol(GetDaysPerMonth(month, year));
    CString first, last;
    MonthBounds(year, month, days, first, last);

    // The month's marks in one read: a day is worked when any of the
    // employee's rows that day (one per position) holds a worked mark.
    bool anyMark = false;
    std::map<int, bool> worked;
    const long read = ForEachRow(
        FormatText("select d,t from perso_trv where tn=%s and d>=%s and d<=%s", person, first, last),
        [&](_RecordsetPtr& row) {
            anyMark = true;
            const COleDateTime day = qwDMG(SafeArayToString(row->GetCollect("d")), 1);
            if (IsWorkedMark(SafeArayToString(row->GetCollect("t"))))
                worked[day.GetDay()] = true;
        });
    if (read < 0)
        return -1;
    if (anyMark) {
        int notWorked = 0;
        for (int day = 1; day <= days; ++day)
            notWorked += worked.count(day) ? 0 : 1;
        return notWorked == 0 ? -1 : notWorked;
    }

    // No marks that month: the days of its sick leaves and vacations,
    // whatever month they were entered in.
    const CString firstDay = FormatText("01.%02ld.%04ld", month, year);
    const CString lastDay = FormatText("%02ld.%02ld.%04ld", days, month, year);
    long absent = 0;
    ForEachRow(FormatText("select d1,d2 from paymar_bol1 where tn=%s and (d1<=%s and %s<=d2) union all "
                          "select d1,d2 from paymar_otpusk where tn=%s and (d1<=%s and %s<=d2)",
                          person, last, first, person, last, first),
               [&](_RecordsetPtr& row) {
                   COleDateTime from = qwDMG(SafeArayToString(row->GetCollect("d1")), 1);
                   COleDateTime to = qwDMG(SafeArayToString(row->GetCollect("d2")), 1);
                   const COleDateTime lo = qwDMG(firstDay, 1), hi = qwDMG(lastDay, 1);
                   if (from < lo)
                       from = lo;
                   if (to > hi)
                       to = hi;
                   absent += atol(GetDateDif(DMGtoStr(from), DMGtoStr(to)));
               });
    return int(absent > days ? days : absent);
}

double CPaymar::GetPremKV(const char* tn, const char* periodFilter)
{
    CString person;
    if (!nvenzol::CheckedNumber(tn, person))
        return 0;
    const CString at = ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0);
    double total = 0;
    const auto codes =
        Rows(FormatText("select Real_npp from spr_paymar_prem where ms=1 and (dt_del is null or dt_del>=%s)", at),
             {"Real_npp"});
    for (const auto& code : codes)
        total += Kopecks(atof(ExecuteString(FormatText("select sum(s) as str from paymar_nuz where kou=%ld and %s and tn=%s",
                                                       atol(code[0]), periodFilter ? periodFilter : "", person))));
    return total;
}

} // namespace npaymar
