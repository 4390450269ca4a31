#include "ConnectionState.h"

#include "OdbcCheck.h"

#include <atomic>

namespace vornal::ado {

namespace {

std::atomic<bool> g_listening{false};
std::mutex g_listenerMutex;
StatementListener g_listener;

void Tell(const QString& sql)
{
    if (!g_listening.load(std::memory_order_relaxed))
        return;
    std::lock_guard lock(g_listenerMutex);
    if (g_listener)
        g_listener(sql);
}

const QString& Closed()
{
    static const QString text = QStringLiteral("Соединение с базой данных закрыто");
    return text;
}

}  // namespace

ConnectionState::~ConnectionState()
{
    close();
}

void ConnectionState::open(const QString& connectionString, long loginTimeoutSeconds)
{
    std::lock_guard lock(mutex_);
    if (connected_)
        throw _com_error(adErrObjectOpen, QStringLiteral("Соединение уже открыто"));
    const QString doing = QStringLiteral("подключение к базе данных");
    dbc_ = OdbcHandle(SQL_HANDLE_DBC, OdbcEnvironment(), doing);
    if (loginTimeoutSeconds > 0)
        SQLSetConnectAttrW(dbc(), SQL_ATTR_LOGIN_TIMEOUT,
                           reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(loginTimeoutSeconds)), 0);
    SQLWCHAR completed[1024];
    SQLSMALLINT completedLength = 0;
    const SQLRETURN rc = SQLDriverConnectW(dbc(), nullptr, Wide(connectionString), SQL_NTS, completed,
                                           static_cast<SQLSMALLINT>(std::size(completed)),
                                           &completedLength, SQL_DRIVER_NOPROMPT);
    if (!Succeeded(rc)) {
        std::vector<DbDiagnostic> diagnostics = ReadDiagnostics(SQL_HANDLE_DBC, dbc());
        dbc_.reset();
        const QString text = diagnostics.empty() ? QStringLiteral("Не удалось подключиться к базе данных")
                                                 : diagnostics.front().message;
        throw _com_error(E_FAIL, text, doing, std::move(diagnostics));
    }
    connected_ = true;
    connectionString_ = connectionString;
    depth_ = 0;
    SQLWCHAR name[64] = {};
    SQLSMALLINT nameLength = 0;
    if (Succeeded(SQLGetInfoW(dbc(), SQL_DBMS_NAME, name, sizeof name, &nameLength))) {
        const QString dbms = FromWide(name, std::min<SQLLEN>(nameLength / 2, 63));
        mariaDb_ = dbms.contains(QLatin1String("MariaDB"), Qt::CaseInsensitive)
            || dbms.contains(QLatin1String("MySQL"), Qt::CaseInsensitive);
    }
    // MariaDB's driver names its client character set's collation here
    // ("utf8mb4_general_ci"); texts asked for as SQL_C_CHAR come in it.
    SQLWCHAR collation[64] = {};
    SQLSMALLINT collationLength = 0;
    utf8Text_ = mariaDb_
        && Succeeded(SQLGetInfoW(dbc(), SQL_COLLATION_SEQ, collation, sizeof collation, &collationLength))
        && FromWide(collation, std::min<SQLLEN>(collationLength / 2, 63))
               .startsWith(QLatin1String("utf8"), Qt::CaseInsensitive);
}

_com_error ConnectionState::withServerErrorNumber(const _com_error& error)
{
    if (!mariaDb_ || error.NativeError() != 0 || error.Diagnostics().empty())
        return error;
    try {
        std::shared_ptr<OdbcStatement> statement = newStatement();
        statement->executeDirect(QStringLiteral("show warnings"), QString());
        for (;;) {
            if (statement->check(SQLFetch(statement->get()), QString()) == SQL_NO_DATA)
                break;
            SQLWCHAR level[16] = {};
            SQLBIGINT code = 0;
            SQLLEN indicator = 0;
            SQLGetData(statement->get(), 1, SQL_C_WCHAR, level, sizeof level, &indicator);
            SQLGetData(statement->get(), 2, SQL_C_SBIGINT, &code, 0, &indicator);
            if (QString::fromUtf16(reinterpret_cast<const char16_t*>(level)) == QLatin1String("Error")) {
                std::vector<DbDiagnostic> diagnostics = error.Diagnostics();
                diagnostics.front().nativeError = static_cast<long>(code);
                return _com_error(error.Error(), error.Description().qstring(), error.Doing(), diagnostics);
            }
        }
    } catch (const _com_error& asked) {
        // A connection that cannot even be asked is lost: the driver reports
        // a loss in the middle of a call of several statements as a general
        // error without a number, and a call that ends with its own commit
        // may have been committed, which only a lost connection's report says.
        if (asked.Kind() == DbErrorKind::ConnectionLost) {
            std::vector<DbDiagnostic> diagnostics = error.Diagnostics();
            diagnostics.front().nativeError = asked.NativeError() != 0 ? asked.NativeError() : 2013;
            return _com_error(error.Error(), error.Description().qstring(), error.Doing(), diagnostics);
        }
        // Otherwise the report keeps what the driver said.
    }
    return error;
}

void ConnectionState::close()
{
    std::lock_guard lock(mutex_);
    commandStatement_.reset();
    for (OdbcStatement* statement : statements_)
        statement->invalidate();
    statements_.clear();
    if (connected_) {
        if (depth_ > 0)
            SQLEndTran(SQL_HANDLE_DBC, dbc(), SQL_ROLLBACK);
        SQLDisconnect(dbc());
    }
    connected_ = false;
    depth_ = 0;
    dbc_.reset();
}

void ConnectionState::requireOpen() const
{
    if (!connected_)
        throw _com_error(adErrObjectClosed, Closed());
}

