// The payroll's report selection forms: the months of the year, the months
// and their pay sheets, the departments and their categories; the conditions
// and lists they hand a report (ticked keys only, as whole numbers, in row
// order); the refusals when nothing is ticked; the report's commands; an
// error of a report reported with the form left open; the fixed titles.
#include "CSelectMonthNV.h"
#include "CSelectPrdKatView.h"
#include "CSelectYearView.h"
#include "CheckLists.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "SelectionFrames.h"
#include "ndbcore.h"
#include "../res/resource.h"

#include <QCoreApplication>
#include <QImage>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace {

using namespace npaymar;

// A report that records its calls, or throws once when asked to.
struct Recorder {
    std::vector<int> calls;
    bool fail = false;
    void Report(int direct)
    {
        calls.push_back(direct);
        if (fail)
            throw std::runtime_error("нет связи с принтером");
    }
};

class CTestYearView : public CSelectYearView {
    DECLARE_DYNCREATE(CTestYearView)
public:
    CTestYearView() : CSelectYearView(IDR_SELECT_YEAR) {}
    void BuildReport(int direct) override { recorder.Report(direct); }
    Recorder recorder;
};
IMPLEMENT_DYNCREATE(CTestYearView, CSelectYearView)

class CTestMonthNV : public CSelectMonthNV {
    DECLARE_DYNCREATE(CTestMonthNV)
public:
    CTestMonthNV() : CSelectMonthNV(IDD_SELECT_MONTH_NV) {}
    void BuildReport(int direct) override { recorder.Report(direct); }
    Recorder recorder;
};
IMPLEMENT_DYNCREATE(CTestMonthNV, CSelectMonthNV)

class CTestPrdKatView : public CSelectPrdKatView {
    DECLARE_DYNCREATE(CTestPrdKatView)
public:
    CTestPrdKatView() : CSelectPrdKatView(IDD_SELECT_PRD_KAT) {}
    void BuildReport(int direct) override { recorder.Report(direct); }
    Recorder recorder;
};
IMPLEMENT_DYNCREATE(CTestPrdKatView, CSelectPrdKatView)

QStringList Column(const CCellwork& list, long col)
{
    QStringList cells;
    for (long r = 0; r < list.GetNRows(); ++r)
        cells << list.GetCellValue(col, r).ToQString();
    return cells;
}

// Ticks or unticks the row of a key as the user does (the space key), so the
// list raises its event.
void Tick(CCellwork& list, const char* key)
{
    for (long r = 0; r < list.GetNRows(); ++r) {
        if (list.GetCellValue(0, r) != CString(key))
            continue;
        list.SetFocus0();
        list.SetCurCell(1, r);
        afxtest::pressKey(list.GetQWidget(), Qt::Key_Space);
    }
}

