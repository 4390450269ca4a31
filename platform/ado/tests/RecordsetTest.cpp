// Reading recordsets against the real server: the variant each column type
// gives, walking to the end, and the positions the postings journal relies
// on (record count, absolute position, bookmarks, clones).
#include "FreshDatabase.h"
#include "ado.h"

#include <gtest/gtest.h>

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::CreateFreshDatabase());
        conn = vornal::testing::OpenRawConnection();
    }
    // Rows 1..n with a number and a signed amount.
    _RecordsetPtr Numbers(int n)
    {
        return conn->Execute(_bstr_t(QStringLiteral(
            "select seq as k, if(seq%7=0, -seq, seq) * 1.5 as s from seq_1_to_%1 order by seq").arg(n)));
    }

    _ConnectionPtr conn;
};

TEST_F(RecordsetTest, ColumnTypesGiveTheirVariants)
{
    conn->Execute("create table if not exists ado_types (i int, b bigint, d decimal(15,2), f double, "
                  "dt date, ts datetime, t varchar(20), n int, bt bit(1))", nullptr, adExecuteNoRecords);
    conn->Execute("delete from ado_types", nullptr, adExecuteNoRecords);
    conn->Execute("insert into ado_types values (-7, 5000000000, 1234.50, 0.25, '2024-02-29', "
                  "'2024-03-01 08:05:09', 'абв', null, 1)", nullptr, adExecuteNoRecords);
    _RecordsetPtr rs = conn->Execute("select * from ado_types");
    struct Case {
        const char* column;
        VARTYPE vt;
        const char* text;
    } const cases[] = {
        {"i", VT_I4, "-7"},       {"b", VT_I8, "5000000000"},
        {"d", VT_DECIMAL, "1234.50"}, {"f", VT_R8, "0.25"},
        {"dt", VT_DATE, "29.02.2024"}, {"ts", VT_DATE, "01.03.2024 08:05:09"},
        {"t", VT_BSTR, "абв"},    {"n", VT_NULL, ""},
        {"bt", VT_BOOL, "1"},
    };
    for (const Case& c : cases) {
        const _variant_t v = rs->Fields->GetItem(c.column)->Value;
        EXPECT_EQ(v.vt, c.vt) << c.column;
        EXPECT_EQ(v.text().toStdString(), std::string(c.text)) << c.column;
    }
    EXPECT_EQ(rs->Fields->Count, 9);
    EXPECT_EQ(rs->Fields->GetItem(2L)->Name.qstring(), QStringLiteral("d"));
    EXPECT_EQ(rs->GetCollect("I").text(), QStringLiteral("-7")) << "names are found in any case";
    EXPECT_EQ(rs->Collect["t"].text(), QStringLiteral("абв"));
    EXPECT_EQ(rs->Fields->Item["dt"]->Value.vt, VT_DATE);
    EXPECT_THROW(rs->GetCollect("missing"), _com_error);
}

TEST_F(RecordsetTest, WalkingReadsEveryRowOnceAndEndsAtEof)
{
    _RecordsetPtr rs = Numbers(2500);
    FieldPtr k = rs->Fields->GetItem("k");
    long expected = 1;
    while (!rs->adoEOF) {
        ASSERT_EQ(static_cast<long>(k->Value), expected) << "a held field follows the current row";
        EXPECT_EQ(static_cast<double>(rs->GetCollect("s")) < 0, expected % 7 == 0);
        ++expected;
        rs->MoveNext();
    }
    EXPECT_EQ(expected, 2501);
    EXPECT_TRUE(rs->EndOfFile);
    EXPECT_THROW(rs->MoveNext(), _com_error);
    EXPECT_THROW(rs->GetCollect("k"), _com_error);
    // Forward reading forgot the rows; going back runs the query again.
    rs->MoveFirst();
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("1"));
}

