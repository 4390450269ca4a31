#include "StaffDatabase.h"

#include <FreshDatabase.h>
#include <ndbcore.h>

#include <QDate>

namespace stafftest {

void StaffDatabase::SetUp()
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    m_year = g_lYear;
    m_month = g_lMonth;
    const QDate today = QDate::currentDate();
    g_lYear = today.year();
    g_lMonth = today.month();
    SetDPV1(GetOtpD1(g_lYear, g_lMonth));
    SetDPV2(GetOtpD2(g_lYear, g_lMonth));
    scripts.Clear();
    dbReports.clear(0);
}

void StaffDatabase::TearDown()
{
    g_lYear = m_year;
    g_lMonth = m_month;
    EXPECT_TRUE(scripts.errors.empty()) << scripts.errors.front();
}

void StaffDatabase::Run(const char* sql)
{
    ASSERT_NE(ExecuteSql(sql), 0) << sql;
}

CString StaffDatabase::Text(const char* sql)
{
    return ExecuteString(sql);
}

long long StaffDatabase::Count(const char* sql)
{
    return ExecuteCount(sql);
}

CString StaffDatabase::ThisYear(const char* dayAndMonth)
{
    return FormatText("%s.%d", dayAndMonth, QDate::currentDate().year());
}

CString StaffDatabase::LastYear(const char* dayAndMonth)
{
    return FormatText("%s.%d", dayAndMonth, QDate::currentDate().year() - 1);
}

} // namespace stafftest
