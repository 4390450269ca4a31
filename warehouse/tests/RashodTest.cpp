// The stock issue requisition: its record (numbering per department and
// month, the stock left after each line and the save refused below zero,
// requisitions of two departments with one number, two users at once), and
// its form (the checks in order, the printed requisition, the journal).
#include "CFormGridView.h"
#include "CRashodView.h"
#include "CReportView.h"
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "ReportPage.h"
#include "StockProgram.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextBrowser>

#include <chrono>
#include <thread>

namespace {

using nstovan::CRashodRecord;
using nstovan::CRashodView;

class Rashod : public stovantest::StockProgram {
protected:
    void SetUp() override
    {
        StockProgram::SetUp();
        day = ThisMonth(10);
        literal = ChangeDateUS0(day, 0);
        // Ten of material 1 received by departments 2 and 3 under statement 1; no issue yet.
        Run(FormatText("delete from stovan_rsx0 where prd in (2,3)\ndelete from stovan_rsx1 where prd in (2,3)\n"
                       "delete from stovan_prx1 where prd in (2,3) and nv=1\n"
                       "delete from stovan_prx0 where prd in (2,3) and nv=1\n"
                       "insert into stovan_prx0 (d,prd,nv,npp,ndoc,org) values (%s,2,1,1,'П',1), (%s,3,1,1,'П',1)\n"
                       "insert into stovan_prx1 (d,prd,nv,npp,id,kol) values (%s,2,1,1,1,10), (%s,3,1,1,1,10)",
                       literal, literal, literal, literal));
    }
    CRashodRecord Requisition(const char* prd, const char* number, std::initializer_list<const char*> quantities) const
    {
        CRashodRecord r;
        r.ntreb = number;
        r.date = day;
        r.prd = prd;
        r.nv = "1";
        r.kab = "20";
        r.tn = "51";
        for (const char* kol : quantities)
            r.lines.push_back({"1", "", "", kol, ""});
        return r;
    }
    // Saves and answers the number, or "short N" for the line refused.
    static std::string Saved(CRashodRecord r)
    {
        long shortLine = -1;
        bool created = false;
        if (r.Save(shortLine, created))
            return r.ntreb.ToStdString();
        return shortLine >= 0 ? "short " + std::to_string(shortLine) : "failed";
    }
    CRashodView* OpenRequisition()
    {
        auto* view = OpenForm<CRashodView>();
        Settle();
        return view;
    }
    QString ReportText()
    {
        auto* report = Active<CReportView>();
        if (!report)
            return QString();
        const QString text = report->GetPage()->Html();
        report->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
        return text;
    }

