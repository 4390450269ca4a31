// The payroll's posting 5: the transfer form's date, question and call; the
// printout's call for chosen and for all months and its page; the script
// Prov_5 on a fixture month against a hand-made table of postings, a second
// transfer replacing the first, a refused posting or a closed date leaving
// the previous transfer as it was.
#include "C5ProvView.h"
#include "CPrn5ProvView.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "PostingScript.h"
#include "ndbcore.h"
#include "../res/resource.h"

#include <QCoreApplication>
#include <QDate>
#include <QImage>
#include <QTextBrowser>
#include <QStringList>

namespace {

using npaymar::C5ProvView;
using npaymar::CPrn5ProvView;

class PostingTransfer : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        y = int(g_lYear);
        // Four entries: earnings per employee (kopecks), contributions at 30 %
        // in whole roubles and in tens of kopecks, the tax at 25 % per employee.
        // Months 1 and 3 computed; month 2 only in the employees' list.
        Run(FormatText(
            "delete from paymar_nuz where g=%d\ndelete from paymar_m where g=%d\ndelete from paymar_prov5\n"
            "delete from spr_paymar_5pr1\ndelete from spr_paymar_5pr\n"
            "insert into spr_paymar_5pr (id,name,pr,d,k,ekr,sb_deb,sb_kred,bman,poits) values "
            "(11,'Оклад',100,'140102211','130201730',211000,null,null,1,2),"
            "(12,'Взносы',30,'140102213','130310730',null,null,null,0,0),"
            "(13,'Взносы с почасовой',30,'140102213','130310730',null,null,null,0,1),"
            "(14,'Налог',25,'130201830','130301730',null,null,null,1,2)\n"
            "insert into spr_paymar_5pr1 (id,kou) values (11,1),(12,1),(13,3),(14,201)\n"
            "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (%d,3,1,1,1,1,1000.50),(%d,3,1,1,1,3,33.33),"
            "(%d,3,1,1,1,201,10.70),(%d,3,2,1,1,1,2000.00),(%d,3,2,1,1,201,4.00),(%d,1,1,1,1,1,999.00)\n"
            "insert into paymar_m (g,ms,tn,kat,prd) values (%d,1,1,1,1),(%d,2,1,1,1),(%d,3,1,1,1),(%d,3,2,1,1)",
            y, y, y, y, y, y, y, y, y, y, y, y));
        march = FormatText("31.03.%d", y);
    }
    bool Transfer(const CString& date)
    {
        return npaymar::RunPostingScript("and (paymar_NUz.ms=3)", "", 3, date);
    }
    // The postings of the month's transfer: "debit|sub-account|credit|sub-account|amount" by line.
    QStringList Postings()
    {
        QStringList rows;
        const CString id = Text(FormatText("select id as str from paymar_prov5 where g=%d and ms=3", y));
        if (id.IsEmpty())
            return rows;
        _RecordsetPtr rs = ExecuteRows(
            "select concat(deb0,deb1,deb2,deb3,'|',coalesce(deb_sb1,''),'|',kred0,kred1,kred2,kred3,'|',"
            "coalesce(kred_sb1,''),'|',s) as r from ledmark_provodki where id=" + id + " order by npp");
        for (; rs && !rs->adoEOF; rs->MoveNext())
            rows << SafeArayToString(rs->GetCollect("r")).ToQString();
        return rows;
    }
    std::vector<std::string> CallsOfProv5() const
    {
        std::vector<std::string> found;
        for (const auto& call : scripts.calls)
            if (call.call.rfind("Prov_5(", 0) == 0)
                found.push_back(call.call + " @ " + call.context);
        return found;
    }

    int y = 0;
    CString march;
};

const QStringList kMarchPostings = {
    "140102211||130201730|1|1000.50", "140102211||130201730|2|2000.00", "140102213||130310730||900.00",
    "140102213||130310730||10.00",    "130201830|1|130301730||2.68",   "130201830|2|130301730||1.00",
};

