// What the payroll forms share: the position rows in force in the working
// month, the key "tn.npp", the list of a table's employees in each dialect
// (MariaDB's under strict grouping), and the page written through a temporary
// file with its failures and its mark of a page cut short.
#include "InteractionScript.h"
#include "PayrollPage.h"
#include "PayrollProgram.h"
#include "PayrollSql.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <QFile>
#include <QFileInfo>

namespace {

class PaymarShared : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        Run("delete from paymar_bux where tn in (70, 71)\n"
            "delete from tn where tn in (70, 71)");
    }
    // The dialect of the driver id for one text.
    static CString InDialect(long driver, const std::function<CString()>& text)
    {
        const long saved = GetDriverId(-1);
        SetDriverId(driver);
        const CString result = text();
        SetDriverId(saved);
        return result;
    }
};

TEST_F(PaymarShared, APositionIsInForceWhenItsDatesAndTheEmployeesDismissalMeetTheMonth)
{
    const CString first = ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth));
    const CString last = ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth));
    CString rows;
    rows.Format("insert into tn (tn, f, du) values (70, 'Действующая', NULL), (71, 'Уволенная', %s - interval 1 day)\n"
                "insert into paymar_bux (tn, npp, d1, d2) values"
                " (70, 1, %s + interval 1 day, NULL), (70, 2, NULL, %s - interval 1 day), (70, 3, NULL, NULL),"
                " (70, 4, %s, %s), (70, 5, %s, %s), (71, 1, NULL, NULL)",
                (LPCTSTR)first, (LPCTSTR)last, (LPCTSTR)first, (LPCTSTR)last, (LPCTSTR)last, (LPCTSTR)first,
                (LPCTSTR)first);
    Run(rows);
    const CString sql = "select group_concat(paymar_bux.npp order by paymar_bux.npp) as str from paymar_bux join tn on "
                        "tn.tn=paymar_bux.tn where paymar_bux.tn in (70, 71) and " + npaymar::PositionInForce();
    EXPECT_EQ(Text(sql), CString("3,4,5")) << "a row starting after the month, one ended before it, a dismissed "
                                              "employee's are out; the month's last and first days are in";
    // The demo: employee 10's only row ended the day before the month, 19 leaves on its first day.
    EXPECT_EQ(Count("select count(*) as cnt from paymar_bux join tn on tn.tn=paymar_bux.tn where paymar_bux.tn in "
                    "(10, 19) and " + npaymar::PositionInForce()),
              1);
}

TEST_F(PaymarShared, ThePositionKeyIsTheTwoNumbersWithAPoint)
{
    EXPECT_EQ(Text("select group_concat(k order by k) as str from (select " + npaymar::PositionKey() +
                   " as k from paymar_bux where tn=20) q"),
              CString("20.1,20.2"));
    EXPECT_EQ(InDialect(0, [] { return npaymar::PositionKey("b"); }),
              CString("cast(b.tn as nvarchar(100))+'.'+cast(b.npp as nvarchar(100))"));
    EXPECT_EQ(InDialect(2, [] { return npaymar::PositionKey("b"); }),
              CString("concat(cast(b.tn as varchar),'.',cast(b.npp as varchar))"));
}

TEST_F(PaymarShared, TheEmployeesOfATableAreListedOnceInEveryDialect)
{
    const struct {
        long driver;
        const char* text;
    } cases[] = {
        {0, "select distinct paymar_bux.tn,ltrim(rtrim(isnull(tn.f,'')+' '+isnull(tn.i,'')+' '+isnull(tn.o,''))) as fio,"
            "ssv.name,tn.du from paymar_bux left join tn on paymar_bux.tn=tn.tn left join ssv on ssv.id=tn.dol where "
            "paymar_bux.osn=0 order by paymar_bux.tn"},
        {1, "select distinct paymar_bux.tn,concat_ws(' ',tn.f,tn.i,tn.o) as fio,ssv.name,tn.du from paymar_bux left "
            "join tn on paymar_bux.tn=tn.tn left join ssv on ssv.id=tn.dol where paymar_bux.osn=0 order by "
            "paymar_bux.tn"},
        {2, "select distinct paymar_bux.tn,concat_ws(' ',tn.f,tn.i,tn.o) as fio,ssv.name,tn.du from paymar_bux left "
            "join tn on paymar_bux.tn=tn.tn left join ssv on ssv.id=tn.dol where paymar_bux.osn=0 order by "
            "paymar_bux.tn"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InDialect(c.driver, [] { return npaymar::EmployeeListSql("paymar_bux", "paymar_bux.osn=0"); }),
                  CString(c.text))
            << c.driver;

    // MariaDB runs it under strict grouping: each employee once, though three hold two rows
    // (the 30 of the staff and the three of the accrual run's demo).
    Run("set session sql_mode=concat(@@sql_mode, ',ONLY_FULL_GROUP_BY')");
    const CString list = npaymar::EmployeeListSql("paymar_bux");
    EXPECT_EQ(Count("select count(*) as cnt from (" + list + ") q"), 33);
    EXPECT_EQ(Text("select group_concat(fio) as str from (" + npaymar::EmployeeListSql("paymar_bux",
                                                                                     "paymar_bux.npp=2") + ") q"),
              CString("Смирнова Елена Викторовна,Попова Наталья Александровна,Николаева Елена Геннадьевна"));
    Run("set session sql_mode=replace(@@sql_mode, ',ONLY_FULL_GROUP_BY', '')");
}

TEST_F(PaymarShared, APageThatCannotBeStartedSaysWhyAndShowsNothing)
{
    {
        npaymar::PayrollPage page;
        afxtest::InteractionScript script;
        script.message("Ошибка создания временного файла", IDOK);
        EXPECT_FALSE(page.Start("/nonexistent/folder"));
        script.verify();
        EXPECT_EQ(page.Show("Страница"), 0);
    }
    {
        npaymar::PayrollPage page;
        afxtest::InteractionScript script;
        script.message("Ошибка создания файла /nonexistent/folder/0.htm", IDOK);
        EXPECT_FALSE(page.StartIn("/nonexistent/folder/0.htm"));
        script.verify();
        EXPECT_EQ(page.Show("Страница"), 0);
    }
    Settle();
    EXPECT_EQ(ChildCount(), 0);
}

TEST_F(PaymarShared, APageIsWrittenIntoANewTemporaryFileAndACutPageSaysSo)
{
    npaymar::PayrollPage page;
    ASSERT_TRUE(page.Start());
    EXPECT_TRUE(QFileInfo(page.FileName().ToQString()).fileName().startsWith('0'));
    EXPECT_TRUE(page.Write("<p>Иванова М.П.</p>"));
    page.MarkCut();
    page.MarkCut();
    EXPECT_EQ(page.Show("Расчетный листок"), 1);
    QFile file(page.FileName().ToQString());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.startsWith("<html><head><meta http-equiv=\"Content-Type\""));
    EXPECT_TRUE(html.contains("<body bgcolor=#FAF6E4><p>Иванова М.П.</p>"));
    EXPECT_EQ(html.count("Отчет неполный"), 1);
    EXPECT_TRUE(html.endsWith("</body></html>"));
    Settle();
    EXPECT_EQ(ChildCount(), 1) << "the report window";
}

} // namespace
