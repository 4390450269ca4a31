#include "OtpQueries.h"

#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace {

CString MonthDay(int year, int month, int day)
{
    CString text;
    text.Format("%02d.%02d.%04d", day, month, year);
    return text;
}

} // namespace

void ReadOtpYears(std::vector<int>& years)
{
    ForEachRow("Select distinct g from otp order by g",
               [&](_RecordsetPtr& row) { years.push_back(int(atol(SafeArayToString(row->GetCollect("g"))))); });
}

void ReadOtpMonths(int year, std::vector<OtpMonthRow>& rows)
{
    CString sql;
    sql.Format("Select ms,d1,d2 from otp where g=%d order by ms", year);
    ForEachRow(sql, [&](_RecordsetPtr& found) {
        OtpMonthRow row;
        row.month = int(atol(SafeArayToString(found->GetCollect("ms"))));
        row.firstDay = SafeArayToString(found->GetCollect("d1"));
        row.lastDay = SafeArayToString(found->GetCollect("d2"));
        rows.push_back(row);
    });
}

int NextOtpYear(int currentYear)
{
    const long last = long(ExecuteCount("select max(g) from otp"));
    return last > 0 ? int(last + 1) : currentYear;
}

int AddOtpYear(int year)
{
    CString batch;
    for (int month = 1; month <= 12; ++month) {
        const int days = int(atol(GetDaysPerMonth(month, year)));
        batch.AppendFormat("insert into otp (g,ms,d1,d2) values (%d,%d,%s,%s);\n", year, month,
                           ChangeDateUS0(MonthDay(year, month, 1), 0), ChangeDateUS0(MonthDay(year, month, days), 0));
    }
    return ExecuteSql(batch);
}

int ChangeOtpMonth(int year, int month, const CString& firstDay, const CString& lastDay)
{
    CString batch;
    batch.Format("delete from otp where g=%d and ms=%d;\n\t\t\tinsert into otp (g,ms,d1,d2) values (%d,%d,%s,%s)",
                 year, month, year, month, ChangeDateUS0(firstDay, 0), ChangeDateUS0(lastDay, 0));
    return ExecuteSql(batch);
}

int SaveUserMonthPeriod(long tn, int year, int month, const CString& firstDay, const CString& lastDay)
{
    const long year0 = g_lYear, month0 = g_lMonth;
    CString sql;
    sql.Format("update tn set dpv1=%s,dpv2=%s where tn=%d", ChangeDateUS0(firstDay, 0), ChangeDateUS0(lastDay, 0),
               tn);
    CDbTransaction save;
    if (SetOtpTn(tn, year, month) && ExecuteSql(sql) && save.Commit())
        return 1;
    // SetOtpTn takes the user's year and month at once; nothing was stored.
    g_lYear = year0;
    g_lMonth = month0;
    return 0;
}

int SaveUserKindPeriod(long tn, int year, int kind, const CString& firstDay, const CString& lastDay)
{
    CString sql;
    sql.Format("update tn set g=%d,otp_id=%d,dpv1=%s,dpv2=%s where tn=%d", year, kind, ChangeDateUS0(firstDay, 0),
               ChangeDateUS0(lastDay, 0), tn);
    return ExecuteSql(sql);
}
