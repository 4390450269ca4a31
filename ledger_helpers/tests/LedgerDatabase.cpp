#include "LedgerDatabase.h"

#include <FreshDatabase.h>
#include <ndbcore.h>

namespace ledmark_test {

void LedgerDatabase::SetUp()
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    m_year = g_lYear;
    g_lYear = 2024;
    Run("delete from ledmark_provodki\n"
        "delete from system_const where name='system_actual_date'");
    scripts.Clear();
    dbReports.clear(0);
}

void LedgerDatabase::TearDown()
{
    g_lYear = m_year;
    EXPECT_TRUE(scripts.errors.empty()) << scripts.errors.front();
}

void LedgerDatabase::Run(const char* sql)
{
    ASSERT_NE(ExecuteSql(sql), 0) << sql;
}

CString LedgerDatabase::Text(const char* sql)
{
    return ExecuteString(sql);
}

long long LedgerDatabase::Count(const char* sql)
{
    return ExecuteCount(sql);
}

} // namespace ledmark_test
