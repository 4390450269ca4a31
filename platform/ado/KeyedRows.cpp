#include "KeyedRows.h"

#include "OdbcCheck.h"
#include "RowSource.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace vornal::ado {

// The count of a keyed list, made on a thread and a connection of its own so
// that the first page is shown without waiting for it.
struct KeyedCount {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool failed = false;
    long long value = 0;
    long long serverThread = 0;  // the counting connection's id on the server, to stop its query
    std::function<void()> listener;
    std::thread thread;
};

namespace {

long long FirstNumber(ConnectionState& connection, const QString& sql)
{
    std::shared_ptr<RowSource> rows = RunQuery(connection, sql, nullptr);
    const long long value = rows && rows->has(0) ? rows->row(0)[0].toInt64() : 0;
    if (rows)
        rows->close();
    return value;
}

void CountRows(const std::shared_ptr<KeyedCount>& job, const QString& connectionText, const QString& sql)
{
    long long value = 0;
    bool ok = false;
    try {
        auto connection = std::make_shared<ConnectionState>();
        connection->open(connectionText, 15);
        const long long id = FirstNumber(*connection, QStringLiteral("select connection_id()"));
        {
            std::lock_guard lock(job->mutex);
            job->serverThread = id;
        }
        value = FirstNumber(*connection, sql);
        ok = true;
    } catch (const std::exception&) {
        // The list counts on its own connection once it needs the count.
    }
    std::function<void()> listener;
    {
        std::lock_guard lock(job->mutex);
        job->done = true;
        job->failed = !ok;
        job->value = value;
        listener = job->listener;
    }
    job->finished.notify_all();
    if (listener)
        listener();
}

}  // namespace

KeyedRows::KeyedRows(std::shared_ptr<ConnectionState> connection, KeyedQuery query, int pageRows, long long countHint)
    : connection_(std::move(connection)), query_(std::move(query)), page_(std::max(pageRows, 2)), count_(countHint)
{
}

KeyedRows::~KeyedRows()
{
    close();
}

int KeyedRows::columnIndex(const QString& name) const
{
    return byName_.value(name.toLower(), -1);
}

std::vector<RecordRows::Row> KeyedRows::fetch(const QString& sql)
{
    if (closed_)
        throw _com_error(adErrObjectClosed, QStringLiteral("Набор записей закрыт"));
    std::shared_ptr<RowSource> source = RunQuery(*connection_, sql, nullptr);
    if (!source)
        throw _com_error(adErrObjectClosed, QStringLiteral("Запрос списка не вернул записей"), ReadingDoing(sql));
    if (columns_.empty()) {
        for (int c = 0; c < source->columnCount(); ++c) {
            columns_.push_back(source->column(c));
            const QString name = columns_.back().name.toLower();
            if (!byName_.contains(name))
                byName_.insert(name, c);
        }
    }
    std::vector<Row> rows;
    for (long long i = 0; source->has(i); ++i)
        rows.push_back(source->row(i));
    source->close();
    read_ += static_cast<long long>(rows.size());
    return rows;
}

bool KeyedRows::open()
{
    std::vector<Row> last = fetch(query_.page(true, QString(), page_));
    for (const QString& field : query_.keyFields()) {
        int found = -1;
        for (int c = 0; c < columnCount(); ++c) {
            if (columns_[static_cast<std::size_t>(c)].name.compare(field, Qt::CaseInsensitive) != 0)
                continue;
            if (found >= 0)
                return false;
            found = c;
        }
        if (found < 0)
            return false;
        keyColumns_.push_back(found);
    }
    const long long got = static_cast<long long>(last.size());
    exact_ = got < page_;
    // A longer list is counted beside the first page; until then its last
    // rows stand at the end of a provisional count
    // (one row before it at least, so the first place is never one of them).
    count_ = exact_ ? got : std::max(count_, got + 1);
    long long position = count_;
    for (Row& row : last)
        place(--position, std::move(row));
    if (!exact_)
        startCount();
    return true;
}

void KeyedRows::startCount()
{
    counting_ = std::make_shared<KeyedCount>();
    counting_->thread = std::thread(CountRows, counting_, connection_->connectionString(), query_.count());
}

void KeyedRows::setCountListener(std::function<void()> listener)
{
    if (!counting_)
        return;
    bool done = false;
    {
        std::lock_guard lock(counting_->mutex);
        counting_->listener = listener;
        done = counting_->done;
    }
    if (done && listener)
        listener();
}

QStringList KeyedRows::keyOf(const Row& row) const
{
    QStringList literals;
    for (int column : keyColumns_) {
        QString literal;
        if (!KeyLiteral(row[static_cast<std::size_t>(column)], literal))
            throw _com_error(adErrFeatureNotAvailable,
                             QStringLiteral("В записи списка нет значения ключа «%1»")
                                 .arg(columns_[static_cast<std::size_t>(column)].name));
        literals << literal;
    }
    return literals;
}

void KeyedRows::place(long long position, Row row)
{
    rows_[position] = std::move(row);
}

