#include "UserSession.h"

#include "CVornalGlobalApp.h"

#include "CDataArchive.h"
#include "ConfigGlobals.h"
#include "LoginValues.h"
#include "ndbcore.h"

#include <QCoreApplication>
#include <QStringList>

char m_szHashKey[64] = "";
BOOL intr_bCryptoClientOK = TRUE;
BOOL g_bPrintDirrect = FALSE;

namespace {

// The eight values of a login string, the missing ones empty.
QStringList EightLoginValues(const QString& login)
{
    QStringList values = appcore::LoginValues(login);
    while (values.size() < 8)
        values << QString();
    return values;
}

long NumberOf(const QString& text)
{
    bool ok = false;
    long value = text.toLong(&ok);
    return ok && value >= 0 ? value : -1;
}

long Refuse(const char* text)
{
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
    return -1;
}

} // namespace

long VerifyUser(const char* login)
{
    QString text = login && *login ? QString::fromUtf8(login) : appcore::CommandLineArguments().ToQString();
    QStringList values = EightLoginValues(text);
    long tn = NumberOf(values[0]);
    CString sql;
    if (tn >= 0) {
        sql.Format("select count(*) as cnt from tn where tn=%ld and pass='%s'", tn,
                   (LPCTSTR)MakeSqlStr(CString(values[1])));
    }
    if (tn < 0 || ExecuteCount(sql) == 0)
        return Refuse("Имя пользователя или пароль неверны");
    long arm = NumberOf(values[7]);
    const CArmRecord* record = arm >= 0 ? GetDataArchive()->GetArm(int(arm)) : nullptr;
    if (!record)
        return Refuse("Для Вас не определены рабочие места");
    sql.Format("select count(*) as cnt from system_tn_arm where tn=%ld and arm='%s'", tn,
               (LPCTSTR)MakeSqlStr(record->m_strId));
    if (ExecuteCount(sql) == 0)
        return Refuse("Вам не разрешено работать на этом рабочем месте");
    g_lARM = LONG(arm);
    appcore::ReadApplicationSettings();
    return tn;
}

int SetOtpTn(long tn, long year, long month)
{
    if (month < 1 || month > 12 || year < 1)
        return 0;
    CString sql;
    sql.Format("update tn set g=%ld,ms=%ld where tn=%ld", year, month, tn);
    if (!ExecuteSql(sql))
        return 0;
    if (tn == g_lTN) {
        g_lYear = year;
        g_lMonth = month;
    }
    return 1;
}

int GetOtpTn(long tn, long& year, long& month)
{
    CString sql;
    sql.Format("select count(*) as cnt from tn where tn=%ld and g is not null and ms between 1 and 12", tn);
    if (ExecuteCount(sql) == 0)
        return 0;
    sql.Format("select g as cnt from tn where tn=%ld", tn);
    year = long(ExecuteCount(sql));
    sql.Format("select ms as cnt from tn where tn=%ld", tn);
    month = long(ExecuteCount(sql));
    return 1;
}

namespace appcore {

CString CommandLineArguments()
{
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    return CString(arguments.join(u' ').trimmed());
}

} // namespace appcore
