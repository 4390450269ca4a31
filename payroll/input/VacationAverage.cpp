#include "VacationAverage.h"

#include "AverageEarnings.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <QDate>

#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

namespace npaymar {

namespace {

// From this day the average takes twelve months over 29.4 days a month.
const QDate kCutOver(2006, 10, 6);

QDate StartDay(const CString& start)
{
    const CString day = DMG(start, 1, 0);
    return day.IsEmpty() ? QDate() : QDate::fromString(day.ToQString(), QStringLiteral("dd.MM.yyyy"));
}

using MonthKey = std::pair<long, long>;

// The months as a condition on `table`'s year and month columns.
CString MonthsSql(const std::vector<VacationMonth>& months, const char* table)
{
    CString sql;
    for (const VacationMonth& m : months)
        sql += FormatText(sql.IsEmpty() ? "(%s.g=%ld and %s.ms=%ld)" : " or (%s.g=%ld and %s.ms=%ld)", table, m.year,
                          table, m.month);
    return "(" + sql + ")";
}

// The days of each month: the divisor when the plan was met (the main
// position row's calendar gives no more days than were worked), else the
// divisor over the month's calendar days, in kopecks, times the calendar
// days worked.
BOOL CountDays(const CString& tn, double divisor, VacationMonths& period)
{
    std::map<MonthKey, std::pair<double, double>> worked;  // days worked, calendar days worked
    std::map<MonthKey, double> planned;
    const long trv = ForEachRow(
        FormatText("select g,ms,dn,kl from paymar_trv where tn=%s and %s", tn, MonthsSql(period.months, "paymar_trv")),
        [&worked](_RecordsetPtr& row) {
            worked[{atol(SafeArayToString(row->GetCollect("g"))), atol(SafeArayToString(row->GetCollect("ms")))}] = {
                atof(SafeArayToString(row->GetCollect("dn"))), atof(SafeArayToString(row->GetCollect("kl")))};
        });
    const long plan = ForEachRow(
        FormatText("select spr_kl1.g,spr_kl1.ms,max(spr_kl1.dn) as dn from spr_kl1 join paymar_bux on "
                   "paymar_bux.kl=spr_kl1.id where paymar_bux.tn=%s and paymar_bux.osn=1 and %s group by "
                   "spr_kl1.g,spr_kl1.ms",
                   tn, MonthsSql(period.months, "spr_kl1")),
        [&planned](_RecordsetPtr& row) {
            planned[{atol(SafeArayToString(row->GetCollect("g"))), atol(SafeArayToString(row->GetCollect("ms")))}] =
                atof(SafeArayToString(row->GetCollect("dn")));
        });
    if (trv < 0 || plan < 0)
        return FALSE;
    for (VacationMonth& m : period.months) {
        const MonthKey key{m.year, m.month};
        const double plannedDays = planned.count(key) ? planned[key] : 0;
        const auto [days, calendarDays] = worked.count(key) ? worked[key] : std::pair<double, double>{0, 0};
        if (plannedDays <= 0)
            period.unplanned.push_back(GetMonthName(m.month));
        if (plannedDays <= days) {
            m.days = divisor;
        } else {
            const double perDay = atof(FormatNumber(divisor / atof(GetDaysPerMonth(m.month, m.year)), "", 2));
            m.days = atof(Number(perDay * calendarDays, 0));
        }
        period.days += m.days;
    }
    period.days = atof(Number(period.days, 0));
    return TRUE;
}

double Kopecks(double amount)
{
    return RoundKopecks(amount);
}

// The month's earnings of the part's group on one sheet, premium codes left
// out, with the month's coefficient where the sheet is indexed.
BOOL ReadSheetMonths(const CString& filter, const VacationPartInput& input, const VacationSheet& sheet,
                     VacationSheetFigures& figures)
{
    const CString months = filter + " and paymar_nuz.nv=" + sheet.id;
    const char* part =
        "select paymar_nuz.g,paymar_nuz.ms,%ssum(paymar_nuz.s) as s,paymar_nuz.tn from paymar_nuz left join spr_tvx on "
        "paymar_nuz.kou=spr_tvx.id left join spr_paymar_prem on spr_paymar_prem.Real_npp=spr_tvx.id where %s and "
        "paymar_nuz.tn=%s and spr_tvx.kou=%s and spr_tvx.id%s200 and spr_paymar_prem.Real_npp is null group by "
        "paymar_nuz.g,paymar_nuz.ms,paymar_nuz.tn";
    const CString sql = FormatText(
        "select query.g,query.ms,sum(query.s) as s,max(spr_paymar_otp_kof.kof*nv.indexir) as kof from (%s union all "
        "%s) query left join spr_paymar_otp_kof on spr_paymar_otp_kof.g=query.g and spr_paymar_otp_kof.ms=query.ms "
        "left join nv on nv.id=%s group by query.g,query.ms,query.tn order by query.g asc,query.ms asc",
        FormatText(part, "", months, input.tn, input.code, "<="), FormatText(part, "-", months, input.tn, input.code, ">"),
        sheet.id);
    const long sheetId = atol(sheet.id);
    const long read = ForEachRow(sql, [&](_RecordsetPtr& row) {
        VacationSheetMonth m;
        m.year = atol(SafeArayToString(row->GetCollect("g")));
        m.month = atol(SafeArayToString(row->GetCollect("ms")));
        const CString kof = SafeArayToString(row->GetCollect("kof"));
        if (input.indexed && !kof.IsEmpty())
            m.coefficient = atof(kof);
        if (m.coefficient == 0)
            m.coefficient = 1;
        m.earnings = Kopecks(atof(SafeArayToString(row->GetCollect("s"))));
        m.premium = GetPrem(input.tn, m.year, m.month, sheetId, nullptr);
        m.total = Kopecks(m.earnings * m.coefficient) + Kopecks(m.premium * m.coefficient);
        figures.months.push_back(m);
    });
    return read >= 0;
}

void AddRecord(CString& records, const CString& record)
{
    if (!records.IsEmpty())
        records += ";";
    records += record;
}

} // namespace

long GetAveragingMonths(const CString& start)
{
    const QDate day = StartDay(start);
    if (!day.isValid())
        return 0;
    return day >= kCutOver ? 12 : 3;
}

CString GetMonthDaysDivisor(const CString& start)
{
    const QDate day = StartDay(start);
    if (!day.isValid())
        return "0";
    return Number(atof(CString("29") + GetNumberDelimiter() + (day >= kCutOver ? "4" : "6")), 0);
}

VacationMonths ComputePlannedDays(const CString& tn, const CString& start, bool youngDatabase, bool withDays)
{
    VacationMonths period;
    const long count = GetAveragingMonths(start);
    CString from = DMG(start, 1, 0);
    if (tn.IsEmpty() || count == 0)
        return period;
    // With a history of less than two months the vacation's own month is
    // the last one averaged.
    if (youngDatabase)
        from = AddDate(from, 0, 1, 0);
    long year = 0, month = 0;
    if (!otp(from, year, month))
        return period;
    for (long i = 0; i < count; ++i) {
        StepBack(year, month);
        period.months.insert(period.months.begin(), VacationMonth{year, month, 0});
    }
    if (withDays && !CountDays(tn, atof(GetMonthDaysDivisor(start)), period))
        return VacationMonths();
    CString filter;
    for (auto m = period.months.rbegin(); m != period.months.rend(); ++m)
        filter += FormatText(filter.IsEmpty() ? "((paymar_nuz.g=%ld and paymar_nuz.ms=%ld)"
                                              : " or (paymar_nuz.g=%ld and paymar_nuz.ms=%ld)",
                             m->year, m->month);
    period.filter = "(" + filter + ")" + SheetExclusion(tn) + ")";
    return period;
}

BOOL VacationSheets(const CString& filter, const CString& tn, const CString& code, std::vector<VacationSheet>& sheets)
{
    sheets.clear();
    if (filter.IsEmpty() || tn.IsEmpty() || code.IsEmpty())
        return TRUE;
    const char* part = "select paymar_nuz.nv from paymar_nuz left join spr_tvx on paymar_nuz.kou=spr_tvx.id where %s "
                       "and paymar_nuz.tn=%s and spr_tvx.kou=%s and spr_tvx.id%s200 group by paymar_nuz.nv";
    const CString sql = FormatText("select query.nv,nv.name from (%s union all %s) query left join nv on nv.id=query.nv "
                                   "group by query.nv,nv.name order by query.nv",
                                   FormatText(part, filter, tn, code, "<="), FormatText(part, filter, tn, code, ">"));
    return ForEachRow(sql, [&sheets](_RecordsetPtr& row) {
               sheets.push_back({SafeArayToString(row->GetCollect("nv")), SafeArayToString(row->GetCollect("name"))});
           }) >= 0;
}

VacationPart ComputeVacationPart(const VacationPartInput& input, bool youngDatabase)
{
    VacationPart part;
    if (input.tn.IsEmpty() || input.code.IsEmpty() ||
        ExecuteCount(FormatText("select count(*) as cnt from spr_tvx where kou=%s", input.code)) == 0)
        return part;
    part.period = ComputePlannedDays(input.tn, input.start, youngDatabase, true);
    if (part.period.filter.IsEmpty())
        return part;
    CString days = input.days;
    days.Replace(",", ".");
    const double wholeDays = std::floor(atof(days));
    for (const VacationSheet& sheet : input.sheets) {
        VacationSheetFigures figures;
        figures.id = sheet.id;
        figures.name = sheet.name;
        if (!ReadSheetMonths(part.period.filter, input, sheet, figures))
            return VacationPart();
        for (const VacationSheetMonth& m : figures.months) {
            figures.earnings += m.earnings;
            figures.premium += m.premium;
            figures.total += m.total;
            AddRecord(part.sheetRecords, FormatText("%s:%ld:%ld:%s:%s:%s:%s", sheet.id, m.year, m.month,
                                                    FormatNumber(m.earnings, "", 2), FormatNumber(m.premium, "", 2),
                                                    Number(m.coefficient, 0), FormatNumber(m.total, "", 2)));
        }
        figures.earnings = Kopecks(figures.earnings);
        figures.premium = Kopecks(figures.premium);
        figures.total = Kopecks(figures.total);
        if (part.period.days > 0)
            figures.average = Kopecks(figures.total / part.period.days);
        figures.amount = Kopecks(figures.average * wholeDays);
        part.total += figures.total;
        part.averages += figures.average;
        part.amount += figures.amount;
        AddRecord(part.amountRecords, FormatText("%s:%s:%s:%s", sheet.id, FormatNumber(figures.amount, "", 2),
                                                 FormatNumber(figures.average, "", 2), FormatNumber(figures.total, "", 2)));
        part.sheets.push_back(figures);
    }
    part.total = Kopecks(part.total);
    part.averages = Kopecks(part.averages);
    part.amount = Kopecks(part.amount);
    for (const VacationMonth& month : part.period.months) {
        double earnings = 0, premium = 0;
        for (const VacationSheetFigures& sheet : part.sheets)
            for (const VacationSheetMonth& m : sheet.months)
                if (m.year == month.year && m.month == month.month) {
                    earnings += Kopecks(m.earnings * m.coefficient);
                    premium += Kopecks(m.premium * m.coefficient);
                }
        AddRecord(part.monthRecords, FormatText("%ld:%ld:%s:%s:%s", month.year, month.month, Number(month.days, 0),
                                                FormatNumber(earnings, "", 2), FormatNumber(premium, "", 2)));
    }
    part.computed = true;
    return part;
}

bool IsYoungPayrollDatabase()
{
    return ExecuteCount("select count(distinct ms) as cnt from paymar_nuz") < 2;
}

} // namespace npaymar
