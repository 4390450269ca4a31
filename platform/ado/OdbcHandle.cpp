#include "OdbcHandle.h"

#include "OdbcCheck.h"

#include <QDir>
#include <QStandardPaths>
#include <cstdlib>
#include <mutex>

namespace vornal::ado {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent, const QString& doing) : type_(type)
{
    const SQLRETURN rc = SQLAllocHandle(type, parent, &handle_);
    if (!Succeeded(rc)) {
        handle_ = SQL_NULL_HANDLE;
        const SQLSMALLINT parentType = type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV;
        ThrowDiagnostics(parentType, parent, doing);
    }
}

OdbcHandle::OdbcHandle(OdbcHandle&& other) noexcept : type_(other.type_), handle_(other.handle_)
{
    other.handle_ = SQL_NULL_HANDLE;
}

OdbcHandle& OdbcHandle::operator=(OdbcHandle&& other) noexcept
{
    if (this != &other) {
        reset();
        type_ = other.type_;
        handle_ = other.handle_;
        other.handle_ = SQL_NULL_HANDLE;
    }
    return *this;
}

void OdbcHandle::reset()
{
    if (handle_ != SQL_NULL_HANDLE)
        SQLFreeHandle(type_, handle_);
    handle_ = SQL_NULL_HANDLE;
}

namespace {

void UsePrivateOdbcSettings()
{
    if (std::getenv("ODBCSYSINI"))
        return;
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const QString base = cache && *cache ? QString::fromUtf8(cache) : QDir::homePath() + QStringLiteral("/.cache");
    const QString folder = base + QStringLiteral("/vornal/odbc");
    QDir().mkpath(folder);
    setenv("ODBCSYSINI", QDir::toNativeSeparators(folder).toUtf8().constData(), 1);
}

SQLHENV CreateEnvironment()
{
    UsePrivateOdbcSettings();
    // Never freed: connections held in static objects may close after main().
    static OdbcHandle* env = new OdbcHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE,
                                            QStringLiteral("создание окружения ODBC"));
    Check(SQLSetEnvAttr(env->get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
          SQL_HANDLE_ENV, env->get(), QStringLiteral("выбор версии ODBC 3"));
    return static_cast<SQLHENV>(env->get());
}

}  // namespace

SQLHENV OdbcEnvironment()
{
    static std::once_flag once;
    static SQLHENV env = SQL_NULL_HENV;
    std::call_once(once, [] { env = CreateEnvironment(); });
    return env;
}

}  // namespace vornal::ado