void KeyedRows::moveAll(long long by)
{
    if (by == 0)
        return;
    std::map<long long, Row> moved;
    for (auto& [position, row] : rows_)
        moved.emplace_hint(moved.end(), position + by, std::move(row));
    rows_.swap(moved);
    shift_ += by;
}

void KeyedRows::adoptCount(long long found)
{
    exact_ = true;
    long long by = found - count_;
    // Rows another user removed meanwhile cannot push the first row read before the first position.
    if (!rows_.empty() && rows_.begin()->first + by < 0)
        by = -rows_.begin()->first;
    moveAll(by);
    count_ = rows_.empty() ? found : std::max(found, rows_.rbegin()->first + 1);
}

long long KeyedRows::takeShift(bool wait)
{
    if (!exact_ && counting_) {
        std::unique_lock lock(counting_->mutex);
        if (wait)
            counting_->finished.wait(lock, [this] { return counting_->done; });
        if (counting_->done) {
            const bool failed = counting_->failed;
            const long long value = counting_->value;
            lock.unlock();
            adoptCount(failed ? FirstNumber(*connection_, query_.count()) : value);
        }
    }
    const long long shift = shift_;
    shift_ = 0;
    return shift;
}

bool KeyedRows::has(long long index)
{
    if (closed_ || index < 0 || index >= count_)
        return false;
    // A row not read yet is read (rows another user removed end the list
    // sooner); before the count, a place of the list is taken as it stands.
    return rows_.count(index) || !exact_ || find(index);
}

const RecordRows::Row& KeyedRows::row(long long index)
{
    if (!has(index) || (!rows_.count(index) && !find(index)))
        throw _com_error(adErrNoCurrentRecord);
    return rows_.find(index)->second;
}

bool KeyedRows::find(long long index)
{
    // Until the count is taken only the last rows read have a place.
    if (!exact_) {
        takeShift(true);
        return has(index);
    }
    const long long reach = 4LL * page_;
    if (!rows_.empty() && index > rows_.rbegin()->first && index - rows_.rbegin()->first <= reach)
        forward(index);
    else if (!rows_.empty() && index < rows_.begin()->first && rows_.begin()->first - index <= reach)
        backward(index);
    else
        jump(index);
    return index < count_ && rows_.count(index);
}

void KeyedRows::forward(long long index)
{
    const long long last = rows_.rbegin()->first;
    const long long wanted = std::min(index - last + page_, count_ - 1 - last);
    if (wanted <= 0)
        return;
    std::vector<Row> next = fetch(query_.page(false, KeysetCondition(query_.key(), keyOf(rows_.rbegin()->second), true), wanted));
    long long position = last;
    for (Row& row : next)
        place(++position, std::move(row));
    // Another user removed rows: the list ends here.
    if (static_cast<long long>(next.size()) < wanted)
        count_ = position + 1;
    trim(true);
}

void KeyedRows::backward(long long index)
{
    const long long first = rows_.begin()->first;
    const long long wanted = std::min(first - index + page_, first);
    if (wanted <= 0)
        return;
    std::vector<Row> previous = fetch(query_.page(true, KeysetCondition(query_.key(), keyOf(rows_.begin()->second), false), wanted));
    long long position = first;
    for (Row& row : previous)
        place(--position, std::move(row));
    // The list starts here (another user removed rows): the first row goes
    // to the first position.
    if (static_cast<long long>(previous.size()) < wanted) {
        count_ -= position;
        moveAll(-position);
    }
    trim(false);
}

void KeyedRows::jump(long long index)
{
    rows_.clear();
    long long start = std::max(0LL, std::min(index - page_ / 2, count_ - page_));
    const long long end = std::min(count_, start + page_);
    if (start <= count_ - end) {
        std::vector<Row> rows = fetch(query_.page(false, QString(), end - start, start));
        long long position = start;
        for (Row& row : rows)
            place(position++, std::move(row));
        if (position < end)
            count_ = position;  // rows removed meanwhile
        return;
    }
    std::vector<Row> rows = fetch(query_.page(true, QString(), end - start, count_ - end));
    long long position = end;
    for (Row& row : rows)
        place(--position, std::move(row));
    if (position > start && !rows_.empty()) {
        count_ -= position;
        moveAll(-position);
    }
}

void KeyedRows::trim(bool keepHigh)
{
    const std::size_t kept = static_cast<std::size_t>(page_) * 40;
    while (rows_.size() > kept)
        rows_.erase(keepHigh ? rows_.begin() : std::prev(rows_.end()));
}

void KeyedRows::close()
{
    if (closed_)
        return;
    closed_ = true;
    rows_.clear();
    if (counting_ && counting_->thread.joinable()) {
        long long thread = 0;
        {
            std::lock_guard lock(counting_->mutex);
            counting_->listener = nullptr;
            if (!counting_->done)
                thread = counting_->serverThread;
        }
        // A count nobody waits for any more is stopped on the server.
        if (thread > 0) {
            try {
                connection_->executeNoRecords(QStringLiteral("kill query %1").arg(thread));
            } catch (const std::exception&) {
            }
        }
        counting_->thread.join();
    }
}

}  // namespace vornal::ado
