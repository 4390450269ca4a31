// The closings of the year: the annual closing's posting rule and filters as
// tables, and runs on a small fixture of postings in two branches: one manual
// operation per branch, nothing left to close on a second run, nothing of the
// run written when a posting is refused, and the form opened in two modes.
#include "COperByHandRecord.h"
#include "CScriptServiceViews.h"
#include "CZakluchView.h"
#include "ClosingRules.h"
#include "ClosingRun.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QImage>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

TEST(ClosingRules, AnnualPostingByAccountAndBalance)
{
    struct Case {
        const char* account;
        double debit, credit;
        bool post;
        bool accountOnDebit;
        double amount;
    } cases[] = {
        {"140101211", 100, 30, true, false, 70},    // 401.01, KOSGU 200 and more: D - K
        {"140101130", 100, 30, true, true, -70},    // below 200: K - D, with its sign
        {"140101130", 30, 30, false, true, 0},
        {"130405000", 10, 50, true, true, 40},      // 304.05: K - D
        {"140102211", 500, 0, true, false, 500},    // any other: D on the account's credit
        {"140102211", 0, 80, true, true, 80},       // else K on its debit
        {"140102211", 0, 0, false, true, 0},
        {"140102211", 0.004, 0, false, true, 0},    // rounds to nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.account << " " << c.debit << "/" << c.credit);
        const CAnnualPosting p = AnnualClosingPosting(c.account, c.debit, c.credit);
        EXPECT_EQ(p.post, c.post);
        if (c.post) {
            EXPECT_EQ(p.accountOnDebit, c.accountOnDebit);
            EXPECT_DOUBLE_EQ(p.amount, c.amount);
        }
    }
}

TEST(ClosingRules, KosguFiltersAndTheClosingList)
{
    EXPECT_EQ(KosguFilter("000", "deb"), CString());
    EXPECT_EQ(KosguFilter("200", "deb"), CString(" and left(deb3,1)='2'"));
    EXPECT_EQ(KosguFilter("900", "kred"), CString(" and left(kred3,1)='9'"));
    EXPECT_EQ(KosguFilter("210", "deb"), CString());
    const std::vector<CClosingEntry> entries = ClosingEntries("040101000:040103000, 040102000:,x:y,030405000:030401000");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].closed, CString("040101000"));
    EXPECT_EQ(entries[0].target, CString("040103000"));
    EXPECT_EQ(entries[1].closed, CString("030405000"));
    EXPECT_EQ(ClosingModeOf(3), CLOSE_500);
    EXPECT_EQ(ClosingModeOf(6), CLOSE_ANNUAL);
    EXPECT_EQ(ClosingModeOf(-1), CLOSE_ANNUAL);
}

