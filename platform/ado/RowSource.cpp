#include "RowSource.h"

#include "OdbcCheck.h"

namespace vornal::ado {

RowSource::RowSource(std::shared_ptr<OdbcStatement> statement, const QString& sql, bool scrollable)
    : statement_(std::move(statement)), sql_(sql)
{
    std::lock_guard lock(statement_->connection().mutex());
    const QString doing;
    try {
        const SQLSMALLINT count = statement_->columnCount(doing);
        for (SQLSMALLINT c = 1; c <= count; ++c) {
            columns_.push_back(DescribeColumn(statement_->get(), static_cast<SQLUSMALLINT>(c), doing));
            const QString key = columns_.back().name.toLower();
            if (!byName_.contains(key))
                byName_.insert(key, c - 1);
        }
        // Drivers that keep the whole result know its size at once (MariaDB does).
        knownCount_ = statement_->rowCount(doing);
        random_ = scrollable && knownCount_ >= 0;
        if (random_)
            byPosition_.resize(static_cast<std::size_t>(knownCount_));
        // A result of one row (a scalar, a record by its key) is not worth the binding.
        else if (knownCount_ < 0 || knownCount_ > 1)
            block_ = BlockReader::Bind(statement_->get(), columns_, statement_->connection().utf8Text(), knownCount_, 0,
                                       statement_->connection().declaredWidthsHold());
    } catch (const _com_error& e) {
        throw _com_error(e, ReadingDoing(sql_));
    }
}

int RowSource::columnIndex(const QString& name) const
{
    return byName_.value(name.toLower(), -1);
}

bool RowSource::fetchMore()
{
    if (exhausted_ || !statement_)
        return false;
    std::lock_guard lock(statement_->connection().mutex());
    if (!statement_->alive())
        throw _com_error(adErrObjectClosed, QStringLiteral("Соединение с базой данных закрыто"), ReadingDoing(sql_));
    const QString doing;
    try {
        if (block_) {
            const std::size_t before = rows_.size();
            if (!block_->fetch(rows_, doing)) {
                exhausted_ = true;
                statement_->closeCursor();
                return false;
            }
            read_ += static_cast<long long>(rows_.size() - before);
            return true;
        }
        if (statement_->check(SQLFetch(statement_->get()), doing) == SQL_NO_DATA) {
            exhausted_ = true;
            statement_->closeCursor();
            return false;
        }
        rows_.push_back(readCurrent(doing));
        return true;
    } catch (const _com_error& e) {
        throw _com_error(e, ReadingDoing(sql_));
    }
}

RowSource::Row RowSource::readCurrent(const QString& doing)
{
    const bool utf8 = statement_->connection().utf8Text();
    Row row;
    row.reserve(columns_.size());
    for (std::size_t c = 0; c < columns_.size(); ++c)
        row.push_back(ReadColumn(statement_->get(), static_cast<SQLUSMALLINT>(c + 1), columns_[c], doing, utf8));
    ++read_;
    return row;
}

void RowSource::fetchAt(long long index)
{
    if (!statement_)
        throw _com_error(adErrObjectClosed, QStringLiteral("Набор записей закрыт"), ReadingDoing(sql_));
    std::lock_guard lock(statement_->connection().mutex());
    if (!statement_->alive())
        throw _com_error(adErrObjectClosed, QStringLiteral("Соединение с базой данных закрыто"), ReadingDoing(sql_));
    const QString doing;
    try {
        // The next row is the cheap step; any other one is a jump.
        const SQLRETURN rc = index == lastFetched_ + 1
            ? SQLFetchScroll(statement_->get(), SQL_FETCH_NEXT, 0)
            : SQLFetchScroll(statement_->get(), SQL_FETCH_ABSOLUTE, static_cast<SQLLEN>(index + 1));
        if (statement_->check(rc, doing) == SQL_NO_DATA)
            throw _com_error(adErrNoCurrentRecord);
        lastFetched_ = index;
        byPosition_[static_cast<std::size_t>(index)] = readCurrent(doing);
    } catch (const _com_error& e) {
        lastFetched_ = -2;
        throw _com_error(e, ReadingDoing(sql_));
    }
}

bool RowSource::has(long long index)
{
    if (random_)
        return index >= 0 && index < knownCount_ && statement_ != nullptr;
    if (index < first_)
        return false;
    while (index >= first_ + static_cast<long long>(rows_.size())) {
        if (!fetchMore())
            return false;
    }
    return true;
}

const RowSource::Row& RowSource::row(long long index)
{
    if (index < first_ && index >= 0)
        throw _com_error(adErrFeatureNotAvailable,
                         QStringLiteral("Запись уже пройдена: набор читается только вперёд"), ReadingDoing(sql_));
    if (!has(index))
        throw _com_error(adErrNoCurrentRecord);
    if (random_) {
        Row& row = byPosition_[static_cast<std::size_t>(index)];
        if (row.empty())
            fetchAt(index);
        return row;
    }
    return rows_[static_cast<std::size_t>(index - first_)];
}

long long RowSource::count()
{
    if (!exhausted_ && knownCount_ >= 0)
        return knownCount_;
    while (fetchMore()) {
    }
    return first_ + static_cast<long long>(rows_.size());
}

void RowSource::forgetBefore(long long index)
{
    if (random_)
        return;
    while (first_ < index && !rows_.empty()) {
        rows_.pop_front();
        ++first_;
    }
}

void RowSource::close()
{
    rows_.clear();
    byPosition_.clear();
    knownCount_ = 0;
    exhausted_ = true;
    statement_.reset();  // the statement locks its connection while it goes
    block_.reset();      // its buffers after the statement bound to them
}

std::shared_ptr<RowSource> RunQuery(ConnectionState& connection, const QString& sql, long long* affected,
                                    bool scrollable)
{
    std::lock_guard lock(connection.mutex());
    std::shared_ptr<OdbcStatement> statement = connection.newStatement();
    const QString doing;
    bool hasRows = false;
    long long touched = 0;
    try {
        if (scrollable)
            scrollable = statement->useStaticCursor();
        hasRows = statement->executeDirect(sql, doing);
        while (!hasRows) {
            touched += std::max(0LL, statement->rowCount(doing));
            if (!statement->moreResults(doing))
                break;
            hasRows = statement->columnCount(doing) > 0;
        }
    } catch (const _com_error& e) {
        throw _com_error(e, ExecutingDoing(sql));
    }
    if (affected)
        *affected = touched;
    if (!hasRows)
        return nullptr;
    return std::make_shared<RowSource>(std::move(statement), sql, scrollable);
}

}  // namespace vornal::ado