std::shared_ptr<OdbcStatement> ConnectionState::newStatement()
{
    std::lock_guard lock(mutex_);
    requireOpen();
    return std::make_shared<OdbcStatement>(shared_from_this());
}

long long ConnectionState::executeNoRecords(const QString& sql)
{
    std::lock_guard lock(mutex_);
    requireOpen();
    if (!commandStatement_ || !commandStatement_->alive())
        commandStatement_ = std::make_shared<OdbcStatement>(*this);
    OdbcStatement& statement = *commandStatement_;
    const QString doing;  // told only when it fails: most commands succeed
    long long affected = 0;
    try {
        bool hasRows = statement.executeDirect(sql, doing);
        for (;;) {
            if (!hasRows)
                affected += std::max(0LL, statement.rowCount(doing));
            if (!statement.moreResults(doing))
                break;
            hasRows = statement.columnCount(doing) > 0;
        }
    } catch (const _com_error& e) {
        statement.closeCursor();
        throw _com_error(withServerErrorNumber(e), ExecutingDoing(sql));
    }
    statement.closeCursor();
    return affected;
}

long ConnectionState::beginTransaction()
{
    std::lock_guard lock(mutex_);
    requireOpen();
    if (depth_ == 0)
        Check(SQLSetConnectAttrW(dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
              SQL_HANDLE_DBC, dbc(), QStringLiteral("начало транзакции"));
    return ++depth_;
}

void ConnectionState::endTransaction(SQLSMALLINT completion, const QString& doing)
{
    depth_ = 0;
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, dbc(), completion);
    if (!Succeeded(rc)) {
        std::vector<DbDiagnostic> diagnostics = ReadDiagnostics(SQL_HANDLE_DBC, dbc());
        SQLSetConnectAttrW(dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        const QString text = diagnostics.empty() ? doing : diagnostics.front().message;
        throw _com_error(E_FAIL, text, doing, std::move(diagnostics));
    }
    Check(SQLSetConnectAttrW(dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0),
          SQL_HANDLE_DBC, dbc(), doing);
}

void ConnectionState::commitTransaction()
{
    std::lock_guard lock(mutex_);
    requireOpen();
    if (depth_ == 0)
        throw _com_error(E_FAIL, QStringLiteral("Нет начатой транзакции"), QStringLiteral("фиксация транзакции"));
    if (depth_ > 1) {
        --depth_;
        return;
    }
    endTransaction(SQL_COMMIT, QStringLiteral("фиксация транзакции"));
}

void ConnectionState::rollbackTransaction()
{
    std::lock_guard lock(mutex_);
    requireOpen();
    if (depth_ == 0)
        throw _com_error(E_FAIL, QStringLiteral("Нет начатой транзакции"), QStringLiteral("откат транзакции"));
    endTransaction(SQL_ROLLBACK, QStringLiteral("откат транзакции"));
}

void ConnectionState::attach(OdbcStatement* statement)
{
    std::lock_guard lock(mutex_);
    statements_.insert(statement);
}

void ConnectionState::detach(OdbcStatement* statement)
{
    std::lock_guard lock(mutex_);
    statements_.erase(statement);
}

OdbcStatement::OdbcStatement(std::shared_ptr<ConnectionState> connection)
    : owner_(connection.get()),
      keepAlive_(std::move(connection)),
      handle_(SQL_HANDLE_STMT, owner_->dbc(), QStringLiteral("создание запроса"))
{
    owner_->attach(this);
}

OdbcStatement::OdbcStatement(ConnectionState& owner)
    : owner_(&owner), handle_(SQL_HANDLE_STMT, owner.dbc(), QStringLiteral("создание запроса"))
{
}

OdbcStatement::~OdbcStatement()
{
    if (keepAlive_) {
        std::lock_guard lock(owner_->mutex());
        owner_->detach(this);
    }
    handle_.reset();
}

SQLRETURN OdbcStatement::check(SQLRETURN rc, const QString& doing) const
{
    return Check(rc, SQL_HANDLE_STMT, get(), doing);
}

bool OdbcStatement::executeDirect(const QString& sql, const QString& doing)
{
    if (!alive())
        throw _com_error(adErrObjectClosed, Closed(), doing);
    Tell(sql);
    check(SQLExecDirectW(get(), Wide(sql), static_cast<SQLINTEGER>(sql.size())), doing);
    return columnCount(doing) > 0;
}

bool OdbcStatement::useStaticCursor()
{
    if (!alive())
        return false;
    const SQLRETURN rc = SQLSetStmtAttrW(get(), SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_STATIC), 0);
    if (!SQL_SUCCEEDED(rc))
        return false;
    SQLULEN kind = SQL_CURSOR_FORWARD_ONLY;
    return SQL_SUCCEEDED(SQLGetStmtAttrW(get(), SQL_ATTR_CURSOR_TYPE, &kind, 0, nullptr)) && kind == SQL_CURSOR_STATIC;
}

bool OdbcStatement::moreResults(const QString& doing)
{
    if (!alive())
        return false;
    return check(SQLMoreResults(get()), doing) != SQL_NO_DATA;
}

SQLSMALLINT OdbcStatement::columnCount(const QString& doing)
{
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(get(), &columns), doing);
    return columns;
}

long long OdbcStatement::rowCount(const QString& doing)
{
    SQLLEN rows = -1;
    check(SQLRowCount(get(), &rows), doing);
    return rows;
}

void OdbcStatement::closeCursor()
{
    if (alive())
        SQLFreeStmt(get(), SQL_CLOSE);
}

void SetStatementListener(StatementListener listener)
{
    std::lock_guard lock(g_listenerMutex);
    g_listener = std::move(listener);
    g_listening = static_cast<bool>(g_listener);
}

}  // namespace vornal::ado