class Closings : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_oper_by_hand");
    }
    // One side of a posting: the account and its analytic values.
    struct Side {
        const char* account = "";
        const char* values[3] = {nullptr, nullptr, nullptr};
    };
    static CString SideColumns(const Side& side)
    {
        const CString code = side.account;
        CString text = code.IsEmpty() ? CString("null,null,null,null")
                                      : FormatText("'%c','%s','%s','%s'", code[0], code.Mid(1, 3), code.Mid(4, 2),
                                                   code.Mid(6, 3));
        for (const char* value : side.values)
            text += value ? FormatText(",'%s'", value) : CString(",null");
        return text;
    }
    // One posting of the fixture, dated in the working year.
    void Post(int id, const Side& debit, const Side& credit, const char* amount, int branch,
              const char* dayAndMonth = "15.06")
    {
        Run(FormatText("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,"
                       "kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,kred_sb3,s,fil_id) values (%d,1,%s,%s,%s,%s,%d)",
                       id, ChangeDateUS0(ThisYear(dayAndMonth), 0), SideColumns(debit), SideColumns(credit), amount,
                       branch));
    }
    void Post(int id, const char* debit, const char* credit, const char* amount, int branch,
              const char* debitValue = nullptr)
    {
        Post(id, Side{debit, {debitValue}}, Side{credit}, amount, branch);
    }
    // The postings of the run's operation in a branch, one text a line in their
    // order: "debit(values) credit(values) sum".
    CString ClosingPostings(int branch)
    {
        return Text(FormatText(
            "select group_concat(concat(concat(p.deb0,p.deb1,p.deb2,p.deb3),'(',concat_ws(',',p.deb_sb1,p.deb_sb2,"
            "p.deb_sb3),') ',concat(p.kred0,p.kred1,p.kred2,p.kred3),'(',concat_ws(',',p.kred_sb1,p.kred_sb2,"
            "p.kred_sb3),') ',p.s) order by p.npp separator '; ') as str from ledmark_provodki p "
            "join ledmark_oper_by_hand o on o.id=p.id where o.fil_id=%d",
            branch));
    }
    // The caption of the active form, its document's title.
    CString ActiveTitle() const
    {
        CView* view = Active<CView>();
        CDocument* document = view ? view->GetDocument() : nullptr;
        return document ? document->GetTitle() : CString("(no form)");
    }
    CString Balance(const char* account, int branch)
    {
        return GL_GetOst0(AddDate(ThisYear("31.12"), 0, 0, 1), account, "", "", "", branch, "", nullptr);
    }
    // Runs the form of `mode` on the last day of the year, answering its question.
    void RunForm(int mode, int answer = IDYES, const char* dayAndMonth = "31.12")
    {
        ASSERT_EQ(CHelpers::FN_OpenDocument0("zalkuch", mode, nullptr), 1);
        auto* view = Active<CZakluchView>();
        ASSERT_NE(view, nullptr);
        view->m_date = qwDMG(ThisYear(dayAndMonth), 1);
        view->UpdateData(FALSE);
        afxtest::InteractionScript script;
        script.message(CClosingRun(ClosingModeOf(mode), "").Question().ToQString(), answer);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
    }
};

TEST_F(Closings, AnnualClosingWritesOneOperationPerBranchAndASecondRunNothing)
{
    Post(9001, "120111610", "140101130", "1000", 1);  // income of branch 1
    Post(9002, "140102211", "120111610", "300", 1);   // an expense
    Post(9003, "220111610", "240101180", "500", 2);   // income of branch 2, source 2
    const CString first = GL_NextNumber(COperByHandRecord::kTable, 0);
    RunForm(0);
    EXPECT_EQ(ChildCount(), 0) << "the form closes after the run";
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 2);
    EXPECT_EQ(Text("select concat_ws('|',number,coalesce(s,'-'),prim) as str from ledmark_oper_by_hand "
                   "where fil_id=1"),
              FormatText("%s|-|Заключение счетов текущего отчетного года", first));
    EXPECT_EQ(Text("select cast(number as char) as str from ledmark_oper_by_hand where fil_id=2"),
              FormatText("%ld", atol(first) + 1));
    for (const auto& [npp, posting] : {std::pair{1, "140101130 140103000 1000.00"}, {2, "140103000 140102211 300.00"}})
        EXPECT_EQ(Text(FormatText("select concat_ws(' ',concat(p.deb0,p.deb1,p.deb2,p.deb3),"
                                  "concat(p.kred0,p.kred1,p.kred2,p.kred3),p.s) as str from ledmark_provodki p "
                                  "join ledmark_oper_by_hand o on o.id=p.id where o.fil_id=1 and p.npp=%d",
                                  npp)),
                  CString(posting));
    for (const auto& [account, branch] : {std::pair{"140101130", 1}, {"140102211", 1}, {"240101180", 2}})
        EXPECT_EQ(Balance(account, branch), CString("0.00@0.00@0@0")) << account;

    RunForm(0);
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 2) << "nothing is left to close";
    EXPECT_EQ(Count("select count(*) from ledmark_provodki"), 6);
}

