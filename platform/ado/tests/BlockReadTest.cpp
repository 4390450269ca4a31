// A result read a block of rows at a time gives what the row read gives,
// its texts bound as UTF-8 or as UTF-16: every column type, NULLs, long
// texts, more rows than one block, one row and none. A result with a column that cannot be bound is read row by row, and a
// text longer than its buffer fails the read instead of being cut. Readers on two threads at once read their own rows.
#include "BlockReader.h"
#include "ConnectionState.h"
#include "FreshDatabase.h"
#include "ado.h"

#include <QStringList>
#include <atomic>
#include <thread>
#include <gtest/gtest.h>

namespace {

using vornal::ado::BlockReader;

// Every cell as its variant type and text, row by row.
using Cells = std::vector<QStringList>;

QString Cell(const _variant_t& value)
{
    return QString::number(value.vt) + QLatin1Char(':') + value.text();
}

class BlockReadTest : public ::testing::Test {
protected:
    static constexpr int kRows = 600;  // more than two blocks and a part

    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::CreateFreshDatabase());
        conn = vornal::testing::OpenRawConnection();
        conn->Execute("drop table if exists block_read", nullptr, adExecuteNoRecords);
        conn->Execute("create table block_read (id int primary key, i int, b bigint, d decimal(15,2), f double, "
                      "dt date, ts datetime, t varchar(20), w varchar(1000), bt bit(1), tm time, x text) "
                      "engine=InnoDB",
                      nullptr, adExecuteNoRecords);
        // Each column NULL on rows of its own; the wide text at its full width in
        // letters of two bytes and in characters of two UTF-16 units; the long
        // text some 9000 characters.
        const QString twoUnits = QString::fromUtf8("\xF0\x9F\x93\x8E");
        conn->Execute(_bstr_t(QStringLiteral(
                          "insert into block_read select n, if(n mod 5=0, null, n-300), "
                          "if(n mod 6=0, null, n*10000000000), if(n mod 7=0, null, (n-300)*1.25), "
                          "if(n mod 8=0, null, n/3), if(n mod 9=0, null, '2024-01-01' + interval n day), "
                          "if(n mod 10=0, null, '2024-02-29 23:59:58' + interval n minute), "
                          "if(n mod 11=0, null, if(n mod 17=0, '', concat('Строка ', n))), "
                          "if(n mod 12=0, null, repeat(if(n mod 2=0, 'я', '") + twoUnits + QStringLiteral(
                          "'), 1000)), n mod 2, if(n mod 13=0, null, sec_to_time(n*37)), "
                          "if(n mod 14=0, null, repeat(concat('текст ', n, ' '), 800)) from (select cast(seq as signed) as n from seq_1_to_")
                          + QString::number(kRows) + QStringLiteral(") as s")),
                      nullptr, adExecuteNoRecords);
    }

    // The rows as the driver hands them over one at a time: a static cursor
    // reads each row by its position.
    Cells ReadByRows(const QString& sql)
    {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open(_variant_t(sql), conn, adOpenStatic, adLockReadOnly, adCmdText);
        return Walk(rs);
    }
    // The rows as a block reader bound by hand hands them over: UTF-8 texts
    // or UTF-16 ones, whichever the connection would not choose.
    Cells ReadByBlocks(const QString& sql, bool utf8)
    {
        auto statement = conn->state()->newStatement();
        if (!statement->executeDirect(sql, QString()))
            return {};
        std::vector<vornal::ado::ColumnInfo> columns;
        for (SQLUSMALLINT c = 1; c <= statement->columnCount(QString()); ++c)
            columns.push_back(vornal::ado::DescribeColumn(statement->get(), c, QString()));
        const std::unique_ptr<BlockReader> reader = BlockReader::Bind(statement->get(), columns, utf8);
        if (!reader)
            return {};
        std::deque<BlockReader::Row> rows;
        while (reader->fetch(rows, QString())) {
        }
        statement->closeCursor();
        Cells cells;
        for (const BlockReader::Row& row : rows) {
            QStringList texts;
            for (const _variant_t& value : row)
                texts << Cell(value);
            cells.push_back(texts);
        }
        return cells;
    }
    static Cells Walk(_RecordsetPtr& rs)
    {
        Cells cells;
        for (; !rs->adoEOF; rs->MoveNext()) {
            QStringList row;
            for (long c = 0; c < rs->Fields->Count; ++c)
                row << Cell(rs->GetCollect(c));
            cells.push_back(row);
        }
        return cells;
    }

    _ConnectionPtr conn;
};