class ReportFrames : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // Months 1 to 3 computed; month 1 on sheet 1, month 3 on sheets 2 and
        // 3. The working month's funds: departments 1 and 2 with sums,
        // department 3 only with a zero sum, department 4 only in another month.
        const int y = int(g_lYear), m = int(g_lMonth), other = m == 1 ? 2 : m - 1;
        Run(FormatText("delete from paymar_m where g=%d\n"
                       "delete from paymar_nuz where g=%d\n"
                       "delete from paymar_kty1 where g=%d\n"
                       "insert into paymar_m (g,ms,tn,kat,prd) values (%d,1,1,1,1),(%d,2,1,1,1),(%d,3,1,1,1),"
                       "(%d,3,2,2,2)\n"
                       "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (%d,1,1,1,1,1,100),(%d,3,1,1,2,1,200),"
                       "(%d,3,2,1,3,1,300),(%d,2,1,1,5,1,10)\n"
                       "insert into paymar_kty1 (prd,kat,g,ms,nv,kou,s) values (1,1,%d,%d,1,27,100),"
                       "(2,2,%d,%d,1,27,50),(2,1,%d,%d,1,27,0),(3,1,%d,%d,1,27,0),(4,1,%d,%d,1,27,70)",
                       y, y, y, y, y, y, y, y, y, y, y, y, m, y, m, y, m, y, m, y, other));
        const struct {
            UINT id;
            CRuntimeClass* document;
            CRuntimeClass* frame;
            CRuntimeClass* view;
        } forms[] = {
            {IDR_SELECT_YEAR, RUNTIME_CLASS(CSelectYearDoc), RUNTIME_CLASS(CSelectYearFrame),
             RUNTIME_CLASS(CTestYearView)},
            {IDD_SELECT_MONTH_NV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
             RUNTIME_CLASS(CTestMonthNV)},
            {IDR_SELECT_PRD_KAT, RUNTIME_CLASS(CSelectPrdKatDoc), RUNTIME_CLASS(CSelectPrdKatFrame),
             RUNTIME_CLASS(CTestPrdKatView)},
        };
        for (const auto& form : forms)
            app->AddDocTemplate(new CMultiDocTemplate(form.id, form.document, form.frame, form.view));
    }
    void Picture(CWnd* view, const char* name)
    {
        const QImage image = afxtest::grab(view->GetParentFrame());
        EXPECT_GT(afxtest::distinctColours(image), 8) << name;
        EXPECT_TRUE(image.save(QCoreApplication::applicationDirPath() + "/" + name));
    }
    // Sends a command and answers the one message it must show.
    static void Refused(CWnd* view, UINT command, const char* message)
    {
        afxtest::InteractionScript script;
        script.message(message, IDOK);
        afxtest::command(view, command);
        script.verify();
    }
};

