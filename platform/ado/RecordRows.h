// What a recordset reads its rows through: the rows of one query result as
// the driver hands them over (RowSource), or the pages of an ordered query
// read by its key (KeyedRows). Positions count from 0.
#pragma once
#include "ColumnReader.h"

#include <vector>

namespace vornal::ado {

// Named in a public header (a friend or a pointer there), which would export it;
// it stays inside the library.
class __attribute__((visibility("hidden"))) RecordRows {
public:
    using Row = std::vector<_variant_t>;

    virtual ~RecordRows() = default;

    virtual int columnCount() const = 0;
    virtual const ColumnInfo& column(int index) const = 0;
    // -1 when there is no column of that name (compared without case).
    virtual int columnIndex(const QString& name) const = 0;

    // True when the row exists; may read from the driver as far as needed.
    virtual bool has(long long index) = 0;
    virtual const Row& row(long long index) = 0;
    virtual long long count() = 0;
    // Rows before the index may be forgotten (forward-only reading).
    virtual void forgetBefore(long long) {}
    virtual long long firstKept() const { return 0; }
    virtual void close() = 0;
    virtual bool closed() const = 0;
    // How many rows were read from the driver so far.
    virtual long long rowsRead() const = 0;
};

}  // namespace vornal::ado
