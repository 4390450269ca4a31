#include "DbSettings.h"

#include "DbDialect.h"
#include "DbLock.h"
#include "ado.h"

namespace {

struct Settings {
    CString server;
    CString database;
    CString user;
    CString password;
    long driverId = 1;
};

Settings& Current()
{
    static Settings settings;
    return settings;
}

CString ValueOr(const CString& value, LPCTSTR whenUnset)
{
    if (!value.IsEmpty())
        return value;
    return whenUnset ? CString(whenUnset) : CString();
}

struct DriverInfo {
    const char* library;
    const char* caption;
    int defaultPort;
};

// The driver libraries of Debian's packages, named by path so no system driver list is read.
const DriverInfo* DriverOf(long driverId)
{
    static const DriverInfo sqlServer{"libtdsodbc.so", "SQL Server", 1433};
    static const DriverInfo mariaDb{"libmaodbc.so", "MySQL", 3306};
    static const DriverInfo postgres{"psqlodbcw.so", "PostgreSQL", 5432};
    SqlDialect dialect;
    if (!DialectOfDriver(driverId, dialect))
        return nullptr;
    switch (dialect) {
    case SqlDialect::SqlServer: return &sqlServer;
    case SqlDialect::MySql: return &mariaDb;
    default: return &postgres;
    }
}

// "host:port" → host and port; a text without a numeric tail is all host.
void SplitServer(const QString& server, QString& host, int& port)
{
    host = server.trimmed();
    const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const int tail = colon > 0 ? host.mid(colon + 1).toInt(&ok) : 0;
    if (ok && tail > 0) {
        port = tail;
        host.truncate(colon);
    }
    if (host.isEmpty())
        host = QStringLiteral("127.0.0.1");
}

}  // namespace

void SetServerName(LPCTSTR server) { DbGuard guard; Current().server = server; }
void SetDataBaseName(LPCTSTR database) { DbGuard guard; Current().database = database; }
void SetUserID(LPCTSTR user) { DbGuard guard; Current().user = user; }
void SetUserPassword(LPCTSTR password) { DbGuard guard; Current().password = password; }
CString GetServerName(LPCTSTR whenUnset) { DbGuard guard; return ValueOr(Current().server, whenUnset); }
CString GetDataBaseName(LPCTSTR whenUnset) { DbGuard guard; return ValueOr(Current().database, whenUnset); }
CString GetUserID(LPCTSTR whenUnset) { DbGuard guard; return ValueOr(Current().user, whenUnset); }
CString GetUserPassword(LPCTSTR whenUnset) { DbGuard guard; return ValueOr(Current().password, whenUnset); }

long GetDriverId(long)
{
    DbGuard guard;
    return Current().driverId;
}

void SetDriverId(long driverId)
{
    DbGuard guard;
    Current().driverId = driverId;
}

CString GetODBCDriverName(long driverId)
{
    const DriverInfo* driver = DriverOf(driverId);
    if (!driver)
        return CString();
    return CString("{") + VORNAL_ODBC_DRIVER_DIR + "/" + driver->library + "}";
}

long DriverIdOfODBCName(LPCTSTR odbcDriverName)
{
    const CString name = odbcDriverName ? odbcDriverName : "";
    for (long id : {1L, 2L, 0L}) {
        if (GetODBCDriverName(id) == name)
            return id;
    }
    return -1;
}

CString RefusedDriverMessage(long driverId)
{
    if (DriverOf(driverId))
        return CString();
    CString text;
    if (driverId == 5)
        text = "Базы данных MS Access не поддерживаются. Выберите в настройках подключения "
               "тип базы данных My Sql, PostGre Sql или SQL Server.";
    else
        text.Format("Неизвестный тип базы данных (%d). Выберите в настройках подключения "
                    "тип базы данных My Sql, PostGre Sql или SQL Server.", driverId);
    return text;
}

CString BuildConnectionString(long driverId, LPCTSTR server, LPCTSTR database, LPCTSTR user, LPCTSTR password)
{
    const DriverInfo* driver = DriverOf(driverId);
    if (!driver)
        return CString();
    QString host;
    int port = driver->defaultPort;
    SplitServer(CString(server).ToQString(), host, port);
    using vornal::ado::QuoteOdbcValue;
    QString text = QStringLiteral("DRIVER=") + GetODBCDriverName(driverId).ToQString() + QStringLiteral(";SERVER=")
        + QuoteOdbcValue(host) + QStringLiteral(";PORT=") + QString::number(port) + QStringLiteral(";DATABASE=")
        + QuoteOdbcValue(CString(database).ToQString()) + QStringLiteral(";UID=")
        + QuoteOdbcValue(CString(user).ToQString()) + QStringLiteral(";PWD=")
        + QuoteOdbcValue(CString(password).ToQString());
    SqlDialect dialect;
    DialectOfDriver(driverId, dialect);
    if (dialect == SqlDialect::MySql)  // several statements in one call, full Unicode, the session's SQL mode
        text += QStringLiteral(";OPTION=67108864;CHARSET=utf8mb4;INITSTMT=")
            + QuoteOdbcValue(QStringLiteral("SET SESSION sql_mode='") + QLatin1String(kSessionSqlMode) + QLatin1Char('\''));
    else if (dialect == SqlDialect::SqlServer)
        text += QStringLiteral(";TDS_Version=7.4;ClientCharset=UTF-8");
    return CString(text);
}
