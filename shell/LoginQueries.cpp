#include "LoginQueries.h"

#include "gridbase.h"
#include "ndbcore.h"

namespace {

const char* const kArmTable = "system_tn_arm";

} // namespace

long ParsePersonnelNumber(const CString& text)
{
    const QString t = text.ToQString().trimmed();
    if (t.isEmpty() || t.size() > 9)
        return -1;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    return t.toLong();
}

BOOL IsUserPassword(const CString& tn, const CString& password)
{
    const long number = ParsePersonnelNumber(tn);
    if (number < 0)
        return FALSE;
    CString sql;
    sql.Format("select count(tn) as cnt from tn where tn=%d and pass='%s'", number, MakeSqlStr(password));
    return ExecuteCount(sql) > 0;
}

long CountUserArms(long tn)
{
    CString sql;
    sql.Format("select count(arm) as cnt from %s where tn=%d", kArmTable, tn);
    return long(ExecuteCount(sql));
}

CString FirstUserArm(long tn)
{
    CString sql;
    sql.Format("select arm as str from %s where tn=%d", kArmTable, tn);
    return ExecuteString(sql);
}

void ReadUserArms(long tn, std::vector<CString>& arms)
{
    CString sql;
    sql.Format("select arm from %s where tn=%d order by arm", kArmTable, tn);
    ForEachRow(sql, [&](_RecordsetPtr& row) {
        const _variant_t value = row->GetCollect("arm");
        if (value.vt != VT_NULL)
            arms.push_back(SafeArayToString(value));
    });
}
