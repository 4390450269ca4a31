#include "PeriodKinds.h"

#include "gridbase.h"

#include <QDate>
#include "ndbcore.h"

namespace {

struct PeriodKindRange {
    int firstMonth;
    int lastMonth;
    bool isMonth;
};

const PeriodKindRange kKinds[kPeriodKindCount] = {
    {1, 1, true},   {2, 2, true},   {3, 3, true},   {1, 3, false},  {4, 4, true},
    {5, 5, true},   {6, 6, true},   {4, 6, false},  {1, 6, false},  {7, 7, true},
    {8, 8, true},   {9, 9, true},   {7, 9, false},  {1, 9, false},  {10, 10, true},
    {11, 11, true}, {12, 12, true}, {10, 12, false}, {1, 12, false},
};

bool Known(int kind, int year)
{
    return kind >= 0 && kind < kPeriodKindCount && year >= 1 && year <= 9999;
}


} // namespace

int PeriodKindMonth(int kind)
{
    if (kind < 0 || kind >= kPeriodKindCount || !kKinds[kind].isMonth)
        return 0;
    return kKinds[kind].firstMonth;
}

CString PeriodKindFirstDay(int kind, int year)
{
    if (!Known(kind, year))
        return CString();
    return GetLocalDate(year, kKinds[kind].firstMonth, 1);
}

CString PeriodKindLastDay(int kind, int year)
{
    if (!Known(kind, year))
        return CString();
    const int month = kKinds[kind].lastMonth;
    return GetLocalDate(year, month, int(atol(GetDaysPerMonth(month, year))));
}

CString PeriodKindName(int kind)
{
    return GetOtpName(kind);
}

int PeriodKindOfDays(const CString& first, const CString& last, int* year)
{
    const QDate from = QDate::fromString(first.ToQString().trimmed(), QStringLiteral("dd.MM.yyyy"));
    const QDate to = QDate::fromString(last.ToQString().trimmed(), QStringLiteral("dd.MM.yyyy"));
    if (!from.isValid() || !to.isValid() || from.year() != to.year())
        return -1;
    for (int kind = 0; kind < kPeriodKindCount; ++kind) {
        const QDate kindFrom(from.year(), kKinds[kind].firstMonth, 1);
        const QDate kindTo = QDate(from.year(), kKinds[kind].lastMonth, 1).addMonths(1).addDays(-1);
        if (kindFrom == from && kindTo == to) {
            if (year)
                *year = from.year();
            return kind;
        }
    }
    return -1;
}

int ParseYear(const CString& text)
{
    const QString t = text.ToQString().trimmed();
    if (t.isEmpty() || t.size() > 4)
        return 0;
    for (const QChar c : t)
        if (!c.isDigit() || c.unicode() > '9')
            return 0;
    const int year = t.toInt();
    return year >= 1900 && year <= 9999 ? year : 0;
}