    CString day;
    CString literal;
};

TEST_F(Rashod, NumbersCountPerDepartmentAndMonth)
{
    EXPECT_EQ(Saved(Requisition("3", "", {"1"})), "1");
    EXPECT_EQ(Saved(Requisition("3", "", {"1"})), "2");
    EXPECT_EQ(Saved(Requisition("2", "", {"1"})), "1");
    // The month before starts again.
    const long month = g_lMonth, year = g_lYear;
    const QDate before = QDate::currentDate().addMonths(-1);
    g_lYear = before.year();
    g_lMonth = before.month();
    CRashodRecord earlier = Requisition("3", "", {"1"});
    earlier.date = LastMonth(10);
    EXPECT_EQ(Saved(earlier), "1");
    g_lYear = year;
    g_lMonth = month;
    EXPECT_EQ(Count("select count(*) as cnt from stovan_rsx0 where prd=3"), 3);
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(Rashod, TheStockLeftRefusesTheSaveBelowZero)
{
    // Four of the ten issued already.
    ASSERT_EQ(Saved(Requisition("3", "", {"4"})), "1");
    struct Case {
        const char* what;
        const char* number;
        std::initializer_list<const char*> quantities;
        std::string saved;
        const char* rest;  // of the last line, computed before the save
    };
    const Case cases[] = {
        {"five of the six left", "", {"5"}, "2", "1.00000"},
        {"seven of the one left", "", {"7"}, "short 0", "-6.00000"},
        {"two lines of one material, together", "", {"1", "1"}, "short 1", "-1.00000"},
        {"the saved four raised to nine", "1", {"9"}, "short 0", "-4.00000"},
        {"the saved four saved again", "1", {"4"}, "1", "1.00000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CRashodRecord r = Requisition("3", c.number, c.quantities);
        ASSERT_TRUE(r.ComputeRemainders());
        EXPECT_EQ(r.lines.back().ost, CString(c.rest));
        EXPECT_EQ(Saved(r), c.saved);
    }
    EXPECT_EQ(Text("select group_concat(concat(ntreb,':',kol,':',ost) order by ntreb) as str from stovan_rsx1 "
                   "where prd=3"),
              CString("1:4.000000:1.000000,2:5.000000:1.000000"));
}

TEST_F(Rashod, TwoUsersAtOnceNeverShareANumberNorTakeTheStockBelowZero)
{
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    // The other user's new requisition 1 of department 3, taking five, not yet committed.
    other->BeginTrans();
    other->Execute("select kol from stovan_prx1 where prd=3 and nv=1 and id=1 for update", nullptr, adCmdText);
    other->Execute((const char*)FormatText("insert into stovan_rsx0 (ntreb,d,prd,nv,kab,tn) values (1,%s,3,1,'20',51)",
                                           literal),
                   nullptr, adExecuteNoRecords);
    other->Execute((const char*)FormatText("insert into stovan_rsx1 (ntreb,d,prd,nv,id,kol,ost) values "
                                           "(1,%s,3,1,1,5,5)",
                                           literal),
                   nullptr, adExecuteNoRecords);
    std::thread commit([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other->CommitTrans();
    });
    // A number of its own: the save waits for the other user's stock rows,
    // not for the other's requisition number.
    const std::string first = Saved(Requisition("3", "2", {"6"}));
    commit.join();
    EXPECT_EQ(first, "short 0") << "six of the five left";
    EXPECT_EQ(Saved(Requisition("3", "", {"5"})), "2");
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(Rashod, OneNumberInTwoDepartmentsStaysApart)
{
    ASSERT_EQ(Saved(Requisition("2", "", {"2"})), "1");
    ASSERT_EQ(Saved(Requisition("3", "", {"3"})), "1");
    CRashodRecord again = Requisition("2", "1", {"1"});
    EXPECT_EQ(Saved(again), "1");
    EXPECT_EQ(Text("select group_concat(concat(prd,':',kol) order by prd) as str from stovan_rsx1 where prd in (2,3)"),
              CString("2:1.000000,3:3.000000"));
    CRashodRecord gone = Requisition("2", "1", {});
    EXPECT_TRUE(gone.Delete());
    EXPECT_EQ(Count("select count(*) as cnt from stovan_rsx0 where prd in (2,3)"), 1);
    EXPECT_EQ(Count("select count(*) as cnt from stovan_rsx1 where prd=3"), 1);

    ASSERT_EQ(Saved(Requisition("2", "", {"2"})), "1");
    auto* view = OpenRequisition();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_PRD, "3");
    view->SetDlgItemText(IDC_NTREB, "1");
    EXPECT_EQ(afxtest::text(view, IDC_KAB), QString("20"));
    EXPECT_EQ(view->m_grid.GetCellValue(4, 0), CString("3.0000"));
    view->SetDlgItemText(IDC_NTREB, "");
    view->SetDlgItemText(IDC_PRD, "");
    afxtest::InteractionScript script;
    script.message("Укажите подразделение", IDOK);
    view->SetDlgItemText(IDC_NTREB, "1");
    script.verify();
}

TEST_F(Rashod, ChecksInOrderWithMessageAndFocus)
{
    auto* view = OpenRequisition();
    ASSERT_NE(view, nullptr);
    struct Case {
        const char* kab;
        const char* kol;
        const char* message;
        int focus;
    };
    const Case cases[] = {
        {"", "1", "Укажите № кабинета", IDC_KAB},
        {"99", "1", "Нет такого кабинета", IDC_KAB},
        {"20", "0", "Укажите расход", IDC_LINES},
        {"20", "12", "Остаток меньше нуля", IDC_LINES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        view->SetDlgItemText(IDC_DATE, day);
        view->SetDlgItemText(IDC_PRD, "3");
        view->SetDlgItemText(IDC_NV, "1");
        view->SetDlgItemText(IDC_TN, "51");
        view->SetDlgItemText(IDC_KAB, c.kab);
        view->m_grid.SetCellValue(1, 0, "1");
        view->m_grid.SetCellValue(4, 0, c.kol);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        CWnd* focus = CWnd::GetFocus();
        const bool inGrid = c.focus == IDC_LINES && view->m_grid.GetCurCol() == 4 && view->m_grid.GetCurRow() == 0;
        EXPECT_TRUE(inGrid || (focus && focus->GetDlgCtrlID() == c.focus));
    }
    view->SetDlgItemText(IDC_NTREB, "");
    afxtest::InteractionScript script;
    script.message("Укажите № требования", IDOK);
    afxtest::click(view, ID_DELETE_RECEIPT);
    script.verify();
    EXPECT_EQ(Count("select count(*) as cnt from stovan_rsx0 where prd=3"), 0);
}

TEST_F(Rashod, ANewRequisitionIsPrintedTwoUpOnSave)
{
    Run("update system_const set val='МБДОУ «Тест»' where name='ORG_NAME'");
    auto* view = OpenRequisition();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_DATE, day);
    view->SetDlgItemText(IDC_PRD, "3");
    view->SetDlgItemText(IDC_NV, "1");
    view->SetDlgItemText(IDC_TN, "51");
    view->SetDlgItemText(IDC_KAB, "20");
    view->m_grid.SetCellValue(1, 0, "1");
    view->m_grid.SetCellValue(4, 0, "2,5");
    Settle();
    view->CheckStock();
    EXPECT_EQ(view->m_grid.GetCellValue(5, 0), CString("7.5000"));
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(afxtest::text(view, IDC_NTREB), QString("1"));
    const QString page = ReportText();
    EXPECT_EQ(page.count(QStringLiteral("Требование №:")), 2) << page.toStdString();
    for (const char* part : {"МБДОУ «Тест»", "Медицинский кабинет", "Кому:", "Петрова Анна Сергеевна", "От кого:",
                             "Иванов Пётр Сергеевич", "Бумага офисная А4", ">2.5<", "Выдал:", "Получил:"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part;

    // Saved again: no print; F9 on the number prints.
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(Active<CReportView>(), nullptr);
    afxtest::pressKey(view, IDC_NTREB, Qt::Key_F9);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/stock_requisition.png"));
    EXPECT_TRUE(appcore::WritePdf(*report->GetPage()->Browser()->document(),
                                  QCoreApplication::applicationDirPath() + "/stock_requisition.pdf", false));
    report->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    QCoreApplication::processEvents();
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(QCoreApplication::applicationDirPath()
                                                            + "/stock_requisition_form.png"));
}

TEST_F(Rashod, TheJournalShowsAnOrganisationInPlaceOfTheEmployee)
{
    CRashodRecord r = Requisition("3", "", {"1"});
    r.tn.Empty();
    r.org = "4";
    ASSERT_EQ(Saved(r), "1");
    auto* view = OpenRequisition();
    ASSERT_NE(view, nullptr);
    afxtest::pressKey(view, IDC_NTREB, Qt::Key_F3);
    Settle();
    auto* journal = Active<CFormGridView>();
    ASSERT_NE(journal, nullptr);
    long row = -1;
    for (long k = 0; k < journal->m_grid.GetNRows(); ++k)
        if (journal->m_grid.GetCellValue(2, k) == "3")
            row = k;
    ASSERT_GE(row, 0);
    EXPECT_EQ(journal->m_grid.GetCellValue(4, row), CString("4"));
    EXPECT_EQ(journal->m_grid.GetCellValue(5, row), CString("ИП Соколов Игорь Николаевич"));
    journal->m_grid.SetCurRow(row);
    ASSERT_TRUE(journal->Choose());
    Settle();
    EXPECT_EQ(afxtest::text(view, IDC_NTREB), QString("1"));
    EXPECT_EQ(afxtest::text(view, IDC_PRD), QString("3"));
    EXPECT_EQ(afxtest::text(view, IDC_ORG), QString("4"));
}

} // namespace

// A requisition whose lines could not be read is shown empty and cannot be
// saved or deleted: a save would replace its stored lines with none.
TEST_F(Rashod, ARequisitionThatCouldNotBeReadIsNeitherSavedNorDeleted)
{
    ASSERT_EQ(Saved(Requisition("3", "", {"3"})), "1");
    auto* view = OpenRequisition();
    ASSERT_NE(view, nullptr);
    Run("rename table stovan_rsx1 to stovan_rsx1_away");
    view->SetDlgItemText(IDC_PRD, "3");
    view->SetDlgItemText(IDC_NTREB, "1");
    Settle();
    dbReports.clear(1);
    EXPECT_FALSE(view->m_grid.IsWindowEnabled());
    for (const int button : {IDOK, ID_DELETE_RECEIPT}) {
        afxtest::InteractionScript script;
        script.message("Документ не удалось прочитать из базы данных, поэтому записать или удалить его нельзя. "
                       "Выберите его снова.",
                       IDOK);
        afxtest::click(view, button);
        script.verify();
    }
    Run("rename table stovan_rsx1_away to stovan_rsx1");
    EXPECT_EQ(Count("select count(*) as cnt from stovan_rsx1 where prd=3"), 1) << "the stored line is kept";
    EXPECT_EQ(Count("select count(*) as cnt from stovan_rsx0 where prd=3"), 1);
    EXPECT_TRUE(dbReports.reports().empty());
}
