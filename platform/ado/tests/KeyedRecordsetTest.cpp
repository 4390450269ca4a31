// The keyed recordset against the real server: the texts it sends for an
// ordered query, and a list of postings with ties in the leading key columns
// (one date, one document) read a page of three rows at a time.
#include "FreshDatabase.h"
#include "KeyedQuery.h"
#include "ado.h"

#include <gtest/gtest.h>

namespace {

using vornal::ado::KeyedQuery;

const QStringList kKey{"p.d", "p.id", "p.npp"};

TEST(KeyedQuery, PagesTheQueriesItCanAndLeavesTheOthers)
{
    struct Case {
        const char* sql;
        bool paged;
    } const cases[] = {
        {"select p.d, p.id, p.npp from p where p.s>0 or p.kol<0 order by p.d,p.id,p.npp", true},
        {"select p.d,p.id,p.npp from p left join (select id from a union all select id from b) x on x.id=p.id "
         "order by p.d, p.id ASC, p.npp", true},
        {"select p.d, p.id, p.npp, 'order by x' as t from p order by p.d,p.id,p.npp", true},
        {"select p.d, p.id, p.npp from p order by p.d,p.id", false},        // another ordering
        {"select p.d, p.id, p.npp from p order by p.d,p.id,p.npp desc", false},
        {"select p.d, p.id, p.npp from p", false},                          // no ordering
        {"select p.d, p.id, p.npp from p order by p.d,p.id,p.npp limit 5", false},
        {"select p.d, p.id, p.npp from p union select d,id,npp from q order by p.d,p.id,p.npp", false},
        {"select p.d, p.id, max(p.npp) from p group by p.d,p.id order by p.d,p.id,p.npp", false},
        {"select distinct p.d, p.id, p.npp from p order by p.d,p.id,p.npp", false},
        {"select p.d, p.id, p.npp from p where p.t='it''s (' order by p.d,p.id,p.npp", true},
        {"select p.d, p.id, p.npp from p where p.t='( order by p.d,p.id,p.npp", false},  // quote left open
    };
    for (const Case& c : cases) {
        KeyedQuery query;
        EXPECT_EQ(query.split(c.sql, kKey), c.paged) << c.sql;
    }
}

TEST(KeyedQuery, KeepsTheConditionWholeAndAddsTheKeysRange)
{
    KeyedQuery query;
    ASSERT_TRUE(query.split("select p.d, p.id, p.npp from p left join h on h.id=p.id "
                            "where p.s>0 or p.kol<0 order by p.d,p.id,p.npp", kKey));
    EXPECT_EQ(query.keyFields(), QStringList({"d", "id", "npp"}));
    const QString after = vornal::ado::KeysetCondition(kKey, {"'2025-03-01'", "7", "2"}, true);
    EXPECT_EQ(after, QStringLiteral("p.d>'2025-03-01' or (p.d='2025-03-01' and (p.id>7 or (p.id=7 and (p.npp>2))))"));
    EXPECT_EQ(query.page(false, after, 3),
              "select p.d, p.id, p.npp from p left join h on h.id=p.id where (p.s>0 or p.kol<0) and (" + after
                  + ") order by p.d,p.id,p.npp limit 3");
    EXPECT_EQ(query.page(true, QString(), 3, 10),
              QStringLiteral("select p.d, p.id, p.npp from p left join h on h.id=p.id where p.s>0 or p.kol<0 "
                             "order by p.d desc,p.id desc,p.npp desc limit 3 offset 10"));
    EXPECT_EQ(query.count(), QStringLiteral("select count(*) from p left join h on h.id=p.id where p.s>0 or p.kol<0"));
    query.setCountTable("p");
    EXPECT_EQ(query.count(), QStringLiteral("select count(*) from p where p.s>0 or p.kol<0"));
}

TEST(KeyedQuery, KeyValuesBecomeLiterals)
{
    QString literal;
    EXPECT_TRUE(vornal::ado::KeyLiteral(_variant_t::FromDate({2025, 3, 1}, false), literal));
    EXPECT_EQ(literal, QStringLiteral("'2025-03-01'"));
    EXPECT_TRUE(vornal::ado::KeyLiteral(_variant_t(QStringLiteral("O'Neil \\ 1")), literal));
    EXPECT_EQ(literal, QStringLiteral("'O''Neil \\\\ 1'"));
    EXPECT_TRUE(vornal::ado::KeyLiteral(_variant_t(-42LL), literal));
    EXPECT_EQ(literal, QStringLiteral("-42"));
    EXPECT_FALSE(vornal::ado::KeyLiteral(_variant_t::Null(), literal));
}

class KeyedRecordsetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::CreateFreshDatabase());
        conn = vornal::testing::OpenRawConnection();
        conn->Execute("create table if not exists keyed_p (real_id int auto_increment primary key, d date not null, "
                      "id int not null, npp int not null, s decimal(10,2), key (d, id, npp))",
                      nullptr, adExecuteNoRecords);
        conn->Execute("delete from keyed_p", nullptr, adExecuteNoRecords);
        // 23 postings: three documents share the first date, the second one has
        // eleven lines, and the last date has one document of four lines.
        conn->Execute("insert into keyed_p (d, id, npp, s) values "
                      "('2025-01-10',1,1,1),('2025-01-10',1,2,2),('2025-01-10',2,1,3),('2025-01-10',2,2,4),"
                      "('2025-01-10',2,3,5),('2025-01-10',2,4,6),('2025-01-10',2,5,7),('2025-01-10',2,6,8),"
                      "('2025-01-10',2,7,9),('2025-01-10',2,8,10),('2025-01-10',2,9,11),('2025-01-10',2,10,12),"
                      "('2025-01-10',2,11,13),('2025-01-10',3,1,14),('2025-02-01',4,1,15),('2025-02-01',4,2,16),"
                      "('2025-02-01',5,1,17),('2025-02-01',5,2,18),('2025-02-01',5,3,19),('2025-03-05',6,1,20),"
                      "('2025-03-05',6,2,21),('2025-03-05',6,3,22),('2025-03-05',6,4,23)",
                      nullptr, adExecuteNoRecords);
    }

    _RecordsetPtr Open(const char* where = "")
    {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        const QString sql = QStringLiteral("select p.d, p.id, p.npp, p.s from keyed_p p %1 order by p.d,p.id,p.npp")
                                .arg(QString::fromUtf8(where));
        EXPECT_TRUE(rs->OpenKeyed(sql, conn, kKey, 3));
        return rs;
    }

    // The amounts (1..23 in key order) of the records, from the first down or from the last up.
    static std::vector<int> Walk(_RecordsetPtr& rs, bool down)
    {
        std::vector<int> seen;
        if (down) {
            for (rs->MoveFirst(); !rs->adoEOF; rs->MoveNext())
                seen.push_back(int(rs->GetCollect("s")));
        } else {
            for (rs->MoveLast(); !rs->BOF; rs->MovePrevious())
                seen.push_back(int(rs->GetCollect("s")));
        }
        return seen;
    }

    _ConnectionPtr conn;
};