TEST_F(PostingTransfer, TheMonthIsPostedAsTheEntriesSayAndASecondTransferReplacesTheFirst)
{
    ASSERT_TRUE(Transfer(march));
    EXPECT_EQ(Postings(), kMarchPostings);
    const CString first = Text(FormatText("select id as str from paymar_prov5 where g=%d and ms=3", y));
    EXPECT_EQ(Text("select concat(date_format(d,'%d.%m.%Y'),'|',s,'|',prim) as str from ledmark_oper_by_hand where id=" +
                   first),
              march + "|3914.18|Заработная плата за март " + FormatText("%d г.", y));
    EXPECT_EQ(Count("select count(distinct fil_id) as cnt from ledmark_provodki where id=" + first), 1);

    // Again on another day: the first operation and its postings are gone.
    Run(FormatText("update paymar_nuz set s=1100.50 where g=%d and ms=3 and tn=1 and kou=1", y));
    ASSERT_TRUE(Transfer(FormatText("30.03.%d", y)));
    const CString second = Text(FormatText("select id as str from paymar_prov5 where g=%d and ms=3", y));
    EXPECT_NE(second, first);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where id=" + first), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand where id=" + first), 0);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from paymar_prov5 where g=%d", y)), 1);
    EXPECT_EQ(Postings().front(), QString("140102211||130201730|1|1100.50"));
    EXPECT_EQ(Postings().size(), kMarchPostings.size());
    EXPECT_TRUE(scripts.messages.empty());
}

// What the script refuses changes nothing: the previous transfer stays.
TEST_F(PostingTransfer, ARefusedTransferLeavesThePreviousOne)
{
    ASSERT_TRUE(Transfer(march));
    const CString first = Text(FormatText("select id as str from paymar_prov5 where g=%d and ms=3", y));
    const long long postings = Count("select count(*) as cnt from ledmark_provodki");
    const struct {
        const char* what;
        const char* sql;  // the change before the second transfer, undone after it
        const char* undo;
        CString date;
        const char* message;
    } cases[] = {
        {"a posting refused", "update spr_paymar_5pr set k='130211730' where id=12",
         "update spr_paymar_5pr set k='130310730' where id=12", march, "Проводка не записана"},
        {"a closed date", "insert into system_const (name,val) values ('system_actual_date','31.03.9999')",
         "delete from system_const where name='system_actual_date'", march, "закрыт"},
        {"no date of a date", "", "", "31.02.2009", "Неверная дата: 31.02.2009"},
    };
    for (const auto& c : cases) {
        Run("delete from system_const where name='system_actual_date'");
        if (*c.sql)
            Run(FormatText(c.sql));
        scripts.messages.clear();
        EXPECT_FALSE(Transfer(c.date)) << c.what;
        ASSERT_EQ(scripts.messages.size(), 1u) << c.what;
        EXPECT_NE(scripts.messages.front().find(c.message), std::string::npos) << c.what << ": " << scripts.messages.front();
        EXPECT_EQ(Text(FormatText("select id as str from paymar_prov5 where g=%d and ms=3", y)), first) << c.what;
        EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), postings) << c.what;
        if (*c.undo)
            Run(c.undo);
    }
    EXPECT_EQ(Postings(), kMarchPostings);
}

// The condition reaches SQL only as month numbers; any other text is refused.
TEST_F(PostingTransfer, AConditionThatIsNoListOfMonthsIsRefused)
{
    for (const char* condition : {"and (paymar_NUz.ms=3 or 1=1)", "and (paymar_NUz.ms=13)", "; delete from tn"}) {
        scripts.messages.clear();
        EXPECT_FALSE(npaymar::RunPostingScript(condition, "", 3, march)) << condition;
        ASSERT_EQ(scripts.messages.size(), 1u) << condition;
        EXPECT_NE(scripts.messages.front().find("Неверное условие отбора месяцев"), std::string::npos);
    }
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from paymar_prov5 where g=%d", y)), 0);
    EXPECT_EQ(npaymar::PostingScriptCall("and \"x\"", "", 3, nullptr),
              CString("Prov_5(\"and \\\"x\\\"\", \"\", 3, \"\")"));
}

