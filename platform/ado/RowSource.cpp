#include "RowSource.h"

#include "OdbcCheck.h"

namespace vornal::ado {

RowSource::RowSource(std::shared_ptr<OdbcStatement> statement, const QString& sql)
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
    } catch (const _com_error& e) {
        throw _com_error(e, ReadingDoing(sql_));
    }
}

int RowSource::columnIndex(const QString& name) const
{
    return byName_.value(name.toLower(), -1);
}

bool RowSource::fetchOne()
{
    if (exhausted_ || !statement_)
        return false;
    std::lock_guard lock(statement_->connection().mutex());
    if (!statement_->alive())
        throw _com_error(adErrObjectClosed, QStringLiteral("Соединение с базой данных закрыто"), ReadingDoing(sql_));
    const QString doing;
    try {
        if (statement_->check(SQLFetch(statement_->get()), doing) == SQL_NO_DATA) {
            exhausted_ = true;
            statement_->closeCursor();
            return false;
        }
        Row row;
        row.reserve(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c)
            row.push_back(ReadColumn(statement_->get(), static_cast<SQLUSMALLINT>(c + 1), columns_[c], doing));
        rows_.push_back(std::move(row));
        return true;
    } catch (const _com_error& e) {
        throw _com_error(e, ReadingDoing(sql_));
    }
}

bool RowSource::has(long long index)
{
    if (index < first_)
        return false;
    while (index >= first_ + static_cast<long long>(rows_.size())) {
        if (!fetchOne())
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
    return rows_[static_cast<std::size_t>(index - first_)];
}

long long RowSource::count()
{
    if (!exhausted_ && knownCount_ >= 0)
        return knownCount_;
    while (fetchOne()) {
    }
    return first_ + static_cast<long long>(rows_.size());
}

void RowSource::forgetBefore(long long index)
{
    while (first_ < index && !rows_.empty()) {
        rows_.pop_front();
        ++first_;
    }
}

void RowSource::close()
{
    rows_.clear();
    exhausted_ = true;
    statement_.reset();  // the statement locks its connection while it goes
}

std::shared_ptr<RowSource> RunQuery(ConnectionState& connection, const QString& sql, long long* affected)
{
    std::lock_guard lock(connection.mutex());
    std::shared_ptr<OdbcStatement> statement = connection.newStatement();
    const QString doing;
    bool hasRows = false;
    long long touched = 0;
    try {
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
    return std::make_shared<RowSource>(std::move(statement), sql);
}

}  // namespace vornal::ado
