#include "WorkingPeriod.h"
#include "WorkingPeriodBounds.h"

#include "DateText.h"
#include "DbErrorReport.h"
#include "DbLock.h"
#include "DbScalar.h"
#include "DbSession.h"

long g_lTN = 0;
long g_lYear = Today().year;
long g_lMonth = Today().month;
long g_lOtpId = 0;
long g_lProjectType = 0;
long g_lReportTipe = 0;
BOOL g_bAskExit = FALSE;
BOOL g_bMultyProcess = FALSE;

namespace {

CString& Bound(int which)
{
    static CString bounds[2];
    return bounds[which];
}

void SetBound(int which, LPCTSTR date)
{
    const QString text = CString(date).ToQString();
    DateParts p;
    const bool valid = ParseDateText(text, p);
    if (!valid && !text.trimmed().isEmpty())
        LogDbWarning(CString(QStringLiteral("SetDPV%1: «%2» is not a date").arg(which + 1).arg(text)));
    DbGuard guard;
    Bound(which) = valid ? CString(DateText(p)) : CString();
}

CString CalendarDay(long year, long month, int day)
{
    return CString(DateText(static_cast<int>(year), static_cast<int>(month), day));
}

int LastCalendarDay(long year, long month)
{
    return vornal::ado::DaysInMonth(static_cast<int>(year), static_cast<int>(month));
}

// A bound as stored, or the calendar's when the period has no row or no date there.
CString BoundOf(const _variant_t& value, const CString& calendar)
{
    return value.isNull() || value.isEmpty() ? calendar : CString(value.text().left(10));
}

QString OtpQuery(const char* columns, long year, long month)
{
    return QStringLiteral("select %1 from otp where g=%2 and ms=%3").arg(QLatin1String(columns)).arg(year).arg(month);
}

CString OtpBound(long year, long month, const char* column, int calendarDay)
{
    const CString calendar = CalendarDay(year, month, calendarDay);
    if (!vornal::ado::IsValidCalendarDate(static_cast<int>(year), static_cast<int>(month), 1))
        return CString();
    const QString sql = OtpQuery(column, year, month);
    return RunReported(calendar, [&](DbSession& session) {
        return BoundOf(ScalarOf(OpenConnectionOf(session), sql), calendar);
    });
}

}  // namespace

CString GetDPV1() { DbGuard guard; return Bound(0); }
CString GetDPV2() { DbGuard guard; return Bound(1); }
void SetDPV1(LPCTSTR date) { SetBound(0, date); }
void SetDPV2(LPCTSTR date) { SetBound(1, date); }

CString GetOtpD1(long year, long month)
{
    return OtpBound(year, month, "d1", 1);
}

CString GetOtpD2(long year, long month)
{
    return OtpBound(year, month, "d2", LastCalendarDay(year, month));
}

OtpBounds GetOtpBounds(long year, long month)
{
    if (!vornal::ado::IsValidCalendarDate(static_cast<int>(year), static_cast<int>(month), 1))
        return {};
    const OtpBounds calendar{CalendarDay(year, month, 1), CalendarDay(year, month, LastCalendarDay(year, month))};
    const QString sql = OtpQuery("d1,d2", year, month);
    return RunReported(calendar, [&](DbSession& session) {
        _RecordsetPtr rows = OpenConnectionOf(session).Execute(_bstr_t(sql), nullptr, adCmdText);
        if (!rows || rows->GetState() != adStateOpen || rows->GetadoEOF())
            return calendar;
        return OtpBounds{BoundOf(rows->GetCollect(0L), calendar.first), BoundOf(rows->GetCollect(1L), calendar.last)};
    });
}
