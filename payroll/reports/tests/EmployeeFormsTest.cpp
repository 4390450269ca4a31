// The employees' payroll forms on the employee selection form, as the clerk
// uses them: each form's page read back from the report window (its title,
// style size, page breaks, across the sheet or not, as PDF) after OK, and
// printed at once after print-direct; how each form closes; nobody ticked;
// a database error in the middle of a page.
#include "EmployeeForms.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ndbcore.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

using npaymar::CEmployeePageView;

class EmployeeForms : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // Employees 1 and 2 of the working month: a salary and the tax.
        Run(FormatText("delete from paymar_nuz where g=%ld and ms=%ld and tn in (1,2)\n"
                       "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values "
                       "(%ld,%ld,1,1,1,1,30000.00),"
                       "(%ld,%ld,1,1,1,201,3900.00),(%ld,%ld,2,1,1,1,20000.00),(%ld,%ld,2,1,1,"
                       "201,2600.00)",
                       g_lYear, g_lMonth, g_lYear, g_lMonth, g_lYear, g_lMonth, g_lYear, g_lMonth, g_lYear, g_lMonth));
    }

    // Opens the form and ticks the employees.
    CEmployeePageView* OpenTicked(const char* name, std::initializer_list<long> employees)
    {
        CHelpers::FN_OpenDocument0(name, 0, nullptr);
        auto* view = Active<CEmployeePageView>();
        if (!view)
            return nullptr;
        CCellwork& list = view->Employees();
        for (long tn : employees)
            for (long row = 0; row < list.GetNRows(); ++row)
                if (atol(list.GetCellValue(0, row)) == tn)
                    list.SetBCheck(row, 1);
        return view;
    }

    // Whether a PDF file's sheets are wider than tall; false when unreadable.
    static bool Across(const QString& path, bool* read = nullptr)
    {
        QFile file(path);
        if (read)
            *read = false;
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QString body = QString::fromLatin1(file.readAll());
        if (read)
            *read = body.startsWith(QLatin1String("%PDF-"));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(body);
        return box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble();
    }

    // The report window in front saved as PDF as the user saves it.
    bool SavedAcross(CReportView* report, const QString& path)
    {
        afxtest::InteractionScript script;
        script.chooser(QStringLiteral("savefile"), [&](afxtest::DialogStep& d) {
            d.request().answer = CString(path);
            d.request().result = 1;
        });
        if (QAction* pdf = report->GetPage()->findChild<QAction*>(QStringLiteral("pdf")))
            pdf->trigger();
        script.verify();
        bool read = false;
        const bool across = Across(path, &read);
        EXPECT_TRUE(read) << path.toStdString();
        return across;
    }

    QTemporaryDir dir;
};

struct Route {
    const char* name;
    const char* title; // the report window's
    int size;          // the style's points
    int directSize;    // the same for print-direct
    int breaks;        // page breaks for two employees
    bool across;
    bool directPrints; // print-direct prints without showing
    const char* mark;  // a text of employee 1's piece
};

const Route kRoutes[] = {
    {"PrnDoxGodView", "Справка о доходе за год", 12, 12, 0, false, true, "Справка о доходах за"},
    {"PrnDoxMesView", "Справка о доходе по-месячно", 12, 12, 2, false, true, "Справка о доходе по месяцам"},
    {"PrnDoxMesNarostView", "Справка о доходе по нарастающей", 12, 12, 2, false, true, "нарастающим итогом"},
    {"PrnIndView", "Индивидуальная карточка", 8, 8, 0, true, true, "Индивидуальная карточка за"},
    {"PrnKBView", "Как это было", 11, 8, 0, true, false, "Как это было:"},
    {"PrnKSView", "Карточка справка", 8, 8, 0, true, true, "Карточка-справка за"},
    {"PrnRaschListView", "Расчетный лист", 10, 10, 0, true, true, "Расчетный лист за"},
    {"prn_zapiska_raschet", "Записка расчет", 9, 9, 0, true, true, "Записка-расчет"},
};

