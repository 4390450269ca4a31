// The dialect fragments as text, and on the real server: the employee's
// name expression and null replacement run, and a field reads as text
// exactly as ExecuteString gives the same column.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

class DriverIdScope {
public:
    explicit DriverIdScope(long id) : m_saved(GetDriverId(-1)) { SetDriverId(id); }
    ~DriverIdScope() { SetDriverId(m_saved); }

private:
    long m_saved;
};

TEST(GridSql, FragmentsFollowTheDriverIdOfTheDatabaseLayer)
{
    const struct {
        long driverId;
        const char* isNull;
    } cases[] = {
        {0, "isnull(s,0)"}, {3, "isnull(s,0)"}, {1, "ifnull(s,0)"}, {4, "ifnull(s,0)"}, {2, "coalesce(s,0)"},
    };
    for (const auto& c : cases) {
        DriverIdScope scope(c.driverId);
        EXPECT_EQ(GetDriverId(-1), c.driverId);
        EXPECT_EQ(SqlIsNull("s", "0"), CString(c.isNull)) << c.driverId;
        const CString fio = GL_SqlFio();
        for (const char* column : {"tn.f", "tn.i", "tn.o"})
            EXPECT_NE(fio.Find(column), -1) << c.driverId << ": " << (LPCTSTR)fio;
    }
}

class GridSqlDbTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(vornal::testing::UseFreshDatabase()); }
    vornal::testing::DbReportRecorder reports;
};

TEST_F(GridSqlDbTest, EmployeeNameLeavesOutAMissingPatronymic)
{
    CString sql;
    sql.Format("select %s as str from (select 'Иванов' f, 'Иван' i, null o) tn", (LPCTSTR)GL_SqlFio());
    EXPECT_EQ(ExecuteString(sql, -1), CString("Иванов Иван"));
    sql.Format("select %s as str from (select 'Петрова' f, 'Анна' i, 'Ильинична' o) tn", (LPCTSTR)GL_SqlFio());
    EXPECT_EQ(ExecuteString(sql, -1), CString("Петрова Анна Ильинична"));
    sql.Format("select %s as str", (LPCTSTR)SqlIsNull("null", "'нет'"));
    EXPECT_EQ(ExecuteString(sql, -1), CString("нет"));
    EXPECT_TRUE(reports.reports().empty());
}

TEST_F(GridSqlDbTest, FieldTextIsTheTextExecuteStringGives)
{
    ASSERT_TRUE(ExecuteSql("create table if not exists g_values (id int primary key, t varchar(40), "
                           "s decimal(15,2), q double, d date, dt datetime, b bit, n int)"));
    ASSERT_TRUE(ExecuteSql("delete from g_values"));
    ASSERT_TRUE(ExecuteSql("insert into g_values values (1, 'Касса', 12.50, 0.3, '2024-03-05', "
                           "'2024-03-05 00:00:00', 1, null)"));
    const char* const columns[] = {"t", "s", "q", "d", "dt", "b", "n"};
    const char* const expected[] = {"Касса", "12.50", "0.3", "05.03.2024", "05.03.2024 00:00:00", "1", ""};
    _RecordsetPtr rs = GetConnection()->Execute(_bstr_t("select * from g_values"), nullptr, adCmdText);
    ASSERT_FALSE(rs->adoEOF);
    for (size_t i = 0; i < std::size(columns); ++i) {
        const CString field = SafeArayToString(rs->Fields->Item[columns[i]]->Value);
        EXPECT_EQ(field, CString(expected[i])) << columns[i];
        CString sql;
        sql.Format("select %s as str from g_values", columns[i]);
        EXPECT_EQ(field, ExecuteString(sql, -1)) << columns[i];
    }
    rs->Close();
}

} // namespace