std::vector<int> Range(int first, int last)
{
    std::vector<int> values;
    for (int v = first; first <= last ? v <= last : v >= last; v += first <= last ? 1 : -1)
        values.push_back(v);
    return values;
}

TEST_F(KeyedRecordsetTest, OpensOnItsLastRowsAndVisitsEveryRowOnceEitherWay)
{
    // Read from the top before the count: the first record is the list's first.
    _RecordsetPtr fresh = Open();
    EXPECT_EQ(Walk(fresh, true), Range(1, 23));
    _RecordsetPtr rs = Open();
    // Before the count, the last page stands at the end of the list.
    rs->MoveLast();
    EXPECT_EQ(int(rs->GetCollect("s")), 23);
    const long before = rs->GetAbsolutePosition();
    const long shift = rs->TakeShift(true);
    EXPECT_TRUE(rs->IsCounted());
    EXPECT_EQ(rs->RecordCount, 23);
    EXPECT_EQ(before + shift, 23) << "the last record keeps its place from the end";
    EXPECT_EQ(Walk(rs, true), Range(1, 23));
    EXPECT_EQ(Walk(rs, false), Range(23, 1));
    // Any record by its position, and a clone beside it.
    rs->PutAbsolutePosition(12);
    EXPECT_EQ(int(rs->GetCollect("s")), 12);
    _RecordsetPtr clone = rs->Clone();
    clone->PutBookmark(_variant_t(5L));
    EXPECT_EQ(int(clone->GetCollect("s")), 5);
    EXPECT_EQ(int(rs->GetCollect("npp")), 10);
}

TEST_F(KeyedRecordsetTest, AShortOrEmptyListIsCountedAtOnce)
{
    _RecordsetPtr rs = Open("where p.id=6 and p.npp<3");
    EXPECT_TRUE(rs->IsCounted());
    EXPECT_EQ(rs->RecordCount, 2);
    EXPECT_EQ(Walk(rs, true), Range(20, 21));
    _RecordsetPtr none = Open("where p.id=99");
    EXPECT_TRUE(none->IsCounted());
    EXPECT_EQ(none->RecordCount, 0);
    EXPECT_TRUE(none->adoEOF);
    EXPECT_TRUE(none->BOF);
}

TEST_F(KeyedRecordsetTest, ARowDeletedBetweenTwoPagesIsLeftOutAndNothingRepeats)
{
    _RecordsetPtr rs = Open();
    rs->TakeShift(true);
    std::vector<int> seen;
    rs->MoveFirst();
    for (int i = 0; i < 6; ++i, rs->MoveNext())
        seen.push_back(int(rs->GetCollect("s")));
    // Another user removes a posting the list has not read yet, and one it has.
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->Execute("delete from keyed_p where s in (3, 15)", nullptr, adExecuteNoRecords);
    for (; !rs->adoEOF; rs->MoveNext())
        seen.push_back(int(rs->GetCollect("s")));
    std::vector<int> expected = Range(1, 23);
    expected.erase(expected.begin() + 14);  // 15: never read
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(rs->RecordCount, 22) << "the list ends where the rows end";
}

} // namespace