TEST_F(EmployeeForms, EachFormShowsOnePageOfTheTickedEmployeesAndCloses)
{
    for (const Route& route : kRoutes) {
        SCOPED_TRACE(route.name);
        CEmployeePageView* view = OpenTicked(route.name, {1, 2});
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->GetDocument()->GetTitle(), CString(route.title));
        QCoreApplication::processEvents();
        const QString picture = QCoreApplication::applicationDirPath() + "/paymar_" + route.name;
        EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(picture + "_form.png"));
        afxtest::command(view, IDOK);
        Settle();
        EXPECT_TRUE(Open<CEmployeePageView>().empty()) << "the form closes after its report";
        auto* report = Active<CReportView>();
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(report->GetPage()->Title(), QString(route.title));
        const QString html = report->GetPage()->Html();
        EXPECT_TRUE(html.contains(QStringLiteral("font-size:%1pt").arg(route.size))) << html.toStdString();
        EXPECT_EQ(html.count(QStringLiteral("page-break-before:always")), route.breaks);
        EXPECT_TRUE(html.contains(route.mark));
        EXPECT_EQ(SavedAcross(report, dir.filePath(QString(route.name) + ".pdf")), route.across);
        QCoreApplication::processEvents();
        EXPECT_TRUE(afxtest::grab(report->GetParentFrame()).save(picture + ".png"));
        report->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();

        // Print-direct: the page goes to the printer without the window, but
        // for "Как это было", which is always shown.
        view = OpenTicked(route.name, {2});
        ASSERT_NE(view, nullptr);
        const QString printed = dir.filePath(QString(route.name) + "-printed.pdf");
        {
            afxtest::InteractionScript script;
            if (route.directPrints)
                script.chooser(QStringLiteral("print"), [&](afxtest::DialogStep& d) {
                    EXPECT_EQ(d.request().text, CString("Печать без просмотра"));
                    d.request().answer = CString(printed);
                    d.request().result = 1;
                });
            afxtest::command(view, ID_FILE_PRINT_DIRECT);
            script.verify();
        }
        Settle();
        EXPECT_TRUE(Open<CEmployeePageView>().empty());
        if (route.directPrints) {
            bool read = false;
            EXPECT_EQ(Across(printed, &read), route.across);
            EXPECT_TRUE(read);
            EXPECT_EQ(Active<CReportView>(), nullptr);
        } else {
            report = Active<CReportView>();
            ASSERT_NE(report, nullptr);
            EXPECT_TRUE(report->GetPage()->Html().contains(QStringLiteral("font-size:%1pt").arg(route.directSize)));
            report->GetParentFrame()->SendMessage(WM_CLOSE);
            Settle();
        }
    }
}

TEST_F(EmployeeForms, ThePaySlipsOfThreeEmployeesStandOnOnePage)
{
    Run(FormatText("delete from paymar_nuz where g=%ld and ms=%ld and tn=3\n"
                   "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values "
                   "(%ld,%ld,3,1,1,1,15000.50)",
                   g_lYear, g_lMonth, g_lYear, g_lMonth));
    CEmployeePageView* view = OpenTicked("PrnRaschListView", {1, 2, 3});
    ASSERT_NE(view, nullptr);
    afxtest::command(view, IDOK);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString text = report->GetPage()->Browser()->toPlainText();
    EXPECT_EQ(text.count(QStringLiteral("Расчетный лист за")), 3);
    // Net pay of each: 26100.00, 17400.00 and 15000.50.
    for (const char* net : {"26100.00", "17400.00", "15000.50"})
        EXPECT_TRUE(text.contains(net)) << net;
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/paymar_prn_rasch_list.png"));
}

TEST_F(EmployeeForms, NobodyTickedIsRefusedAndTheFormStays)
{
    CEmployeePageView* view = OpenTicked("PrnDoxMesView", {});
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Выберите работника"), IDOK);
    afxtest::command(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(Active<CEmployeePageView>(), view);
    EXPECT_EQ(Active<CReportView>(), nullptr);
}

TEST_F(EmployeeForms, ADatabaseErrorShowsThePageMarkedIncomplete)
{
    CEmployeePageView* view = OpenTicked("PrnRaschListView", {1, 2});
    ASSERT_NE(view, nullptr);
    Run("rename table paymar_nuz to paymar_nuz_away");
    afxtest::command(view, IDOK);
    Run("rename table paymar_nuz_away to paymar_nuz");
    dbReports.clear(1);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString text = report->GetPage()->Browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Отчет неполный"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Расчетный лист за"))) << "the page stops at the failure";
    EXPECT_TRUE(Open<CEmployeePageView>().empty());
}

} // namespace

namespace {

// A strip of the accrual listing whose text splits into `rows` parts at "<tr".
CString Strip(int rows)
{
    CString text = "<table>";
    for (int i = 1; i < rows; ++i)
        text += "<tr><td>1</td></tr>";
    return text + "</table>";
}

TEST(PayslipStrips, AreCountedByRowsPaddedWhenShortAndBrokenAfterFiftySix)
{
    const CString pageBreak = npaymar::kPayrollPageBreak;
    const struct {
        int rows;
        bool padded;
        bool breaks;
        int count; // after the strip
    } strips[] = {{3, true, false, 4}, {30, false, false, 34}, {30, false, true, 0},
                  {4, true, false, 5}, {51, false, false, 56}, {5, false, true, 0}};
    npaymar::StripPager pager;
    for (const auto& s : strips) {
        SCOPED_TRACE(s.rows);
        const CString written = pager.Next(Strip(s.rows));
        EXPECT_EQ(written.Find("</table><br>") >= 0, s.padded);
        EXPECT_EQ(written.Right(pageBreak.GetLength()) == pageBreak, s.breaks);
        EXPECT_EQ(pager.Count(), s.count);
    }
}

} // namespace