TEST_F(PostingTransfer, TheFormAsksForTheWorkingMonthAndCallsTheScriptWithThePickedDate)
{
    g_lYear = 2009;
    g_lMonth = 3;
    Run("delete from otp where g=2009 and ms=3\n"
        "insert into otp (g,ms,d1,d2) values (2009,3,'2009-03-01','2009-03-31')");
    CHelpers::FN_OpenDocument0("exp_5_prov", 0, nullptr);
    auto* view = Active<C5ProvView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(DMGtoStr(view->m_date), CString("31.03.2009"));
    const char* question = "Перекинуть 5 проводку из з/п в журнал операций\nза март 2009г. ?";

    {
        afxtest::InteractionScript script;
        script.message(question, IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_TRUE(CallsOfProv5().empty()) << "No calls nothing";

    const struct {
        QDate picked;
        const char* call;
    } cases[] = {
        {QDate(2009, 3, 31), "Prov_5(\"and (paymar_NUz.ms=3)\", \"\", 3, \"31.03.2009\") @ Arm.ПАЙМАР"},
        {QDate(2009, 4, 15), "Prov_5(\"and (paymar_NUz.ms=3)\", \"\", 3, \"15.04.2009\") @ Arm.ПАЙМАР"},
    };
    for (const auto& c : cases) {
        scripts.calls.clear();
        scripts.messages.clear();
        afxtest::pickDate(view, IDC_OPER_DATE, c.picked);
        afxtest::InteractionScript script;
        script.message(question, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(CallsOfProv5(), std::vector<std::string>({c.call}));
        // 2009 has nothing computed: the script says so and the form stays.
        ASSERT_EQ(scripts.messages.size(), 1u);
        EXPECT_EQ(scripts.messages.front(), "За март 2009 г. нет начислений для проводки 5");
        Settle();
        ASSERT_EQ(Active<C5ProvView>(), view);
    }

}

TEST_F(PostingTransfer, ATransferThatSucceededClosesTheForm)
{
    g_lMonth = 3;
    CHelpers::FN_OpenDocument0("exp_5_prov", 0, nullptr);
    auto* view = Active<C5ProvView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(DMGtoStr(view->m_date), march);
    QCoreApplication::processEvents();
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(QCoreApplication::applicationDirPath() +
                                                           "/paymar_exp_5_prov.png"));
    afxtest::InteractionScript script;
    script.message(FormatText("Перекинуть 5 проводку из з/п в журнал операций\nза март %dг. ?", y).ToQString(), IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    EXPECT_TRUE(Open<C5ProvView>().empty());
    EXPECT_EQ(Postings(), kMarchPostings);
}

TEST_F(PostingTransfer, ThePrintoutHandsOnTheTickedMonthsAndShowsTheirFigures)
{
    // The page goes to the report window, as in the program.
    appcore::GetScriptHooks().showReport = [](const std::string& html, const std::string& title) {
        CHelpers::DisplayMessage(html.c_str(), title.c_str(), 0, 9, "#f5f5FF", -1, -1);
    };
    CHelpers::FN_OpenDocument0("Prn5ProvView", 0, nullptr);
    auto* view = Active<CPrn5ProvView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument()->GetTitle(), CString("Выбор месяцев"));
    ASSERT_EQ(view->m_grid.GetNRows(), 3);
    view->m_grid.SetBCheck(0, 1);
    view->m_grid.SetBCheck(2, 1);
    afxtest::command(view, IDOK);
    Settle();
    EXPECT_EQ(CallsOfProv5(), std::vector<std::string>(
                                  {"Prov_5(\"and (paymar_NUz.ms=1 or paymar_NUz.ms=3)\", \"январь, март\", -1, \"\") @ "
                                   "Arm.ПАЙМАР"}));
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    QCoreApplication::processEvents();
    const QString html = report->GetPage()->Html();
    EXPECT_TRUE(html.contains("январь, март")) << html.toStdString();
    // Earnings of both months: 999.00 + 1000.50 + 2000.00.
    EXPECT_TRUE(html.contains("3999.50")) << html.toStdString();
    EXPECT_TRUE(html.contains("3.68")) << "the tax rounded per employee: 2.68 + 1.00";
    const QImage picture = afxtest::grab(report->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/paymar_prn_5_prov.png"));
    EXPECT_TRUE(appcore::WritePdf(*report->GetPage()->Browser()->document(),
                                  QCoreApplication::applicationDirPath() + "/paymar_prn_5_prov.pdf", false));
    report->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    EXPECT_TRUE(Open<CPrn5ProvView>().empty()) << "the printout closes its form";
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from paymar_prov5 where g=%d", y)), 0) << "nothing posted";

    // Every month ticked: neither condition nor names.
    scripts.calls.clear();
    CHelpers::FN_OpenDocument0("Prn5ProvView", 0, nullptr);
    view = Active<CPrn5ProvView>();
    ASSERT_NE(view, nullptr);
    afxtest::click(view, IDC_MONTHS_ALL);
    afxtest::command(view, IDOK);
    Settle();
    EXPECT_EQ(CallsOfProv5(), std::vector<std::string>({"Prov_5(\"\", \"\", -1, \"\") @ Arm.ПАЙМАР"}));
    report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->GetPage()->Html().contains("все месяцы"));
}

} // namespace