TEST_F(ReportFrames, TheMonthsAndSheetsHandOnTheTickedKeysInRowOrder)
{
    auto* view = OpenForm<CTestMonthNV>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Column(view->m_gridMonths, 0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(Column(view->m_gridMonths, 1), QStringList({"январь", "февраль", "март"}));
    EXPECT_EQ(view->m_gridSheets.GetNRows(), 0) << "no month ticked, no sheets";
    EXPECT_FALSE(view->GetDlgItem(IDC_ONE_REPORT)->IsWindowVisible());

    // Ticked 3 then 1: the condition and the lists keep the rows' order.
    Tick(view->m_gridMonths, "3");
    EXPECT_EQ(Column(view->m_gridSheets, 0), QStringList({"2", "3"}));
    Tick(view->m_gridMonths, "1");
    EXPECT_EQ(Column(view->m_gridSheets, 0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(Column(view->m_gridSheets, 1), QStringList({"Основной персонал", "Совместители", "Платные услуги"}));
    Tick(view->m_gridSheets, "3");
    Tick(view->m_gridSheets, "1");
    const struct {
        CString got;
        const char* expected;
    } cases[] = {
        {view->GetMonthCondition(), "and (paymar_NUz.ms=1 or paymar_NUz.ms=3)"},
        {view->GetMonthList(), "1,3"},
        {view->GetSheetCondition(), "and (paymar_NUz.nv=1 or paymar_NUz.nv=3)"},
        {view->GetSheetList(), "1,3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, CString(c.expected));

    // A key that is no whole number never reaches a condition or a list.
    view->m_gridMonths.SetCellValue(0, 1, "1 or 1=1");
    view->m_gridMonths.SetBCheck(1, 1);
    EXPECT_EQ(view->GetMonthCondition(), CString("and (paymar_NUz.ms=1 or paymar_NUz.ms=3)"));
    EXPECT_EQ(view->GetMonthList(), CString("1,3"));
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(ReportFrames, TheSheetsFollowTheMonthsAndLoseTheirTicks)
{
    auto* view = OpenForm<CTestMonthNV>();
    ASSERT_NE(view, nullptr);
    Tick(view->m_gridMonths, "3");
    Tick(view->m_gridSheets, "2");
    ASSERT_EQ(view->GetSheetList(), CString("2"));
    Tick(view->m_gridMonths, "1");
    EXPECT_EQ(view->GetSheetList(), CString()) << "a refill drops the sheets' ticks";
    Tick(view->m_gridMonths, "1");
    Tick(view->m_gridMonths, "3");
    EXPECT_EQ(view->m_gridSheets.GetNRows(), 0) << "no month ticked empties the sheets";

    // "&Выбрать все" ticks every month first, then fills the sheets of all.
    afxtest::click(view, IDC_MONTHS_ALL);
    EXPECT_EQ(Column(view->m_gridSheets, 0), QStringList({"1", "2", "3", "5"}));
    afxtest::click(view, IDC_SHEETS_ALL);
    EXPECT_EQ(view->GetSheetList(), CString("1,2,3,5"));
    afxtest::click(view, IDC_SHEETS_CLEAR);
    EXPECT_EQ(view->GetSheetList(), CString());
    afxtest::click(view, IDC_MONTHS_CLEAR);
    EXPECT_EQ(view->m_gridSheets.GetNRows(), 0);
    Picture(view, "paymar_select_month_nv.png");
}

// Each form refuses a report with nothing ticked, by its own message, and
// leaves the form open; with ticks the report runs once with its flag.
TEST_F(ReportFrames, EachFormRefusesAnEmptyChoiceAndRunsItsReport)
{
    auto* year = OpenForm<CTestYearView>();
    ASSERT_NE(year, nullptr);
    Refused(year, IDOK, "Выберите месяц");
    Refused(year, ID_FILE_PRINT_DIRECT, "Выберите месяц");
    EXPECT_TRUE(year->recorder.calls.empty());
    year->m_grid.SetBCheck(1, 1);
    afxtest::command(year, IDOK);
    afxtest::command(year, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(year->recorder.calls, std::vector<int>({0, 1}));
    EXPECT_EQ(year->GetMonthCondition(), CString("and (paymar_NUz.ms=2)"));

    auto* months = OpenForm<CTestMonthNV>();
    ASSERT_NE(months, nullptr);
    Refused(months, IDC_SELECT_PRINT, "Выберите месяц");
    Tick(months->m_gridMonths, "1");
    Refused(months, IDC_SELECT_PRINT, "Выберите ведомость");
    Tick(months->m_gridSheets, "1");
    afxtest::command(months, IDC_SELECT_PRINT);
    EXPECT_EQ(months->recorder.calls, std::vector<int>({0}));

    auto* departments = OpenForm<CTestPrdKatView>();
    ASSERT_NE(departments, nullptr);
    Refused(departments, IDC_SELECT_PRINT, "Выберите подразделение");
    Tick(departments->m_gridDepartments, "2");
    Refused(departments, IDC_SELECT_PRINT, "Выберите категорию работников");
    Tick(departments->m_gridCategories, "2");
    afxtest::command(departments, IDC_SELECT_PRINT);
    EXPECT_EQ(departments->recorder.calls, std::vector<int>({0}));
    Settle();
    EXPECT_EQ(Open<CTestYearView>().size() + Open<CTestMonthNV>().size() + Open<CTestPrdKatView>().size(), 3u)
        << "a report run leaves its form to the report";
}

TEST_F(ReportFrames, TheDepartmentsAreTheMonthsFundsAndTheCategoriesFollowThem)
{
    auto* view = OpenForm<CTestPrdKatView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Column(view->m_gridDepartments, 0), QStringList({"1", "2"})) << "zero funds and other months left out";
    EXPECT_EQ(Column(view->m_gridDepartments, 1), QStringList({"Администрация", "Пищеблок"}));
    EXPECT_EQ(view->m_gridCategories.GetNRows(), 0);
    Tick(view->m_gridDepartments, "2");
    EXPECT_EQ(Column(view->m_gridCategories, 0), QStringList({"2"})) << "category 1 of department 2 has a zero fund";
    Tick(view->m_gridDepartments, "1");
    EXPECT_EQ(view->GetDepartmentCondition(), CString("and (prd=1 or prd=2)"));
    EXPECT_EQ(Column(view->m_gridCategories, 1), QStringList({"Педагогические работники", "Прочий персонал"}));
    afxtest::click(view, IDC_CATEGORIES_ALL);
    EXPECT_EQ(naddviews::CheckedKeys(view->m_gridCategories), CString("1,2"));
    afxtest::click(view, IDC_MONTHS_CLEAR);
    EXPECT_EQ(view->GetDepartmentCondition(), CString());
    EXPECT_EQ(view->m_gridCategories.GetNRows(), 0);
    afxtest::click(view, IDC_MONTHS_ALL);
    EXPECT_EQ(view->m_gridCategories.GetNRows(), 2);
    Picture(view, "paymar_select_prd_kat.png");
}

// Whatever title an opener passes, the documents keep their own; the frames
// open at their fixed sizes (the department frame is a plain MDI child).
TEST_F(ReportFrames, TheTitlesAreFixedAndAnErrorOfAReportLeavesTheFormOpen)
{
    auto* year = OpenForm<CTestYearView>();
    ASSERT_NE(year, nullptr);
    year->GetDocument()->SetTitle("Печать 5 проводки");
    EXPECT_EQ(year->GetDocument()->GetTitle(), CString("Выбор месяцев"));
    auto* departments = OpenForm<CTestPrdKatView>();
    ASSERT_NE(departments, nullptr);
    departments->GetDocument()->SetTitle("Сводная");
    EXPECT_EQ(departments->GetDocument()->GetTitle(), CString("Выбор подразделения и категории работников"));
    EXPECT_FALSE(departments->GetParentFrame()->IsKindOf(RUNTIME_CLASS(CderivedFrame)));
    CREATESTRUCT cs{};
    CSelectPrdKatFrame frame;
    frame.PreCreateWindow(cs);
    EXPECT_EQ(cs.cx, 700);
    EXPECT_EQ(cs.cy, 270);
    CSelectYearFrame yearFrame;
    yearFrame.PreCreateWindow(cs);
    EXPECT_EQ(cs.cx, 320);
    EXPECT_EQ(cs.cy, 320);
    Picture(year, "paymar_select_year.png");

    year->m_grid.SetBCheck(0, 1);
    year->recorder.fail = true;
    afxtest::InteractionScript script;
    script.message("Отчет не построен: нет связи с принтером", IDOK);
    afxtest::command(year, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(Open<CTestYearView>().size(), 1u) << "the form stays open";
}

// A year without computed months lists none, and OK answers "Выберите месяц".
TEST_F(ReportFrames, AYearWithoutComputedMonthsOffersNone)
{
    Run(FormatText("delete from paymar_m where g=%d", int(g_lYear)));
    auto* year = OpenForm<CTestYearView>();
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(year->m_grid.GetNRows(), 0);
    Refused(year, IDOK, "Выберите месяц");
    EXPECT_TRUE(year->recorder.calls.empty());
}

// A month the accrual run computed is offered, with each employee it paid
// once, however often it runs.
TEST_F(ReportFrames, TheAccrualRunListsItsMonthOnce)
{
    const int y = int(g_lYear);
    Run(FormatText("delete from paymar_nu where g=%d and ms=5\n"
                   "insert into paymar_nu (g,ms,tn,npp,nv,kou,s) values (%d,5,1,1,1,1,100),(%d,5,2,1,1,1,200),"
                   "(%d,5,2,1,2,3,50)",
                   y, y, y, y));
    for (int run = 0; run < 2; ++run)
        Run(FormatText("call sp_paymar_ru(%d,5,0)", y));
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from paymar_m where g=%d and ms=5", y)), 2);
    EXPECT_EQ(Text(FormatText("select concat(m.prd,'|',m.kat) as str from paymar_m m where g=%d and ms=5 and tn=2", y)),
              Text("select concat(prd,'|',kat) as str from paymar_bux where tn=2 and osn=1"));
    auto* year = OpenForm<CTestYearView>();
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(Column(year->m_grid, 0), QStringList({"1", "2", "3", "5"}));
    Run(FormatText("delete from paymar_nu where g=%d and ms=5", y));
}

} // namespace