TEST_F(Closings, ARefusedPostingLeavesNothingOfTheRun)
{
    Post(9001, "120111610", "140101130", "1000", 1);
    Post(9003, "220111610", "240101999", "500", 2);  // a KOSGU the chart does not have
    ASSERT_EQ(CHelpers::FN_OpenDocument0("zalkuch", 0, nullptr), 1);
    auto* view = Active<CZakluchView>();
    ASSERT_NE(view, nullptr);
    view->m_date = qwDMG(ThisYear("31.12"), 1);
    view->UpdateData(FALSE);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Закрыть счета ? "), IDYES);
    script.message(QStringLiteral("Филиал 2: проводка Дт 240101000 Кт 240103000 на сумму 500.00 не записана.\n"
                                  "Закрытие не выполнено: ничего не записано."),
                   IDOK);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(ChildCount(), 1) << "the form stays open";
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 0);
    EXPECT_EQ(Count("select count(*) from ledmark_provodki"), 2);
    ASSERT_FALSE(scripts.messages.empty());
    EXPECT_NE(scripts.messages.back().find("Проводка не записана"), std::string::npos) << scripts.messages.back();
    scripts.Clear();
}

TEST_F(Closings, NoToTheQuestionAndAnEmptyYearWriteNothing)
{
    Post(9001, "120111610", "140101130", "1000", 1);
    RunForm(0, IDNO);
    EXPECT_EQ(ChildCount(), 1);
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 0);
    Run("delete from ledmark_provodki");
    const CString first = GL_NextNumber(COperByHandRecord::kTable, 0);
    const long id = ExecuteCount("select last_id as cnt from system_doc_counter where id=1");
    RunForm(0);
    EXPECT_EQ(ChildCount(), 0) << "an empty run closes the form too";
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 0);
    EXPECT_EQ(ExecuteCount("select last_id as cnt from system_doc_counter where id=1"), id + 2)
        << "each branch took an id";
    EXPECT_EQ(GL_NextNumber(COperByHandRecord::kTable, 0), first);
}

// The 106.04 closing: the net debit of a group posted onto 401.01, the
// operation carrying the total; opened in its own mode beside the annual one.
TEST_F(Closings, SpecialClosingOpensInItsOwnForm)
{
    Post(9001, "110604340", "130405000", "1000", 1);
    Post(9002, "140102272", "110604440", "400", 1);
    ASSERT_EQ(CHelpers::FN_OpenDocument0("zalkuch", 0, nullptr), 1);
    ASSERT_NE(Active<CZakluchView>(), nullptr);
    EXPECT_EQ(ActiveTitle(), CString("Заключение счетов"));
    ASSERT_EQ(CHelpers::FN_OpenDocument0("zalkuch", 1, nullptr), 1);
    EXPECT_EQ(ActiveTitle(), CString("Закрытие счета 106.04"));
    RunForm(1);
    EXPECT_EQ(ChildCount(), 1) << "the annual form stays, the special one closed";
    EXPECT_EQ(Text("select concat_ws('|',s,prim) as str from ledmark_oper_by_hand"),
              CString("600.00|Закрытие счета 106.04"));
    EXPECT_EQ(Text("select concat_ws(' ',concat(kred0,kred1,kred2,kred3),s) as str from ledmark_provodki "
                   "where id not in (9001,9002)"),
              CString("110604440 600.00"));
}

// The settlements between 304.04 and 304.05 are reversed group by group, each
// direction apart; the operation carries the reversed amounts.
TEST_F(Closings, SettlementsOf30404AreReversedInBothDirections)
{
    const Side internal{"130404000", {"226000", "1"}}, treasury{"130405000", {"226000"}};
    Post(9001, treasury, internal, "300", 1);
    Post(9002, treasury, internal, "200", 1);
    Post(9003, internal, treasury, "200", 1);
    RunForm(2);
    EXPECT_EQ(Text("select concat_ws('|',s,prim) as str from ledmark_oper_by_hand"),
              CString("700.00|Закрытие счета 304.04"));
    EXPECT_EQ(ClosingPostings(1), CString("130404000(226000,1) 130405000(226000) -200.00; "
                                          "130405000(226000) 130404000(226000,1) -500.00"));
    RunForm(2);
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 1) << "nothing is left to reverse";
}

