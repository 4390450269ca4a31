#include "EmployeeData.h"

#include "ndbcore.h"


namespace {

bool ParseTn(const char* text, long& tn)
{
    if (!text)
        return false;
    bool ok = false;
    tn = QString::fromUtf8(text).trimmed().toLong(&ok);
    return ok;
}

} // namespace

int TnOk(long tn)
{
    CString sql;
    sql.Format("select count(*) as cnt from tn where tn=%ld", tn);
    return ExecuteCount(sql) > 0 ? 1 : 0;
}

int TnOk(int tn)
{
    return TnOk(long(tn));
}

int TnOk(const char* tn)
{
    long number = 0;
    return ParseTn(tn, number) ? TnOk(number) : 0;
}

CString GetTN(long tn, const char* column)
{
    if (!column || !IsSqlIdentifier(QString::fromUtf8(column))) {
        CString message;
        message.Format("Недопустимое имя столбца сотрудника: «%s»", column ? column : "");
        ReportDBProblem(DbErrorKind::Other, message);
        return CString();
    }
    CString sql;
    sql.Format("select %s as str from tn where tn=%ld", column, tn);
    return ExecuteString(sql);
}

CString GetTN(const char* tn, const char* column)
{
    long number = 0;
    return ParseTn(tn, number) ? GetTN(number, column) : CString();
}

CString GL_SqlFioShort()
{
    CString initial = SqlConcat({"left(tn.i,1)", "'.'"});
    CString second = SqlConcat({"left(tn.o,1)", "'.'"});
    return SqlConcat({SqlIfNull("tn.f", "''"),
                      "case when " + SqlIfNull("tn.i", "''") + "='' then '' else " + SqlConcat({"' '", initial}) +
                          " end",
                      "case when " + SqlIfNull("tn.o", "''") + "='' then '' else " + second + " end"});
}
