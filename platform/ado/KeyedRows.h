// The rows of an ordered query read a page at a time by its key, so a list
// over a year of postings costs the same to open at any size: the last page is
// read with "order by <key> desc limit n", the pages around a row by the key
// of the row beside them (KeyedQuery), and a page far from every row read so
// far at an offset from the nearer end.
//
// Positions count from the first row of the query. The list opens on its last
// page before the rows are counted: until the count (made on a connection of
// its own, beside the first page) is taken, the rows of that page stand at the
// end of a provisional count, and any other row waits for the count. When the
// count is taken, or when paging finds that another user removed rows, the
// rows read keep their place from the end and their positions move
// (takeShift); rows another user added are shown after the next opening (one
// added before the rows read may keep the first row out of reach until then).
#pragma once
#include "ConnectionState.h"
#include "KeyedQuery.h"
#include "RecordRows.h"

#include <QHash>
#include <functional>
#include <map>
#include <memory>

namespace vornal::ado {

struct KeyedCount;

class KeyedRows : public RecordRows {
public:
    // `pageRows`: rows read at a time; `countHint`: the provisional count
    // (the last count of the same list, or 0).
    KeyedRows(std::shared_ptr<ConnectionState> connection, KeyedQuery query, int pageRows, long long countHint);
    ~KeyedRows() override;
    KeyedRows(const KeyedRows&) = delete;
    KeyedRows& operator=(const KeyedRows&) = delete;

    // Reads the last page and starts the count; false when the result does
    // not carry each key column once (then it is read whole). Throws _com_error.
    bool open();

    int columnCount() const override { return static_cast<int>(columns_.size()); }
    const ColumnInfo& column(int index) const override { return columns_[static_cast<std::size_t>(index)]; }
    int columnIndex(const QString& name) const override;
    bool has(long long index) override;
    const Row& row(long long index) override;
    long long count() override { return count_; }
    void close() override;
    bool closed() const override { return closed_; }
    long long rowsRead() const override { return read_; }

    bool counted() const { return exact_; }
    // Called on the counting thread once the count is there.
    void setCountListener(std::function<void()> listener);
    // Takes the count when it is there (waiting for it with `wait`) and gives
    // how far the positions moved since the last call; the count may have
    // changed too.
    long long takeShift(bool wait);

private:
    std::vector<Row> fetch(const QString& sql);
    QStringList keyOf(const Row& row) const;
    void place(long long position, Row row);
    void moveAll(long long by);
    void adoptCount(long long found);
    void forward(long long index);
    void backward(long long index);
    void jump(long long index);
    void trim(bool keepHigh);
    void startCount();
    // Reads the pages that hold the row; false when it is not there.
    bool find(long long index);

    std::shared_ptr<ConnectionState> connection_;
    KeyedQuery query_;
    int page_;
    std::vector<ColumnInfo> columns_;
    QHash<QString, int> byName_;
    std::vector<int> keyColumns_;
    std::map<long long, Row> rows_;   // position -> row; one run of positions
    long long count_ = 0;
    bool exact_ = false;
    bool closed_ = false;
    long long shift_ = 0;
    long long read_ = 0;
    std::shared_ptr<KeyedCount> counting_;
};

}  // namespace vornal::ado