// The year's turnovers of the accounts from 500 up, each side against the
// closing account of its source, up to the operation date only.
TEST_F(Closings, TurnoversOfThe500AccountsAreClosedUpToTheDate)
{
    const Side allocations{"150303226", {"226000"}}, estimates{"150410226", {"226000"}};
    Post(9001, allocations, estimates, "50", 1);
    Post(9002, estimates, allocations, "20", 1);
    Post(9003, allocations, Side{"130405000", {"226000"}}, "10", 1);
    Post(9004, allocations, estimates, "1000", 1, "15.12");  // after the operation date
    RunForm(3, IDYES, "30.11");
    EXPECT_EQ(Text("select concat_ws('|',s,prim) as str from ledmark_oper_by_hand"),
              CString("10.00|Закрытие 500-х счетов"));
    EXPECT_EQ(ClosingPostings(1), CString("150303226(226000) 100000000() -60.00; 100000000() 150303226(226000) -20.00; "
                                          "150410226(226000) 100000000() -20.00; 100000000() 150410226(226000) -50.00"));
    RunForm(3, IDYES, "30.11");
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 1) << "the turnovers are closed";
}

// A debit balance of 302 (paid beyond what was accepted) moves onto 206 with
// its analytic values; a credit balance stays.
TEST_F(Closings, DebitBalancesOf302MoveOnto206)
{
    const Side paid{"130226830", {"1", "226000", "1"}}, accepted{"130226730", {"1", "226000", "1"}};
    Post(9001, paid, Side{"130405000", {"226000"}}, "800", 1);
    Post(9002, Side{"140102226"}, accepted, "300", 1);
    Post(9003, Side{"140102226"}, Side{"130226730", {"2", "226000", "3"}}, "400", 1);
    RunForm(4);
    EXPECT_EQ(Text("select concat_ws('|',s,prim) as str from ledmark_oper_by_hand"),
              CString("500.00|Закрытие счета 302 на 206"));
    EXPECT_EQ(ClosingPostings(1), CString("120626560(1,226000,1) 130226730(1,226000,1) 500.00"));
    RunForm(4);
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 1) << "nothing is left to move";
}

// A balance of 206 moves onto 302: the values of the advance where 302 keeps the
// same books; an advance kept by counterparty only takes the counterparty's
// contract and the economic code 226000, and a counterparty without a contract
// stops the whole run.
TEST_F(Closings, BalancesOf206MoveOnto302)
{
    Post(9001, Side{"120626560", {"1", "226000", "2"}}, Side{"130405000", {"226000"}}, "300", 1);
    RunForm(5);
    EXPECT_EQ(Text("select concat_ws('|',s,prim) as str from ledmark_oper_by_hand"),
              CString("300.00|Закрытие счета 206 на 302"));
    EXPECT_EQ(ClosingPostings(1), CString("130226830(1,226000,2) 120626660(1,226000,2) 300.00"));
    RunForm(5);
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 1) << "nothing is left to move";

    Run("delete from ledmark_oper_by_hand");
    Run("delete from ledmark_provodki");
    Run("insert ignore into spr_plan_sch (col0,col1,col2,col3,name,sb1,sb2,sb3,tp) values "
        "(0,'206','91','000','Авансы по контрагентам',4,0,0,3),(1,'206','91','560','Авансы',4,0,0,1),"
        "(1,'206','91','660','Авансы',4,0,0,2),(0,'302','91','000','Расчеты по договорам',4,3,5,3),"
        "(1,'302','91','830','Расчеты',4,3,5,1),(1,'302','91','730','Расчеты',4,3,5,2)");
    Run("insert ignore into spr_org (id,name) values (90,'Без договора')");
    Run("insert ignore into spr_contr (id,name,tip,id_tip) values (90,'Без договора',0,90)");
    Post(9001, Side{"120691560", {"3"}}, Side{"130405000", {"226000"}}, "100", 1);
    Post(9002, Side{"120691560", {"90"}}, Side{"130405000", {"226000"}}, "50", 2);
    ASSERT_EQ(CHelpers::FN_OpenDocument0("zalkuch", 5, nullptr), 1);
    auto* view = Active<CZakluchView>();
    ASSERT_NE(view, nullptr);
    view->m_date = qwDMG(ThisYear("31.12"), 1);
    view->UpdateData(FALSE);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Закрыть счет 206? "), IDYES);
    script.message(QStringLiteral("Филиал 2: проводка Дт 130291830 Кт 120691660 на сумму 50.00 не записана.\n"
                                  "Закрытие не выполнено: ничего не записано."),
                   IDOK);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(Count("select count(*) from ledmark_oper_by_hand"), 0);
    scripts.Clear();
    Run("delete from ledmark_provodki where id=9002");
    view->m_date = qwDMG(ThisYear("31.12"), 1);
    view->UpdateData(FALSE);
    script.message(QStringLiteral("Закрыть счет 206? "), IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(ClosingPostings(1), CString("130291830(3,226000,4) 120691660(3) 100.00"));
}