// Views read a list and look each row's details up while the list is open.
TEST_F(RecordsetTest, OtherQueriesRunWhileAListIsOpen)
{
    _RecordsetPtr list = Numbers(40);
    long rows = 0;
    while (!list->adoEOF) {
        const long k = list->GetCollect("k");
        _RecordsetPtr detail = conn->Execute(_bstr_t(QStringLiteral("select %1 * 2").arg(k)));
        ASSERT_EQ(static_cast<long>(detail->GetCollect(0L)), 2 * k);
        conn->Execute("set @seen := 1", nullptr, adExecuteNoRecords);
        ++rows;
        list->MoveNext();
    }
    EXPECT_EQ(rows, 40);
}

TEST_F(RecordsetTest, EmptyResultIsAtBothEnds)
{
    _RecordsetPtr rs = conn->Execute("select 1 as x from dual where 1=0");
    EXPECT_TRUE(rs->adoEOF);
    EXPECT_TRUE(rs->BOF);
    EXPECT_EQ(rs->RecordCount, 0);
    EXPECT_EQ(rs->AbsolutePosition, adPosEOF);
}

// The journal keeps a record on the same visible row across a refresh: it
// reads the count, sets the bookmark to a record number and colours rows
// through a clone moved to each visible row's bookmark.
TEST_F(RecordsetTest, JournalPositionsBookmarksAndClones)
{
    _RecordsetPtr rs;
    rs.CreateInstance(__uuidof(Recordset));
    rs->CursorLocation = adUseClient;
    rs->Open("select seq as k, if(seq%7=0, -seq, seq) as s from seq_1_to_300 order by seq",
             conn, adOpenStatic, adLockReadOnly, adCmdText);
    EXPECT_EQ(rs->RecordCount, 300);
    EXPECT_EQ(rs->AbsolutePosition, 1);

    rs->Bookmark = _variant_t(250L);
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("250"));
    EXPECT_EQ(rs->AbsolutePosition, 250);
    const _variant_t mark = rs->Bookmark;

    _RecordsetPtr clone = rs->Clone();
    clone->Bookmark = _variant_t(14L);
    EXPECT_LT(static_cast<double>(clone->GetCollect("s")), 0) << "row 14 is drawn red";
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("250")) << "the clone moves alone";

    rs->MoveFirst();
    rs->Bookmark = mark;
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("250"));
    rs->AbsolutePosition = 300;
    rs->MoveNext();
    EXPECT_TRUE(rs->adoEOF);
    EXPECT_EQ(rs->AbsolutePosition, adPosEOF);
    EXPECT_THROW(rs->Bookmark = _variant_t(301L), _com_error);
    rs->MovePrevious();
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("300"));
    rs->Close();
    EXPECT_EQ(rs->GetState(), adStateClosed);
    EXPECT_EQ(clone->GetCollect("k").text(), QStringLiteral("14")) << "a clone outlives its original's Close";
}

// A static recordset opens at its end as cheaply as at its start: a jump to
// a record reads that record only, and the rows read are shared with clones.
TEST_F(RecordsetTest, StaticRecordsetReadsRecordsByPosition)
{
    _RecordsetPtr rs;
    rs.CreateInstance(__uuidof(Recordset));
    rs->Open("select seq as k from seq_1_to_5000 order by seq", conn, adOpenStatic, adLockReadOnly, adCmdText);
    EXPECT_EQ(rs->RecordCount, 5000);
    rs->AbsolutePosition = 4990;
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("4990"));
    rs->MoveNext();
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("4991"));
    _RecordsetPtr clone = rs->Clone();
    clone->Bookmark = _variant_t(4990L);
    EXPECT_EQ(clone->GetCollect("k").text(), QStringLiteral("4990"));
    rs->MovePrevious();
    rs->MovePrevious();
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("4989"));
    EXPECT_LE(rs->GetRowsRead(), 4) << "the records before the jump are not read";
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_TRUE(rs->adoEOF);
    rs->MoveFirst();
    EXPECT_EQ(rs->GetCollect("k").text(), QStringLiteral("1"));
}

}  // namespace
