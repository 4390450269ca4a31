// The position of one recordset in its rows. The recordset, its fields and
// its clones' fields reach the rows through it.
#pragma once
#include "RecordRows.h"
#include "com_error.h"

#include <memory>

namespace vornal::ado {

// Named in a public header (a friend or a pointer there), which would export it;
// it stays inside the library.
struct __attribute__((visibility("hidden"))) RecordCursor {
    std::shared_ptr<RecordRows> source;   // null while closed
    long long position = 0;              // 0-based; -1 is before the first row
    bool forwardOnly = false;

    bool open() const { return source != nullptr; }
    void requireOpen() const;
    bool atEnd() const { return !source || !source->has(position); }
    bool atStart() const { return position < 0; }
    // The current row; throws adErrNoCurrentRecord at either end.
    const RecordRows::Row& current() const;
    int columnOf(const _variant_t& index) const;
};

}  // namespace vornal::ado