// The forms that run their scripts: the change of source refuses the same code
// twice and codes that do not exist (quotes and backslashes reach the script as
// typed) and stays open; a valid change moves the balances of the giving source
// to the receiving one and closes, a balance kept on one side only leaving
// through the other side's KOSGU. The year closing answered "No" stays.
TEST_F(Closings, ScriptFormsCloseOnlyOnANonZeroAnswer)
{
    Post(9001, "240102211", "240101130", "1000", 1);
    Post(9002, "210604340", "240101130", "500", 1);
    ASSERT_EQ(CHelpers::FN_OpenDocument0("СменаИФ", 0, nullptr), 1);
    auto* view = Active<CSmenaIFView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ActiveTitle(), CString("Смена источника финансирования"));
    view->m_date = qwDMG(ThisYear("31.12"), 1);
    view->UpdateData(FALSE);
    const struct {
        const char* giving;
        const char* receiving;
        const char* message;
    } refused[] = {
        {"2", "2", "Коды отправителя и приемника совпадают"},
        {"2\"\\", "3", "Нет такого кода (источник финансирования): 2\"\\"},
        {"", "3", "Нет такого кода (источник финансирования): "},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.giving);
        view->m_editFrom.SetWindowText(c.giving);
        view->m_editTo.SetWindowText(c.receiving);
        scripts.Clear();
        afxtest::click(view, IDOK);
        Settle();
        EXPECT_EQ(ChildCount(), 1);
        ASSERT_EQ(scripts.messages.size(), 1u);
        EXPECT_EQ(scripts.messages[0], c.message);
    }
    view->m_editFrom.SetWindowText("2");
    view->m_editTo.SetWindowText("3");
    scripts.Clear();
    afxtest::click(view, IDOK);
    Settle();
    EXPECT_EQ(ChildCount(), 0) << (scripts.messages.empty() ? "" : scripts.messages.front());
    EXPECT_EQ(Text("select concat_ws('|',prim,s,fil_id) as str from ledmark_oper_by_hand"),
              CString("Смена источника финансирования|3000.00|1"));
    EXPECT_EQ(Balance("240102211", 1), CString("0.00@0.00@0@0"));
    EXPECT_EQ(Balance("340102211", 1), CString("1000.00@0.00@0@0"));
    EXPECT_EQ(Balance("340101130", 1), CString("0.00@1500.00@0@0"));
    EXPECT_EQ(Balance("310604340", 1), CString("500.00@0.00@0@0"));
    EXPECT_EQ(Balance("210604440", 1), CString("0.00@500.00@0@0"));

    ASSERT_EQ(CHelpers::FN_OpenDocument0("ЗакрытиеГода", 0, nullptr), 1);
    ASSERT_NE(Active<CZakrGodaView>(), nullptr);
    scripts.Clear();
    afxtest::click(Active<CZakrGodaView>(), IDOK);
    Settle();
    EXPECT_EQ(ChildCount(), 1) << "the question was not answered Yes";
    ASSERT_EQ(scripts.messages.size(), 1u);
    EXPECT_EQ(scripts.messages[0].rfind("Закрыть ", 0), 0u) << scripts.messages[0];
    EXPECT_EQ(GetConstant("system_actual_date", 0), CString());
}

// The closing form at its size, as a picture beside the test binary.
TEST_F(Closings, PictureOfTheClosingForm)
{
    ASSERT_EQ(CHelpers::FN_OpenDocument0("zalkuch", 0, nullptr), 1);
    auto* view = Active<CZakluchView>();
    ASSERT_NE(view, nullptr);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 10);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/closing_form.png"));
}

} // namespace
