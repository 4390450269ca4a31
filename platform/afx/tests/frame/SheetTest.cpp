// A settings sheet of two pages driven by the interaction script: the
// pages' data, a wrong value that keeps the sheet open, OK and Cancel, and
// pages never shown left alone.
#include "FrameTestKit.h"
#include "InteractionScript.h"
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace frametest;

namespace {

class AppPage : public CPropertyPage {
public:
    AppPage() : CPropertyPage(IDD_PAGE_APP) {}
    int m_askExit = 1;
    int m_multi = 0;
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Check(pDX, IDC_ASK_EXIT, m_askExit);
        DDX_Check(pDX, IDC_MULTI, m_multi);
    }
    void OnOK() override { log() << QStringLiteral("app page ok %1 %2").arg(m_askExit).arg(m_multi); }
    void OnCancel() override { log() << "app page cancel"; }
};

class ReportPage : public CPropertyPage {
public:
    ReportPage() : CPropertyPage(IDD_PAGE_REPORT) {}
    int m_kind = 0;
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_REPORT_KIND, m_kind);
        DDV_MinMaxInt(pDX, m_kind, 0, 3);
    }
    void OnOK() override { log() << QStringLiteral("report page ok %1").arg(m_kind); }
};

class SettingsSheet : public CPropertySheet {
public:
    SettingsSheet() : CPropertySheet(IDS_SETTINGS, nullptr, 0)
    {
        AddPage(&m_app);
        AddPage(&m_report);
    }
    AppPage m_app;
    ReportPage m_report;
};

QTabWidget* tabs(CWnd* sheet) { return sheet->GetQWidget()->findChild<QTabWidget*>(); }

} // namespace

TEST(SheetTest, TheSettingsSheetTakesItsPagesValuesOnOK)
{
    log().clear();
    SettingsSheet sheet;
    sheet.m_report.m_kind = 1;
    afxtest::InteractionScript script;
    script
        .dialog(IDS_SETTINGS,
                [&](afxtest::DialogStep& d) {
                    EXPECT_EQ(d.window()->GetQWidget()->windowTitle(), QStringLiteral("Настройки"));
                    ASSERT_EQ(tabs(d.window())->count(), 2);
                    EXPECT_EQ(tabs(d.window())->tabText(1), QStringLiteral("Отчеты"));
                    CPropertyPage* page = sheet.GetActivePage();
                    EXPECT_EQ(page, &sheet.m_app);
                    EXPECT_TRUE(page->IsDlgButtonChecked(IDC_ASK_EXIT)) << "the page's data shown";
                    afxtest::click(page, IDC_MULTI);
                    page->SetModified();
                    EXPECT_TRUE(d.item(ID_APPLY_NOW)->IsWindowEnabled());

                    tabs(d.window())->setCurrentIndex(1);
                    ASSERT_EQ(sheet.GetActivePage(), &sheet.m_report);
                    EXPECT_EQ(afxtest::text(&sheet.m_report, IDC_REPORT_KIND), QStringLiteral("1"));
                    afxtest::typeInto(&sheet.m_report, IDC_REPORT_KIND, QStringLiteral("9"));
                    d.click(IDOK);  // a wrong value: a message, the sheet stays
                    EXPECT_TRUE(d.window()->IsWindowVisible());
                    afxtest::typeInto(&sheet.m_report, IDC_REPORT_KIND, QStringLiteral("2"));
                    afxtest::pressKey(&sheet.m_report, IDC_REPORT_KIND, Qt::Key_Return);  // Enter is OK
                })
        .message("Введите целое число от 0 до 3.", IDOK);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    script.verify();
    EXPECT_EQ(sheet.m_app.m_multi, 1);
    EXPECT_EQ(sheet.m_report.m_kind, 2);
    EXPECT_EQ(log(), (QStringList { "app page ok 1 1", "report page ok 2" }));
    EXPECT_EQ(sheet.m_hWnd, nullptr) << "the window is gone after DoModal";
}

TEST(SheetTest, CancelAndPagesNeverShown)
{
    log().clear();
    SettingsSheet sheet;
    afxtest::InteractionScript script;
    script.dialog(IDS_SETTINGS, [&](afxtest::DialogStep& d) {
        afxtest::click(sheet.GetActivePage(), IDC_MULTI);
        afxtest::pressKey(sheet.GetActivePage(), IDC_MULTI, Qt::Key_Escape);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.m_app.m_multi, 0) << "cancelled: the member keeps its value";
    EXPECT_EQ(log(), QStringList { "app page cancel" }) << "the report page was never shown";

    log().clear();
    afxtest::InteractionScript again;
    again.dialog(IDS_SETTINGS, [](afxtest::DialogStep& d) { d.click(IDOK); });
    EXPECT_EQ(sheet.DoModal(), IDOK) << "a sheet runs again";
    EXPECT_EQ(log(), QStringList { "app page ok 1 0" });
}
