// Connecting at start-up: a wrong server or a refused driver brings the
// connection settings back until the connection works or the user cancels;
// the database must belong to the configuration; the archive must be there.
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "ShellTestKit.h"
#include "StartupChecks.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

class StartupChecksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        m_server = GetServerName();
        m_previousHook = SetDbErrorHook(&ShowDbErrorReport);
    }
    void TearDown() override
    {
        SetDbErrorHook(m_previousHook);
        SetDriverId(1);
        SetServerName(m_server);
        InitDll();
    }
    CString m_server;
    DbErrorHook m_previousHook = nullptr;
};

TEST_F(StartupChecksTest, WrongServerBringsTheSettingsBack)
{
    SetServerName("127.0.0.1:1");
    const QString good = m_server.ToQString();
    afxtest::InteractionScript script;
    script.messageContaining(QStringLiteral("Нет связи с сервером базы данных"), IDOK)
        .dialog(IDD_SQL_PARAMS, [&](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_DB_SERVER), QStringLiteral("127.0.0.1:1"));
            d.type(IDC_DB_SERVER, good);
            d.click(IDOK);
        });
    EXPECT_EQ(ConnectDatabase(), 1);
    script.verify();
    EXPECT_EQ(ExecuteCount("select count(*) from tn where tn=1"), 1);
}

TEST_F(StartupChecksTest, RefusedDriverIsExplained)
{
    SetDriverId(5);
    afxtest::InteractionScript script;
    script.messageContaining(QStringLiteral("Базы данных MS Access не поддерживаются"), IDOK)
        .dialog(IDD_SQL_PARAMS, [](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_DB_DRIVER), QStringLiteral("MS Access"));
            d.choose(IDC_DB_DRIVER, QStringLiteral("My Sql"));
            d.click(IDOK);
        });
    EXPECT_EQ(ConnectDatabase(), 1);
    EXPECT_EQ(GetDriverId(-1), 1);
}

TEST_F(StartupChecksTest, CancelledSettingsEndStartup)
{
    SetServerName("127.0.0.1:1");
    afxtest::InteractionScript script;
    script.messageContaining(QStringLiteral("Нет связи с сервером базы данных"), IDOK)
        .dialog(IDD_SQL_PARAMS, [](afxtest::DialogStep& d) { d.click(IDCANCEL); });
    EXPECT_EQ(ConnectDatabase(), 0);
}

TEST_F(StartupChecksTest, HashKeyOfTheConfiguration)
{
    ASSERT_TRUE(SetConstant("HashKey", ""));
    EXPECT_EQ(CheckHashKey("B7E4C2A19D5F4E08"), 1) << "an empty constant fits any configuration";
    ASSERT_TRUE(SetConstant("HashKey", "B7E4C2A19D5F4E08"));
    EXPECT_EQ(CheckHashKey("B7E4C2A19D5F4E08"), 1);
    afxtest::InteractionScript script;
    script.message("Неверная структура базы данных " + GetDataBaseName().ToQString() +
                       ",\nпроверьте параметры для имени базы данных",
                   IDOK);
    EXPECT_EQ(CheckHashKey("0000"), 0);
    ASSERT_TRUE(SetConstant("HashKey", ""));
}

TEST_F(StartupChecksTest, ConfigurationArchive)
{
    ASSERT_TRUE(shelltest::LoadDefaultConfiguration());
    GetDataArchive()->DeleteArchives();
    EXPECT_EQ(LoadConfigurationArchive(), 1);
    EXPECT_GE(GetDataArchive()->GetArmCount(), 1);
    setenv("VORNAL_CONFIG_ARCHIVE", "/nonexistent/vornal.cfa", 1);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Файл конфигурации не найден"), IDOK);
    EXPECT_EQ(LoadConfigurationArchive(), 0);
    script.verify();
    ASSERT_TRUE(shelltest::LoadDefaultConfiguration());
}

} // namespace
