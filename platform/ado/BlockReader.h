// The columns of a result bound to arrays, so that one fetch hands over a
// block of rows (column-wise binding with SQL_ATTR_ROW_ARRAY_SIZE) instead of
// one row and a call per cell. Only where every column has a C type to bind
// and a bounded width: a text column's buffer holds its declared width in
// characters; long texts, binary values and types not known here are read row
// by row (ReadColumn), as are results the driver will not hand over in blocks.
// The values are those ReadColumn gives.
// Texts are bound as UTF-8 (SQL_C_CHAR, up to four bytes a character) where
// the driver hands them over so, and decoded here: MariaDB's driver opens an
// iconv conversion for every cell it gives as UTF-16, which costs more than
// the rest of the read. Elsewhere they are bound as UTF-16 (up to two units a
// character).
// Texts are bound only where the driver's declared widths hold every value
// (MariaDB's: it declares a column's full width). Another driver may declare
// less than its values (psqlODBC gives 255 for an unbounded varchar by
// default): there a result with texts is read row by row, which reads any
// length. A text longer than its buffer still fails the read, never cut: a
// cell of a block cannot be read again on every driver (MariaDB's answers
// SQLGetData after SQLSetPos with the block's first row).
// The buffers of a block are one piece of memory that outlives its reader:
// the next reader takes it when it is large enough. Every query of more than
// one row otherwise had up to a megabyte of fresh memory mapped, its pages
// faulted in one by one as the driver wrote the rows (a text column's values
// lie its declared width apart), and unmapped again, which cost more than the
// rest of the layer's work on a read of a few hundred rows. One piece is kept
// at a time; readers alive together each have their own.
#pragma once
#include "ColumnReader.h"

#include <deque>
#include <memory>
#include <vector>

namespace vornal::ado {

class BlockReader {
public:
    using Row = std::vector<_variant_t>;

    // The most rows of a block, and the most bytes the buffers of one block take.
    static constexpr SQLULEN kBlockRows = 256;
    static constexpr SQLLEN kBlockBytes = 1 << 20;
    // Texts declared wider than this many characters are read row by row.
    static constexpr SQLULEN kWidestText = 4000;

    // Binds the executed statement's result columns, described by `columns`;
    // null, with the statement left as it was, when the columns or the driver
    // do not allow it. `utf8`: the driver gives SQL_C_CHAR texts as UTF-8
    // (ConnectionState::utf8Text). `expectedRows`, when the driver told the
    // result's size, bounds the block. `textBytes`, when given, is the buffer
    // of every text in bytes with its end (a test's narrow buffers); else each
    // column's declared width. `widthsHold`: the driver's declared text widths
    // hold every value (ConnectionState::declaredWidthsHold); else texts are
    // not bound and a result with any is read row by row.
    static std::unique_ptr<BlockReader> Bind(SQLHSTMT statement, const std::vector<ColumnInfo>& columns, bool utf8,
                                             long long expectedRows = -1, SQLLEN textBytes = 0,
                                             bool widthsHold = true);
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;
    // The buffers are kept for the next reader: the statement must no longer
    // fetch into them (it is closed or freed, or unbound).
    ~BlockReader();

    // Fetches the next block and appends its rows to `rows`; false when the
    // result has no more rows. Throws _com_error as the row read does.
    bool fetch(std::deque<Row>& rows, const QString& doing);

private:
    struct Column {
        ColumnInfo info;
        SQLSMALLINT cType = SQL_C_WCHAR;  // or SQL_C_CHAR for UTF-8 texts
        SQLLEN width = 0;                  // bytes of one row's value
        char* values = nullptr;            // width bytes for each row of a block, in buffer_
        SQLLEN* lengths = nullptr;         // indicator of each row, in buffer_
    };

    BlockReader(SQLHSTMT statement, SQLULEN rows) : statement_(statement), rows_(rows) {}
    _variant_t value(std::size_t column, SQLULEN row, const QString& doing);

    SQLHSTMT statement_;
    SQLULEN rows_;
    std::vector<Column> columns_;
    SQLULEN fetched_ = 0;
    std::unique_ptr<SQLUSMALLINT[]> status_;
    std::unique_ptr<char[]> buffer_;  // every column's values and indicators
    std::size_t bufferBytes_ = 0;
};

}  // namespace vornal::ado
