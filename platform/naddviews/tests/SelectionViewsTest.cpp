// The shared selection forms in a small program, on templates of the
// program's own numbers over the library's dialogs: the employees, the
// departments narrowed by a source table and the year, departments and pay
// sheets of a source table's month, ticking every row or none, OK and print
// directly calling the report with 0 and 1, and an error escaping the report.
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/NaddviewsResource.h"
#include "res/SelectionTestResource.h"

#include <QMdiArea>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QStringList& Reports()
{
    static QStringList reports;
    return reports;
}

QString Ticked(const CCellwork& grid)
{
    QStringList keys;
    for (long row = 0; row < grid.GetNRows(); ++row)
        if (grid.GetBCheck(row))
            keys << grid.GetCellValue(0, row).ToQString();
    return keys.join(',');
}

QStringList Column(const CCellwork& grid, long col)
{
    QStringList cells;
    for (long row = 0; row < grid.GetNRows(); ++row)
        cells << grid.GetCellValue(col, row).ToQString();
    return cells;
}

class CTestTN : public CSelectTN {
    DECLARE_DYNCREATE(CTestTN)
public:
    CTestTN() : CSelectTN(398) {}
    void BuildReport(int direct) override
    {
        if (Ticked(m_grid) == QStringLiteral("3"))
            throw std::runtime_error("нет данных за месяц");
        Reports() << QStringLiteral("tn %1: %2").arg(direct).arg(Ticked(m_grid));
    }
    CCellwork& Grid() { return m_grid; }
};
IMPLEMENT_DYNCREATE(CTestTN, CSelectTN)

class CTestPRDView : public CSelectPRDView {
    DECLARE_DYNCREATE(CTestPRDView)
public:
    CTestPRDView() : CSelectPRDView(313) {}
    void OnInitialUpdate() override
    {
        GetDocument()->m_strParam = Source();
        m_nMode = 1;
        CSelectPRDView::OnInitialUpdate();
    }
    void BuildReport(int direct) override { Reports() << QStringLiteral("prd %1: %2").arg(direct).arg(Ticked(m_grid)); }
    CCellwork& Grid() { return m_grid; }
    static CString& Source()
    {
        static CString source;
        return source;
    }
};
IMPLEMENT_DYNCREATE(CTestPRDView, CSelectPRDView)

class CTestPrdNvView : public CSelectPrdNvView {
    DECLARE_DYNCREATE(CTestPrdNvView)
public:
    CTestPrdNvView() : CSelectPrdNvView(312) {}
    void OnInitialUpdate() override
    {
        GetDocument()->m_strParam = "test_sheet_source";
        CSelectPrdNvView::OnInitialUpdate();
    }
    void BuildReport(int direct) override
    {
        Reports() << QStringLiteral("prdnv %1: %2 / %3").arg(direct).arg(Ticked(m_gridDepartments)).arg(Ticked(m_gridSheets));
    }
};
IMPLEMENT_DYNCREATE(CTestPrdNvView, CSelectPrdNvView)

const char kTables[] =
    "delete from tn;\n"
    "insert into tn (tn, f, i, o) values (1, 'Сидорова', 'Анна', 'Петровна'), (2, 'Абрамов', 'Олег', 'Ильич'), "
    "(3, 'Петров', 'Иван', 'Сергеевич');\n"
    "delete from spr_prd;\n"
    "insert into spr_prd (id, name, dt_del) values (1, 'Бухгалтерия', null), (2, 'Аптека', null), "
    "(3, 'Столовая', null), (4, 'Гараж', '2020-01-01'), (5, 'Прачечная', null);\n"
    "create table if not exists nv (id int primary key, name varchar(100));\n"
    "delete from nv;\n"
    "insert into nv (id, name) values (1, 'Основная'), (2, 'Совместители'), (3, 'Договоры');\n"
    "create table if not exists test_sheet_source (prd int, nv int, g int, ms int);\n"
    "delete from test_sheet_source;\n"
    "insert into test_sheet_source values (1, 1, 2026, 3), (3, 2, 2026, 3), (2, 3, 2026, 4), (4, 1, 2026, 3), "
    "(5, 2, 2025, 3);\n";

