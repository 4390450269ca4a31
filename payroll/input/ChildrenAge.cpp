#include "ChildrenAge.h"

#include "gridbase.h"
#include "ndbcore.h"

namespace npaymar {

ChildAge ParseChildAge(const CString& parameter)
{
    ChildAge age;
    age.years = atol(GetPart(parameter, ":", 1));
    age.months = atol(GetPart(parameter, ":", 2));
    age.days = atol(GetPart(parameter, ":", 3));
    return age;
}

CString ChildAgeFlag(const ChildAge& age)
{
    if (age.years == 1 && age.months == 6 && age.days == 0)
        return "and b15=1";
    if (age.years == 3 && age.months == 0 && age.days == 0)
        return "and b3=1";
    return "";
}

CString ChildrenReachingAgeSql(const ChildAge& age, const CString& first)
{
    const CString fio = GL_SqlFio();
    const CString flag = ChildAgeFlag(age);
    const char* const tail = " group by paymar_iz.tn,f,i,o,paymar_iz.dr order by paymar_iz.tn";
    switch (CurrentDialect()) {
    case SqlDialect::SqlServer: {
        const CString reached = FormatText("DATEADD(day, %d, DATEADD(month, %d, DATEADD(year, %d, paymar_iz.dr)))",
                                           age.days, age.months, age.years);
        return FormatText("select distinct paymar_iz.tn,%s as fio,paymar_iz.dr,%s as do from paymar_iz left join tn "
                          "on paymar_iz.tn=tn.tn left join paymar_bux on paymar_bux.tn=paymar_iz.tn where (tn.du is null "
                          "or (tn.du is not null and tn.du>=%s)) and (%s>%s) and (paymar_bux.d2 is not null) %s%s",
                          fio, reached, first, reached, first, flag, tail);
    }
    case SqlDialect::PostgreSql: {
        // Years, then months, then days, each step a date, as the other
        // dialects add them: one interval of 18 months would keep the 29th.
        const CString reached = FormatText("(cast(cast(paymar_iz.dr + interval '%d year' as date) + interval '%d "
                                           "month' as date) + %d)",
                                           age.years, age.months, age.days);
        return FormatText("select distinct paymar_iz.tn,%s as fio,paymar_iz.dr,%s as \"do\" from paymar_iz left join "
                          "tn on paymar_iz.tn=tn.tn left join paymar_bux on paymar_bux.tn=paymar_iz.tn where (tn.du is "
                          "null or (tn.du is not null and tn.du>=%s)) and (%s>cast(%s as date)) and (paymar_bux.d2 is not "
                          "null) %s%s",
                          fio, reached, first, reached, first, flag, tail);
    }
    case SqlDialect::MySql:
    default: {
        const CString reached = FormatText("DATE_ADD(DATE_ADD(DATE_ADD(paymar_iz.dr, interval %d year), interval %d "
                                           "month), interval %d day)",
                                           age.years, age.months, age.days);
        return FormatText("select distinct paymar_iz.tn,%s as fio,paymar_iz.dr,%s as do from paymar_iz left join tn "
                          "on paymar_iz.tn=tn.tn left join paymar_bux on paymar_bux.tn=paymar_iz.tn where (tn.du is null "
                          "or (tn.du is not null and tn.du>=%s)) and (%s>date(%s)) and (paymar_bux.d2 is not null) %s%s",
                          fio, reached, first, reached, first, flag, tail);
    }
    }
}

bool ChildAgeListed(const CString& age, const ChildAge& asked)
{
    if (age.IsEmpty())
        return false;
    const long years = atol(GetPart(age, "-", 1));
    const long months = atol(GetPart(age, "-", 2));
    return years < asked.years || (years == asked.years && months <= asked.months);
}

long DaysUntilReached(const CString& first, const CString& last, const CString& reached)
{
    return atol(GetPart(CalcVoz0(first, MinDate(reached, last)), "-", 3)) + 1;
}

} // namespace npaymar