TEST_F(BlockReadTest, ABlockReadGivesWhatTheRowReadGives)
{
    struct Case {
        const char* what;
        const char* sql;
        int rows;
        bool blocks;  // read a block at a time
    };
    const Case cases[] = {
        {"every bound type", "select id, i, b, d, f, dt, ts, t, w, bt, tm from block_read order by id", kRows, true},
        {"expressions", "select concat(id, '.', i) as k, concat(t, ' ', w) as tw, d*2 as d2, dt + interval 1 month "
                        "from block_read order by id desc", kRows, true},
        {"a long text column", "select * from block_read order by id", kRows, false},
        {"one part of a block", "select id, t from block_read where id > 590 order by id", 10, true},
        {"one row", "select id, t, d from block_read where id = 77", 1, false},
        {"no row", "select id, t from block_read where id < 0", 0, false},
    };
    // MariaDB's driver gives UTF-8 texts, so the recordsets below read them so.
    ASSERT_TRUE(conn->state()->utf8Text());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Cells expected = ReadByRows(QString::fromUtf8(c.sql));
        ASSERT_EQ(int(expected.size()), c.rows);
        _RecordsetPtr rs = conn->Execute(c.sql);
        EXPECT_EQ(bool(rs->adoEOF), c.rows == 0);
        if (c.rows > 1) {
            EXPECT_EQ(rs->GetRowsRead() > 1, c.blocks) << "rows read with the first";
        }
        const Cells read = Walk(rs);
        ASSERT_EQ(read.size(), expected.size());
        for (std::size_t row = 0; row < read.size(); ++row)
            ASSERT_EQ(read[row], expected[row]) << "row " << row;
        if (c.blocks) {
            const Cells wide = ReadByBlocks(QString::fromUtf8(c.sql), false);
            ASSERT_EQ(wide.size(), expected.size()) << "texts as UTF-16";
            for (std::size_t row = 0; row < wide.size(); ++row)
                ASSERT_EQ(wide[row], expected[row]) << "texts as UTF-16, row " << row;
        }
    }
    // The texts as stored, not only as both reads agree.
    _RecordsetPtr rs = conn->Execute("select t, w, d, ts from block_read where id in (38, 39) order by id");
    EXPECT_EQ(rs->GetCollect("t").text(), QStringLiteral("Строка 38"));
    EXPECT_EQ(rs->GetCollect("w").text(), QString(1000, QChar(0x044F)));
    EXPECT_EQ(rs->GetCollect("d").text(), QStringLiteral("-327.50"));
    EXPECT_EQ(rs->GetCollect("ts").text(), QStringLiteral("01.03.2024 00:37:58"));
    rs->MoveNext();
    EXPECT_EQ(rs->GetCollect("w").text(), QString::fromUtf8("\xF0\x9F\x93\x8E").repeated(1000));
}

// The buffers of a block go to the next reader once their reader is gone;
// readers alive at once keep their own: two threads, each on a connection of
// its own, read their rows again and again at the same time.
TEST_F(BlockReadTest, ReadersOnTwoThreadsReadTheirOwnRows)
{
    const QString ascending = QStringLiteral("select id, i, t, w from block_read order by id");
    const QString descending = QStringLiteral("select w, t, d, id from block_read order by id desc");
    const Cells up = ReadByRows(ascending), down = ReadByRows(descending);
    ASSERT_EQ(int(up.size()), kRows);
    std::atomic<int> wrong{0};
    auto read = [&wrong](_ConnectionPtr own, const QString& sql, const Cells& expected) {
        try {
            for (int round = 0; round < 20; ++round) {
                _RecordsetPtr rs = own->Execute(_bstr_t(sql));
                // A block is read with the first row.
                if (rs->adoEOF || rs->GetRowsRead() < 2 || Walk(rs) != expected)
                    ++wrong;
            }
        } catch (const _com_error&) {
            ++wrong;
        }
    };
    std::thread a(read, vornal::testing::OpenRawConnection(), ascending, std::cref(up));
    std::thread b(read, vornal::testing::OpenRawConnection(), descending, std::cref(down));
    a.join();
    b.join();
    EXPECT_EQ(wrong.load(), 0) << "reads that were not their rows";
}

// A driver may declare a column narrower than its values: the block's
// buffers are then too short, and the read fails rather than cut a text.
// Only a driver whose widths hold binds texts at all: for any other, a
// result with texts is not bound and is read row by row, whole.
TEST_F(BlockReadTest, ATextLongerThanItsBufferFailsTheRead)
{
    {
        auto statement = conn->state()->newStatement();
        ASSERT_TRUE(statement->executeDirect(QStringLiteral("select id, t from block_read order by id"), QString()));
        std::vector<vornal::ado::ColumnInfo> columns;
        for (SQLUSMALLINT c = 1; c <= statement->columnCount(QString()); ++c)
            columns.push_back(vornal::ado::DescribeColumn(statement->get(), c, QString()));
        EXPECT_EQ(BlockReader::Bind(statement->get(), columns, true, -1, 4, false), nullptr)
            << "a driver whose widths may not hold: the texts are read row by row";
        statement->closeCursor();
    }
    for (const bool utf8 : {true, false}) {
        SCOPED_TRACE(utf8 ? "UTF-8" : "UTF-16");
        const QString sql = QStringLiteral("select id, t from block_read order by id");
        auto statement = conn->state()->newStatement();
        ASSERT_TRUE(statement->executeDirect(sql, QString()));
        std::vector<vornal::ado::ColumnInfo> columns;
        for (SQLUSMALLINT c = 1; c <= statement->columnCount(QString()); ++c)
            columns.push_back(vornal::ado::DescribeColumn(statement->get(), c, QString()));
        // Three bytes of UTF-8 or one UTF-16 unit, then the end: "Строка 1" is longer.
        const std::unique_ptr<BlockReader> reader = BlockReader::Bind(statement->get(), columns, utf8, -1, 4);
        ASSERT_NE(reader, nullptr);
        std::deque<BlockReader::Row> rows;
        EXPECT_THROW(reader->fetch(rows, QString()), _com_error);
    }
}

} // namespace
