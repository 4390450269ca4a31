// The rows of one result, read from the driver as they are asked for and kept
// in a cache that the recordset and its clones share. A list that shows rows
// as they come into view reads only those; the record count comes from the
// driver when it knows it, else by reading to the end. A forward-only reader
// lets the cache forget the rows it has passed. A scrollable result (a static
// cursor whose size the driver knows) reads any row by its position, so a list
// that opens at its last screen reads that screen and not the rows before it.
// Any other result of more than one row is read a block of rows at a time
// where its columns allow it (BlockReader.h), else row by row.
#pragma once
#include "BlockReader.h"
#include "ConnectionState.h"
#include "RecordRows.h"

#include <QHash>
#include <deque>
#include <memory>
#include <vector>

namespace vornal::ado {

class RowSource : public RecordRows {
public:

    // `scrollable`: the statement's cursor is static, so rows may be read by position.
    RowSource(std::shared_ptr<OdbcStatement> statement, const QString& sql, bool scrollable = false);
    RowSource(const RowSource&) = delete;
    RowSource& operator=(const RowSource&) = delete;

    int columnCount() const override { return static_cast<int>(columns_.size()); }
    const ColumnInfo& column(int index) const override { return columns_[static_cast<std::size_t>(index)]; }
    // -1 when there is no column of that name (compared without case).
    int columnIndex(const QString& name) const override;

    // True when the row (0-based) exists; reads from the driver as far as needed.
    bool has(long long index) override;
    const Row& row(long long index) override;
    long long count() override;
    // Rows before the index may be forgotten (forward-only reading).
    void forgetBefore(long long index) override;
    long long firstKept() const override { return first_; }
    void close() override;
    bool closed() const override { return !statement_; }
    // How many rows were read from the driver so far.
    long long rowsRead() const override { return read_; }

private:
    // Reads the next row, or the next block of rows; false at the end.
    bool fetchMore();
    Row readCurrent(const QString& doing);
    void fetchAt(long long index);

    // Declared before the statement, so that it goes after it: the statement
    // is bound to its buffers, which go to the next reader.
    std::unique_ptr<BlockReader> block_;  // null: read row by row
    std::shared_ptr<OdbcStatement> statement_;
    QString sql_;           // for the report of a failure
    std::vector<ColumnInfo> columns_;
    QHash<QString, int> byName_;
    std::deque<Row> rows_;
    long long first_ = 0;       // index of rows_.front()
    bool exhausted_ = false;
    long long knownCount_ = -1; // as the driver told it
    bool random_ = false;       // rows read by position into byPosition_
    std::vector<Row> byPosition_;  // an empty row is one not read yet
    long long lastFetched_ = -1;
    long long read_ = 0;
};

// Runs a query on a fresh statement; null when no result of it has columns.
// `affected` gets the rows touched by the commands before the first row result.
// `scrollable` asks the driver for a static cursor (rows by position).
std::shared_ptr<RowSource> RunQuery(ConnectionState& connection, const QString& sql, long long* affected,
                                    bool scrollable = false);

}  // namespace vornal::ado
