#include "WorkingPeriod.h"

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

CString OtpBound(long year, long month, const char* column, int calendarDay)
{
    const CString calendar(DateText(static_cast<int>(year), static_cast<int>(month), calendarDay));
    if (!vornal::ado::IsValidCalendarDate(static_cast<int>(year), static_cast<int>(month), 1))
        return CString();
    const QString sql = QStringLiteral("select %1 from otp where g=%2 and ms=%3").arg(QLatin1String(column)).arg(year).arg(month);
    return RunReported(calendar, [&](DbSession& session) {
        const _variant_t value = ScalarOf(OpenConnectionOf(session), sql);
        return value.isNull() || value.isEmpty() ? calendar : CString(value.text().left(10));
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
    return OtpBound(year, month, "d2", vornal::ado::DaysInMonth(static_cast<int>(year), static_cast<int>(month)));
}