class SelectionViews : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(ExecuteSql(kTables, nullptr, 1, 1, -1));
        g_lYear = 2026;
        g_lMonth = 3;
        Reports().clear();
        app = new CWinApp("Тест");
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->LoadFrame(IDR_SELECTION_MAIN, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        app->m_pMainWnd = frame;
        frame->GetQWidget()->resize(1000, 800);
        afxtest::showActive(frame);
        app->AddDocTemplate(new CMultiDocTemplate(IDR_TEST_TN, RUNTIME_CLASS(CderivedDocument),
                                                  RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CTestTN)));
        app->AddDocTemplate(new CMultiDocTemplate(IDR_TEST_PRD, RUNTIME_CLASS(CSelectPRDDoc),
                                                  RUNTIME_CLASS(CSelectPRDFrame), RUNTIME_CLASS(CTestPRDView)));
        app->AddDocTemplate(new CMultiDocTemplate(IDR_TEST_PRD_NV, RUNTIME_CLASS(CderivedDocument),
                                                  RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CTestPrdNvView)));
    }
    void TearDown() override
    {
        afxtest::closeProgramWindows(app, frame);
        delete app;
    }
    template <class T>
    T* Open(const char* name)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0(name, 0, ""), 1) << name;
        CMDIChildWnd* child = frame->MDIGetActive();
        return child ? dynamic_cast<T*>(child->GetActiveView()) : nullptr;
    }
    CWinApp* app = nullptr;
    CMDIFrameWnd* frame = nullptr;
};

TEST_F(SelectionViews, EmployeesTickedForTheReportWithOkAndPrintDirectly)
{
    auto* view = Open<CTestTN>("ТестСотрудники");
    ASSERT_NE(view, nullptr);
    CCellwork& grid = view->Grid();
    EXPECT_EQ(Column(grid, 0), (QStringList{"2", "3", "1"})) << "by name";
    EXPECT_EQ(Column(grid, 1).first(), QStringLiteral("Абрамов Олег Ильич"));
    QStringList captions;
    for (long col = 0; col < grid.GetNCols(); ++col)
        captions << (grid.GetColHidden(col) ? QString() : grid.GetColCaption(col).ToQString());
    EXPECT_EQ(captions, (QStringList{"Таб.№", "Фамилия, имя, отчество", "Должность", "Уволен"}));
    EXPECT_EQ(Ticked(grid), QString());

    afxtest::command(view, IDOK);  // nothing ticked: the report is still asked for
    grid.SetBCheck(2, 1);
    grid.SetBCheck(0, 1);
    afxtest::command(view, ID_FILE_PRINT_DIRECT);
    afxtest::click(view, IDC_SELECT_ALL);
    afxtest::command(view, IDOK);
    afxtest::click(view, IDC_SELECT_CLEAR);
    grid.SetBCheck(1, 1);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Отчет не построен: нет данных за месяц"), IDOK);
    afxtest::command(view, IDOK);
    script.verify();
    EXPECT_EQ(Reports(), (QStringList{"tn 0: ", "tn 1: 2,1", "tn 0: 2,3,1"}));
    EXPECT_EQ(frame->MDIGetActive()->GetActiveView(), view) << "the form stays open after the error";
}

TEST_F(SelectionViews, DepartmentsOfTheSourceTableAndTheYear)
{
    struct Case {
        const char* source;
        QStringList ids;
    } cases[] = {
        {"", {"2", "1", "5", "3"}},              // every department not deleted, by name
        {"test_sheet_source", {"2", "1", "3"}},  // of the table's rows of 2026 (mode 1); 4 is deleted
    };
    for (const Case& c : cases) {
        CTestPRDView::Source() = c.source;
        auto* view = Open<CTestPRDView>("ТестПодразделения");
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(Column(view->Grid(), 0), c.ids) << c.source;
        EXPECT_NE(dynamic_cast<CSelectPRDFrame*>(view->GetParentFrame()), nullptr);
        view->OnCancel();
        afxtest::deliverPosted();
        afxtest::flushDeletes();
    }
    CTestPRDView::Source() = "x; drop table tn";
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Неверное имя таблицы списка: x; drop table tn"), IDOK);
    auto* view = Open<CTestPRDView>("ТестПодразделения");
    script.verify();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Grid().GetNRows(), 0);
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from tn"), 3);
    afxtest::command(view, IDOK);
    EXPECT_EQ(Reports(), QStringList{"prd 0: "});
}

TEST_F(SelectionViews, DepartmentsAndSheetsOfTheSourceTablesMonth)
{
    auto* view = Open<CTestPrdNvView>("ТестВедомости");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Column(view->m_gridDepartments, 0), (QStringList{"1", "3"}));
    EXPECT_EQ(Column(view->m_gridSheets, 0), (QStringList{"1", "2"}));
    EXPECT_EQ(Column(view->m_gridSheets, 1), (QStringList{"Основная", "Совместители"}));
    afxtest::click(view, IDC_SELECT_ALL);
    view->m_gridSheets.SetBCheck(0, 0);
    afxtest::command(view, IDOK);
    afxtest::click(view, IDC_SELECT_CLEAR);
    afxtest::command(view, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(Reports(), (QStringList{"prdnv 0: 1,3 / 2", "prdnv 1:  / "}));
}

} // namespace
