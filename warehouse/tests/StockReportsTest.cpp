// The stock reports' filter forms: the clauses of the check lists, the
// cascade of the lists, and the reports "Кто сколько взял", "Отчет по
// организациям" and "Требования" over a month of movements of their own.
#include "CPrnKsvView.h"
#include "CPrnOkView.h"
#include "CPrnOrView.h"
#include "CPrnOrgView.h"
#include "CPrnPrixRasxView.h"
#include "CPrnTrebView.h"
#include "CReportView.h"
#include "CheckList.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "ReportPage.h"
#include "StockProgram.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QImage>

#include <algorithm>

namespace {

using namespace nstovan;

class StockReports : public stovantest::StockProgram {
protected:
    void SetUp() override
    {
        StockProgram::SetUp();
        const CString d = ChangeDateUS0(ThisMonth(10), 0), p = ChangeDateUS0(LastMonth(10), 0);
        // The month: receipts from organisation 1 (material 1 twice) and a
        // return by employee 51; issues to 52 (two equal lines in two
        // requisitions), to 51, to an organisation, to personnel number 99
        // without a card, and to 51 in department 3, which has no receipts.
        // The month before: a receipt and an issue outside every list.
        Run(FormatText(
            "delete from stovan_prx1\ndelete from stovan_prx0\ndelete from stovan_rsx1\ndelete from stovan_rsx0\n"
            "delete from tn where tn=99\ndelete from stovan_spis_mol_mat\n"
            "insert into stovan_prx0 (d,prd,nv,npp,ndoc,org,tn) values (%s,1,1,1,'П-1',1,null), "
            "(%s,1,1,2,null,null,51), (%s,1,1,1,'П-0',2,null)\n"
            "insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) values (%s,1,1,1,1,10,10,100), "
            "(%s,1,1,1,1,10,5,50), (%s,1,1,1,2,20,4,80), (%s,1,1,2,3,null,2,null), (%s,1,1,1,1,10,100,1000)\n"
            "insert into stovan_rsx0 (ntreb,d,prd,nv,kab,org,tn) values (1,%s,1,1,'11',null,52), "
            "(2,%s,1,1,'11',null,52), (3,%s,1,1,'20',null,51), (4,%s,1,1,'20',1,null), (5,%s,1,1,'20',null,99), "
            "(1,%s,3,5,'20',null,51), (1,%s,1,1,'11',null,52)\n"
            "insert into stovan_rsx1 (ntreb,d,prd,nv,id,kol,ost) values (1,%s,1,1,1,3,0), (1,%s,1,1,2,1,0), "
            "(2,%s,1,1,1,3,0), (3,%s,1,1,4,1,0), (4,%s,1,1,2,7,0), (5,%s,1,1,2,1,0), (1,%s,3,5,5,2,0), "
            "(1,%s,1,1,1,9,0)",
            d, d, p, d, d, d, d, p, d, d, d, d, d, d, p, d, d, d, d, d, d, d, p));
    }

