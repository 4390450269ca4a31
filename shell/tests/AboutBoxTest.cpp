// The about box shows the versions of program, archive and configuration,
// and where the database is.
#include "CAboutDlg.h"
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "ShellTestKit.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutBoxTest, VersionsAndDatabase)
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    ASSERT_TRUE(shelltest::LoadDefaultConfiguration());
    vornal::testing::DbReportRecorder reports;
    // The demo data carries the configuration's own version.
    EXPECT_EQ(GetConstant("CONFIG_VERSION0", 0) + "." + GetConstant("CONFIG_VERSION1", 0) + "."
                  + GetConstant("CONFIG_VERSION2", 0),
              GetDataArchive()->GetVersion());
    ASSERT_TRUE(SetConstant("CONFIG_VERSION0", "2"));
    ASSERT_TRUE(SetConstant("CONFIG_VERSION1", "4"));
    ASSERT_TRUE(SetConstant("CONFIG_VERSION2", "17"));
    afxtest::InteractionScript script;
    script.dialog(IDD_ABOUTBOX, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.text(IDC_ABOUT_AUTHOR), QStringLiteral("Автор конфигурации:\nОтдел разработки Vornal"));
        EXPECT_EQ(d.text(IDC_ABOUT_RELEASE), GetProductVersion().ToQString());
        EXPECT_EQ(d.text(IDC_ABOUT_ARCHIVE), QString::number(CDataArchive::kFileVersion));
        EXPECT_EQ(d.text(IDC_ABOUT_CONFIG), QStringLiteral("2.4.17"));
        EXPECT_TRUE(d.text(IDC_ABOUT_DRIVER).endsWith(QStringLiteral("libmaodbc.so"))) << d.text(IDC_ABOUT_DRIVER).toStdString();
        EXPECT_FALSE(d.text(IDC_ABOUT_DRIVER).contains(QLatin1Char('{')));
        EXPECT_TRUE(d.text(IDC_ABOUT_SERVER).contains(QStringLiteral("MariaDB")));
        EXPECT_EQ(d.text(IDC_ABOUT_IP), GetServerName().ToQString());
        EXPECT_EQ(d.text(IDC_ABOUT_DATABASE), GetDataBaseName().ToQString());
        EXPECT_EQ(d.text(IDC_ABOUT_PATH), GetAppPath().ToQString());
        d.click(IDOK);
    });
    CAboutDlg about;
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_TRUE(reports.reports().empty());
}

} // namespace
