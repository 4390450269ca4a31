// Connection settings: getters' defaults, the driver of each id, the server
// text with a port, and the refused ids.
#include "DbReportRecorder.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

TEST(Settings, GettersGiveTheirDefaultWhenUnset)
{
    SetServerName("");
    SetUserID("");
    EXPECT_EQ(GetServerName("127.0.0.1"), CString("127.0.0.1"));
    EXPECT_EQ(GetUserID("root"), CString("root"));
    EXPECT_EQ(GetServerName(nullptr), CString(""));
    SetServerName("db.local:3307");
    EXPECT_EQ(GetServerName("127.0.0.1"), CString("db.local:3307"));
    SetServerName("");
}

TEST(Settings, ConnectionStringsPerDriver)
{
    const CString maria = BuildConnectionString(4, "10.0.0.5:3307", "учёт", "root", "p;w}d");
    EXPECT_NE(maria.Find("libmaodbc.so}"), -1);
    EXPECT_NE(maria.Find(";SERVER=10.0.0.5;PORT=3307;"), -1) << (LPCTSTR)maria;
    EXPECT_NE(maria.Find("DATABASE=учёт;"), -1);
    EXPECT_NE(maria.Find("PWD={p;w}}d}"), -1) << "a password with ; and } stays one value";
    EXPECT_NE(maria.Find("OPTION=67108864"), -1);
    const CString postgres = BuildConnectionString(2, "pg", "b", "u", "");
    EXPECT_NE(postgres.Find("psqlodbcw.so}"), -1);
    EXPECT_NE(postgres.Find("PORT=5432"), -1);
    EXPECT_NE(BuildConnectionString(3, "ms\\inst", "b", "sa", "x").Find("libtdsodbc.so}"), -1);
    EXPECT_EQ(DriverIdOfODBCName(GetODBCDriverName(2)), 2);
    EXPECT_TRUE(BuildConnectionString(5, "x", "b", "u", "").IsEmpty());
}

TEST(Settings, RefusedDriverIsReportedInRussian)
{
    vornal::testing::DbReportRecorder recorder;
    SetDriverId(5);
    EXPECT_EQ(InitDll(), 0);
    SetDriverId(1);
    ASSERT_EQ(recorder.reports().size(), 1u);
    EXPECT_NE(recorder.reports()[0].message.Find("MS Access не поддерживаются"), -1);
    EXPECT_TRUE(GetODBCDriverName(5).IsEmpty());
    EXPECT_FALSE(RefusedDriverMessage(7).IsEmpty());
    EXPECT_TRUE(RefusedDriverMessage(0).IsEmpty());
}

}  // namespace