    template <class T>
    T* Open()
    {
        auto* view = OpenForm<T>();
        Settle();
        return view;
    }
    static QStringList Codes(const CCellwork& list)
    {
        QStringList codes;
        for (long r = 0; r < list.GetNRows(); ++r)
            codes << list.GetCellValue(0, r).ToQString();
        return codes;
    }
    // Ticks every row of a list as the user does, so the next list refills.
    static void TickAll(CWnd* view, int allButton) { afxtest::click(view, allButton); }
    static void Tick(CCellwork& list, const char* code, bool on = true)
    {
        for (long r = 0; r < list.GetNRows(); ++r)
            if (list.GetCellValue(0, r) == CString(code))
                list.SetBCheck(r, on ? 1 : 0);
    }
    // The page of the report window that shows, then the window closed.
    QString ShownPage(const char* picture = nullptr)
    {
        Settle();
        auto* report = Active<CReportView>();
        if (!report)
            return QString();
        QCoreApplication::processEvents();
        const QString html = report->GetPage()->Html();
        if (picture) {
            const QImage image = afxtest::grab(report->GetParentFrame());
            EXPECT_GT(afxtest::distinctColours(image), 8);
            EXPECT_TRUE(image.save(QCoreApplication::applicationDirPath() + "/" + picture));
        }
        report->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
        return html;
    }
    // The data rows of a page as "cell|cell|..." (tags and blanks dropped).
    static QStringList Rows(const CString& page)
    {
        QStringList rows;
        const QString html = page.ToQString();
        const int table = html.indexOf("<tr bgcolor=#CCCCFF>");
        for (const QString& row : html.mid(table).split("<tr bgcolor=#").mid(2)) {
            QStringList cells;
            for (QString cell : row.split("<td").mid(1)) {
                cell = cell.mid(cell.indexOf('>') + 1);
                cell = cell.left(cell.indexOf("</td>"));
                cells << cell.remove("&nbsp;").remove("&nbsp").trimmed();
            }
            rows << cells.join('|');
        }
        return rows;
    }
};

TEST_F(StockReports, ClausesCarryTheCheckedCodesAsNumbersOnly)
{
    auto* view = Open<CPrnKsvView>();
    ASSERT_NE(view, nullptr);
    CCellwork& list = view->m_departments;
    list.SetNRows(3);
    const char* rows[][2] = {{"3", "Склад"}, {"7", "Пищеблок"}, {"3 or 1=1", "Чужой"}};
    for (long r = 0; r < 3; ++r) {
        list.SetCellValue(0, r, rows[r][0]);
        list.SetCellValue(1, r, rows[r][1]);
    }
    struct Case {
        std::vector<long> checked;
        const char* clause;
        const char* names;
    };
    const Case cases[] = {
        {{0, 1}, "and (prd=3 or prd=7)", "Склад, Пищеблок"},
        {{}, "", ""},
        {{0, 1, 2}, "and (prd=3 or prd=7)", "Склад, Пищеблок, Чужой"},
        {{2}, "", "Чужой"},
    };
    for (const Case& c : cases) {
        CheckAll(list, false);
        for (long r : c.checked)
            list.SetBCheck(r, 1);
        EXPECT_EQ(view->DepartmentClause(), CString(c.clause)) << c.clause;
        EXPECT_EQ(JoinCheckedNames(list), CString(c.names));
    }
    EXPECT_EQ(QualifiedClause("and (prd=3 or prd=7)", "prd=", "stovan_prx0.prd="),
              CString("and (stovan_prx0.prd=3 or stovan_prx0.prd=7)"));
    // Only the hostile code ticked: nothing is chosen and nothing runs.
    afxtest::InteractionScript script;
    script.message("Выберите подразделение", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(StockReports, TheListsCascadeAndDropTheTicksBelow)
{
    auto* view = Open<CPrnKsvView>();
    EXPECT_EQ(Codes(view->m_departments), QStringList({"1", "3"})) << "department 3 has issues only";
    EXPECT_EQ(view->m_statements.GetNRows(), 0);
    TickAll(view, IDC_ALL_STATEMENTS);  // on an empty list: the lists below stay empty
    EXPECT_EQ(view->m_groups.GetNRows(), 0);

    // A tick with the keys raises the list's event: the next list refills.
    view->m_departments.SetFocus0();
    view->m_departments.SetCurCell(1, 0);
    afxtest::pressKey(view->m_departments.GetQWidget(), Qt::Key_Space);
    ASSERT_EQ(view->m_departments.GetBCheck(0), 1);
    EXPECT_EQ(Codes(view->m_statements), QStringList({"1"}));
    TickAll(view, IDC_ALL_DEPARTMENTS);
    EXPECT_EQ(Codes(view->m_statements), QStringList({"1", "5"}));
    TickAll(view, IDC_ALL_STATEMENTS);
    EXPECT_GT(view->m_groups.GetNRows(), 0);
    TickAll(view, IDC_ALL_GROUPS);
    EXPECT_EQ(Codes(view->m_employees), QStringList({"51", "52", "99"}));
    EXPECT_EQ(view->m_employees.GetCellValue(1, 0), CString("Иванов Пётр Сергеевич"));
    EXPECT_EQ(view->m_employees.GetCellValue(1, 2), CString()) << "no card, no name";
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/stock_ksv_form.png"));

    // Unticking the departments empties every list below.
    afxtest::click(view, IDC_NONE_DEPARTMENTS);
    EXPECT_EQ(view->m_statements.GetNRows(), 0);
    EXPECT_EQ(view->m_groups.GetNRows(), 0);
    EXPECT_EQ(view->m_employees.GetNRows(), 0);
    afxtest::InteractionScript script;
    script.message("Выберите подразделение", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();

    // A month without movements lists nothing.
    g_lYear -= 3;
    auto* empty = Open<CPrnKsvView>();
    EXPECT_EQ(empty->m_departments.GetNRows(), 0);
    script.message("Выберите подразделение", IDOK);
    afxtest::click(empty, ID_PRINT_REPORT);
    script.verify();
}

TEST_F(StockReports, WhoTookHowMuchAddsIssuesAndReturnsPerMaterial)
{
    auto* view = Open<CPrnKsvView>();
    TickAll(view, IDC_ALL_DEPARTMENTS);
    TickAll(view, IDC_ALL_STATEMENTS);
    TickAll(view, IDC_ALL_GROUPS);
    afxtest::InteractionScript script;
    script.message("Выберите работника", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();
    Tick(view->m_employees, "51");
    Tick(view->m_employees, "52");
    afxtest::click(view, ID_PRINT_REPORT);
    const CString name = Text("select name from spr_stovan_mat where id=1");
    const QStringList rows = Rows(view->m_page);
    ASSERT_EQ(rows.size(), 5) << rows.join('\n').toStdString();
    // Code, name, unit, issued, returned; organisations' receipts never count.
    EXPECT_TRUE(rows[0].startsWith("1|" + name.ToQString() + "|")) << rows[0].toStdString();
    EXPECT_TRUE(rows[0].endsWith("|6|0")) << "two equal issues to 52 add up";
    EXPECT_TRUE(rows[1].endsWith("|1|0"));
    EXPECT_TRUE(rows[2].endsWith("|0|2")) << "returned only";
    EXPECT_TRUE(rows[3].endsWith("|1|0"));
    EXPECT_TRUE(rows[4].startsWith("5|") && rows[4].endsWith("|2|0")) << "department 3";
    EXPECT_NE(view->m_page.Find("<b>Работник:</b> Иванов Пётр Сергеевич, Римская Корсакова Алла Борисовна"), -1);
    EXPECT_NE(view->m_page.Find("<tr bgcolor=#eeeeee><td align=right>1&nbsp;</td>"), -1) << "the first row";
    EXPECT_NE(view->m_page.Find("<tr bgcolor=#dddddd><td align=right>2&nbsp;</td>"), -1);
    const QString shown = ShownPage("stock_ksv.png");
    EXPECT_TRUE(shown.contains("Возвр-но"));
    EXPECT_FALSE(shown.contains("&amp;nbsp")) << "every blank entity is one the window reads";
    EXPECT_EQ(view->m_employees.GetBCheck(0) + view->m_employees.GetBCheck(1), 0) << "employees unticked";
    EXPECT_EQ(CellworkCheckedAll(view->m_departments), 1) << "the departments keep their ticks";
    script.message("Выберите работника", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();

    // A page cut short by the database says so.
    Tick(view->m_employees, "51");
    Run("alter table spr_ei rename to spr_ei_gone");
    afxtest::click(view, ID_PRINT_REPORT);
    Run("alter table spr_ei_gone rename to spr_ei");
    EXPECT_EQ(dbReports.reports().size(), 1u);
    dbReports.clear(1);
    EXPECT_NE(view->m_page.Find("Отчет неполный"), -1);
    EXPECT_TRUE(ShownPage().contains("Отчет неполный"));
}

TEST_F(StockReports, TheReportByOrganisationsSumsReceiptsAndClosesItsForm)
{
    auto* view = Open<CPrnOrgView>();
    EXPECT_EQ(Codes(view->m_departments), QStringList({"1"})) << "no receipts from organisations in 3";
    // From after to: every list empty.
    view->m_from = qwDMG(ThisMonth(20), 1);
    view->m_to = qwDMG(ThisMonth(5), 1);
    view->UpdateData(FALSE);
    NMHDR header{view->GetDlgItem(IDC_PERIOD_TO)->GetSafeHwnd(), IDC_PERIOD_TO, DTN_DATETIMECHANGE};
    view->SendMessage(WM_NOTIFY, IDC_PERIOD_TO, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(view->m_departments.GetNRows(), 0);
    view->m_from = qwDMG(GetOtpD1(g_lYear, g_lMonth), 1);
    view->m_to = qwDMG(GetOtpD2(g_lYear, g_lMonth), 1);
    view->UpdateData(FALSE);
    view->SendMessage(WM_NOTIFY, IDC_PERIOD_TO, reinterpret_cast<LPARAM>(&header));

    TickAll(view, IDC_ALL_DEPARTMENTS);
    TickAll(view, IDC_ALL_STATEMENTS);
    TickAll(view, IDC_ALL_GROUPS);
    EXPECT_EQ(Codes(view->m_organisations), QStringList({"1"})) << "the employee's return is in no list";
    afxtest::InteractionScript script;
    script.message("Выберите организации", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();
    TickAll(view, IDC_ALL_ORGS);
    afxtest::click(view, ID_PRINT_REPORT);
    const QStringList rows = Rows(view->m_page);
    ASSERT_EQ(rows.size(), 2) << rows.join('\n').toStdString();
    EXPECT_TRUE(rows[0].startsWith("1|") && rows[0].endsWith("|15")) << rows[0].toStdString();
    EXPECT_TRUE(rows[1].startsWith("2|") && rows[1].endsWith("|4")) << rows[1].toStdString();
    EXPECT_NE(view->m_page.Find(FormatText("<b>Отчет по приходу материалов с</b> %s <b>по</b> %s",
                                           GetOtpD1(g_lYear, g_lMonth), GetOtpD2(g_lYear, g_lMonth))),
              -1);
    EXPECT_TRUE(ShownPage("stock_org.png").contains("Кол-во"));
    EXPECT_EQ(Active<CPrnOrgView>(), nullptr) << "the form closed";
}

TEST_F(StockReports, TheRequisitionSheetPrintsEveryLineOfTheChosenEmployees)
{
    auto* view = Open<CPrnTrebView>();
    EXPECT_EQ(Codes(view->m_departments), QStringList({"1", "3"}));
    Tick(view->m_departments, "1");
    afxtest::click(view, IDC_NONE_STATEMENTS);  // refills the employees of no statement: empty
    view->FillStatementList();
    EXPECT_EQ(Codes(view->m_statements), QStringList({"1"}));
    TickAll(view, IDC_ALL_STATEMENTS);
    EXPECT_EQ(Codes(view->m_employees), QStringList({"51", "52", "99"})) << "not the organisation's issue";
    Tick(view->m_employees, "52");
    afxtest::click(view, ID_PRINT_REPORT);
    const QStringList rows = Rows(view->m_page);
    ASSERT_EQ(rows.size(), 3) << rows.join('\n').toStdString();
    const QString day = ThisMonth(10).ToQString();
    EXPECT_EQ(rows[0].section('|', 0, 2), day + "|1|1");
    EXPECT_EQ(rows[1].section('|', 0, 2), day + "|2|1") << "the equal line of the second requisition";
    EXPECT_EQ(rows[2].section('|', 0, 2), day + "|3|2");
    EXPECT_EQ(rows[0].section('|', 5), "3||") << "quantity, blank price and sum";
    EXPECT_NE(view->m_page.Find("<b>От кого:</b> Римская Корсакова Алла Борисовна"), -1);
    EXPECT_NE(view->m_page.Find(FormatText("<i>%s</i>", GetConstant("ORG_NAME"))), -1);
    EXPECT_TRUE(ShownPage("stock_treb.png").contains("Требование №:"));
    EXPECT_EQ(CellworkChecked(view->m_employees), 0);
    EXPECT_EQ(Active<CPrnTrebView>(), view) << "the form stays open";
}

TEST_F(StockReports, TheReportPerEmployeeFollowsHisHolding)
{
    const CString d = ChangeDateUS0(ThisMonth(12), 0), p = ChangeDateUS0(LastMonth(12), 0);
    // 52 returns 2 of material 1 and has 2 written off within the month (equal
    // movements, both count), had 1 of material 2 written off the month
    // before; 77 is known from a write-off only.
    Run(FormatText("insert into stovan_prx0 (d,prd,nv,npp,ndoc,org,tn) values (%s,1,1,3,null,null,52)\n"
                   "insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) values (%s,1,1,3,1,null,2,null)\n"
                   "insert into stovan_spis_mol_mat (id,kol,dpv,prd,nv,tns) values (1,2,%s,1,1,52), (2,1,%s,1,1,52), "
                   "(3,1,%s,1,1,77)",
                   d, d, d, p, d));
    auto* view = Open<CPrnOrView>();
    ASSERT_NE(view, nullptr);
    Tick(view->m_departments, "1");
    view->FillStatementList();
    TickAll(view, IDC_ALL_STATEMENTS);
    EXPECT_EQ(Codes(view->m_employees), QStringList({"51", "52", "77", "99"}));
    Tick(view->m_employees, "52");
    afxtest::click(view, ID_PRINT_REPORT);
    const QStringList rows = Rows(view->m_page);
    ASSERT_EQ(rows.size(), 2) << rows.join('\n').toStdString();
    // Code, name, unit, opening, received, given up, closing.
    EXPECT_TRUE(rows[0].startsWith("1|") && rows[0].endsWith("|9|6|4|11")) << rows[0].toStdString();
    EXPECT_TRUE(rows[1].startsWith("2|") && rows[1].endsWith("|-1|1|0|0")) << rows[1].toStdString();
    EXPECT_NE(view->m_page.Find("<b>Работник:</b> Римская Корсакова Алла Борисовна"), -1);
    EXPECT_TRUE(ShownPage("stock_or.png").contains("Остаток"));
    EXPECT_EQ(CellworkChecked(view->m_employees), 0);
    afxtest::InteractionScript script;
    script.message("Выберите работника", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();
}

TEST_F(StockReports, TheBalanceCardRunsThroughTheMovementsOfOneMaterial)
{
    const CString first = GetOtpD1(g_lYear, g_lMonth);
    const CString dayBefore = DMGtoStr(qwDMG(first) - COleDateTimeSpan(1.0));
    // Besides the fixture: a receipt without a document number on the period's
    // first day, one on the day before, and a second line equal to one of the
    // month's receipt lines.
    Run(FormatText("update spr_stovan_mat set okr=3 where id=1\n"
                   "insert into stovan_prx0 (d,prd,nv,npp,ndoc,org,tn) values (%s,1,1,5,null,1,null), "
                   "(%s,1,1,6,'П-9',1,null)\n"
                   "insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) values (%s,1,1,5,1,7,1,7), (%s,1,1,6,1,7,2,14), "
                   "(%s,1,1,1,1,10,5,50)",
                   ChangeDateUS0(first, 0), ChangeDateUS0(dayBefore, 0), ChangeDateUS0(first, 0),
                   ChangeDateUS0(dayBefore, 0), ChangeDateUS0(ThisMonth(10), 0)));
    auto* view = Open<CPrnPrixRasxView>();
    ASSERT_NE(view, nullptr);
    Tick(view->m_departments, "1");
    view->FillStatementList();
    TickAll(view, IDC_ALL_STATEMENTS);
    ASSERT_GT(view->m_materials.GetNRows(), 1);
    EXPECT_EQ(view->m_materials.GetCellValue(0, 0), CString("1"));
    EXPECT_DOUBLE_EQ(atof(view->m_materials.GetCellValue(3, 0)), 108) << "all receipts less all issues";

    afxtest::InteractionScript script;
    script.message("Выберите материал", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();
    view->m_from = qwDMG(ThisMonth(20), 1);
    view->m_to = qwDMG(ThisMonth(5), 1);
    view->UpdateData(FALSE);
    script.message("Дата начала должна предшествовать дате окончания", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();
    view->m_from = qwDMG(first, 1);
    view->m_to = qwDMG(GetOtpD2(g_lYear, g_lMonth), 1);
    view->UpdateData(FALSE);

    // Two materials ticked: the card of the upper one.
    view->m_materials.SetBCheck(0, 1);
    view->m_materials.SetBCheck(1, 1);
    afxtest::click(view, ID_PRINT_REPORT);
    const CString& page = view->m_page;
    EXPECT_NE(page.Find("<b>Остаток на начало месяца:</b> 93.000"), -1) << "100 and 2 received, 9 issued before";
    const QStringList rows = Rows(page).mid(1);  // after the head's second row
    ASSERT_EQ(rows.size(), 7) << rows.join('\n').toStdString();
    EXPECT_EQ(rows.filter("|5.000||0.000|").size(), 2) << "two equal receipt lines both count";
    EXPECT_EQ(rows.filter("|ООО &quot;Продторг&quot;|7|1.000|").size(), 1) << "the first day's receipt, no number";
    EXPECT_EQ(rows.filter("|П-1 ООО &quot;Продторг&quot;|10|10.000|").size(), 1);
    EXPECT_EQ(rows[6], "Итого|21.000||6.000||108.000||") << "received, issued, end";
    EXPECT_NE(page.Find("Остаток на конец месяца: 108.000"), -1);
    EXPECT_TRUE(ShownPage("stock_balance.png").contains("Остаток на конец месяца"));
    EXPECT_EQ(CellworkChecked(view->m_materials), 0);
}

TEST_F(StockReports, TheReportByCabinetsSplitsTheIssuesOfTwoSettings)
{
    const CString d = ChangeDateUS0(ThisMonth(10), 0), p = ChangeDateUS0(LastMonth(10), 0);
    // Statement 3 of department 1: 50 of material 2 received and issued to
    // cabinets 43, 41 and 20; material 3 received the month before only;
    // statement 30 with a receipt of its own.
    Run(FormatText("insert into stovan_prx0 (d,prd,nv,npp,ndoc,org,tn) values (%s,1,3,1,'Т-1',1,null), "
                   "(%s,1,3,2,'Т-0',1,null), (%s,1,30,1,'Т-2',1,null)\n"
                   "insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) values (%s,1,3,1,2,1,50,50), "
                   "(%s,1,3,2,3,1,7,7), (%s,1,30,1,2,1,1,1)\n"
                   "insert into stovan_rsx0 (ntreb,d,prd,nv,kab,org,tn) values (6,%s,1,3,'43',null,51), "
                   "(7,%s,1,3,'41',null,51), (8,%s,1,3,'20',null,51)\n"
                   "insert into stovan_rsx1 (ntreb,d,prd,nv,id,kol,ost) values (6,%s,1,3,2,5,0), (7,%s,1,3,2,4,0), "
                   "(8,%s,1,3,2,3,0)",
                   d, p, d, d, p, d, d, d, d, d, d, d));
    auto* view = Open<CPrnOkView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Codes(view->m_departments), QStringList({"1", "3"}));
    struct Case {
        std::vector<const char*> departments, statements;
        size_t cabinets;
    };
    const Case cases[] = {
        {{"1"}, {"1", "3"}, 3},
        {{"1", "3"}, {"1", "3"}, 0},
        {{"3"}, {}, 2},
        {{"1"}, {"30"}, 0},
    };
    for (const Case& c : cases) {
        CheckAll(view->m_departments, false);
        for (const char* code : c.departments)
            Tick(view->m_departments, code);
        view->FillStatementList();
        for (const char* code : c.statements)
            Tick(view->m_statements, code);
        EXPECT_EQ(view->Cabinets().size(), c.cabinets) << c.departments.size() << " " << c.statements.size();
    }

    CheckAll(view->m_departments, false);
    Tick(view->m_departments, "1");
    view->FillStatementList();
    Tick(view->m_statements, "3");
    view->FillGroupList();
    afxtest::InteractionScript script;
    script.message("Выберите группу", IDOK);
    afxtest::click(view, ID_PRINT_REPORT);
    script.verify();
    TickAll(view, IDC_ALL_GROUPS);
    afxtest::click(view, ID_PRINT_REPORT);
    QStringList rows = Rows(view->m_page);
    rows.erase(std::remove_if(rows.begin(), rows.end(), [](const QString& r) { return r.contains("<b>"); }),
               rows.end());
    ASSERT_EQ(rows.size(), 4) << rows.join('\n').toStdString();
    // Code, name, unit, opening, sum, received, sum, "Леч. хир.", sum, "41, 49", sum, "43", sum, closing, sum.
    EXPECT_EQ(rows[0].section('|', 3), "0|0|50|0|3|0|4|0|5|0|38|0") << rows[0].toStdString();
    EXPECT_EQ(rows[1].section('|', 3), "7|0|0|0|0|0|0|0|0|0|7|0") << "received before the period only";
    EXPECT_EQ(rows[2].split('|').size(), 15);
    EXPECT_TRUE(rows[2].contains("Медикаменты"));
    EXPECT_TRUE(rows[3].contains("Тариф"));
    EXPECT_NE(view->m_page.Find("Подпись материально-ответственного лица"), -1);
    EXPECT_TRUE(ShownPage("stock_cabinets.png").contains("Леч. хир."));
    EXPECT_EQ(CellworkChecked(view->m_groups), 1) << "the ticks stay";
}

} // namespace
