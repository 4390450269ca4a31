// The connection settings, one database of the chooser and a month's period
// dates, each run through the interaction point as a user fills it.
#include "COtpFromTo.h"
#include "CSqlServerParamsDlg.h"
#include "CWelcomeSetingsDlg.h"
#include "InteractionScript.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

void SetConnection(long driver, const char* server, const char* database, const char* user, const char* password)
{
    SetDriverId(driver);
    SetServerName(server);
    SetDataBaseName(database);
    SetUserID(user);
    SetUserPassword(password);
}

TEST(SettingsDialogsTest, ConnectionSettingsStoreWhatWasTyped)
{
    SetConnection(1, "", "", "", "");
    afxtest::InteractionScript script;
    script.dialog(IDD_SQL_PARAMS, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.text(IDC_DB_SERVER), QStringLiteral("127.0.0.1")) << "defaults when nothing is set";
        EXPECT_EQ(d.text(IDC_DB_USER), QStringLiteral("root"));
        EXPECT_EQ(d.text(IDC_DB_DRIVER), QStringLiteral("My Sql"));
        d.choose(IDC_DB_DRIVER, QStringLiteral("PostGre Sql"));
        d.type(IDC_DB_SERVER, QStringLiteral("db-1.local:5432"));
        d.type(IDC_DB_NAME, QStringLiteral("бухгалтерия"));
        d.type(IDC_DB_USER, QStringLiteral("buh"));
        d.type(IDC_DB_PASSWORD, QStringLiteral("p-w"));
        d.click(IDOK);
    });
    CSqlServerParamsDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(GetDriverId(-1), 2);
    EXPECT_EQ(GetServerName(), CString("db-1.local:5432"));
    EXPECT_EQ(GetDataBaseName(), CString("бухгалтерия"));
    EXPECT_EQ(GetUserID(), CString("buh"));
    EXPECT_EQ(GetUserPassword(), CString("p-w"));
}

TEST(SettingsDialogsTest, CancelledConnectionSettingsChangeNothing)
{
    SetConnection(4, "srv", "db", "u", "p");
    afxtest::InteractionScript script;
    script.dialog(IDD_SQL_PARAMS, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.text(IDC_DB_DRIVER), QStringLiteral("MySQL Connector/ODBC v5"));
        EXPECT_EQ(d.text(IDC_DB_PASSWORD), QStringLiteral("p"));
        d.choose(IDC_DB_DRIVER, QStringLiteral("MS Access"));
        d.type(IDC_DB_SERVER, QStringLiteral("other"));
        d.click(IDCANCEL);
    });
    CSqlServerParamsDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(GetDriverId(-1), 4);
    EXPECT_EQ(GetServerName(), CString("srv"));
}

TEST(SettingsDialogsTest, ChooserEntryRoundTrip)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_WELCOME_SETTINGS, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.text(IDC_DB_TITLE), QStringLiteral("Новая база"));
        EXPECT_EQ(d.text(IDC_DB_DRIVER), QStringLiteral("My Sql"));
        d.choose(IDC_DB_DRIVER, QStringLiteral("Sql Server 2005"));
        d.type(IDC_DB_TITLE, QStringLiteral("Садик № 7"));
        d.type(IDC_DB_FOLDER, QStringLiteral("/opt/vornal"));
        d.click(IDOK);
    });
    CWelcomeSetingsDlg dlg;
    dlg.m_entry.m_lDriverId = 1;
    dlg.m_entry.m_strServer = "127.0.0.1";
    dlg.m_entry.m_strName = "Новая база";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_entry.m_lDriverId, 3);
    EXPECT_EQ(dlg.m_entry.m_strServer, CString("127.0.0.1"));
    EXPECT_EQ(dlg.m_entry.m_strName, CString("Садик № 7"));
    EXPECT_EQ(dlg.m_entry.m_strFolder, CString("/opt/vornal"));
}

TEST(SettingsDialogsTest, PeriodDatesInOrderOnly)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_OTP_FROM_TO, [](afxtest::DialogStep& d) {
        d.click(IDOK);
        EXPECT_TRUE(d.window()->IsWindowVisible()) << "a period ending before it begins is refused";
        afxtest::pickDate(d.window(), IDC_OTP_FROM, QDate(2024, 2, 26));
        d.click(IDOK);
    })
        .message(QStringLiteral("Дата начала должна предшествовать дате окончания"), IDOK);
    COtpFromTo dlg;
    dlg.m_from = COleDateTime(2024, 3, 26, 0, 0, 0);
    dlg.m_to = COleDateTime(2024, 3, 25, 0, 0, 0);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_from, COleDateTime(2024, 2, 26, 0, 0, 0));
    EXPECT_EQ(dlg.m_to, COleDateTime(2024, 3, 25, 0, 0, 0));
}

} // namespace
