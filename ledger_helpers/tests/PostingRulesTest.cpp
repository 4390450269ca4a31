// The posting rules of the configuration on the real database: what is written,
// each kind of refusal with its code and reason, closed dates, the statement
// of the batch callers, and the account checks the views lean on.
#include "LedgerDatabase.h"
#include "ledmark.h"

#include <ndbcore.h>

namespace {

using ledmark_test::LedgerDatabase;

// One posting as the views pass it.
struct Posting {
    const char* date = "15.03.2024";
    const char* debit = "120134510";
    const char* d1 = "";
    const char* d2 = "";
    const char* d3 = "";
    const char* credit = "120111610";
    const char* k1 = "1";
    const char* k2 = "";
    const char* k3 = "";
    const char* amount = "1000.50";
    const char* quantity = "";
    const char* kbkDebit = "";
    const char* kbkCredit = "";
    int branch = 1;
    const char* note = "Получено в кассу";

    int Test() const
    {
        return GL_TestProvodka(date, debit, d1, d2, d3, credit, k1, k2, k3, amount, quantity, 1, kbkDebit, kbkCredit,
                               branch);
    }
    int Insert(unsigned id, unsigned npp) const
    {
        return GL_InsertProvodka(id, npp, date, debit, d1, d2, d3, credit, k1, k2, k3, amount, quantity, note, kbkDebit,
                                 kbkCredit, branch, 0);
    }
    CString Statement(unsigned id, unsigned npp) const
    {
        return GL_InsertProvodka0(id, npp, date, debit, d1, d2, d3, credit, k1, k2, k3, amount, quantity, note,
                                  kbkDebit, kbkCredit, branch, 0);
    }
};

class PostingRules : public LedgerDatabase {};

TEST_F(PostingRules, AValidPostingIsWrittenWithTheColumnsTheJournalReads)
{
    Posting p;
    p.debit = "230221830"; // suppliers: counterparty, EKR, contract
    p.d1 = "2";
    p.d2 = "223000";
    p.d3 = "3";
    p.credit = "220111610";
    p.k1 = "2";
    p.kbkDebit = "4";
    p.kbkCredit = "4";
    p.amount = "12345,6"; // a typed decimal comma
    EXPECT_EQ(p.Test(), 0);
    EXPECT_EQ(p.Insert(77, 1), 1);
    EXPECT_EQ(Text("select concat_ws('|',id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kbk_deb,kred0,kred1,"
                   "kred2,kred3,kred_sb1,coalesce(kred_sb2,'-'),coalesce(kred_sb3,'-'),kbk_kred,coalesce(kol,'-'),s,"
                   "prim,fil_id) as str from ledmark_provodki"),
              CString("77|1|2024-03-15|2|302|21|830|2|223000|3|4|2|201|11|610|2|-|-|4|-|12345.60|Получено в кассу|1"));

    // A one-sided posting on an off-balance account; values of dimensions the
    // account does not have are not kept.
    Posting offBalance;
    offBalance.debit = "201700000";
    offBalance.d1 = "226000";
    offBalance.credit = "";
    offBalance.k1 = "ненужное";
    offBalance.note = "";
    EXPECT_EQ(offBalance.Test(), 0);
    EXPECT_EQ(offBalance.Insert(77, 2), 1);
    EXPECT_EQ(Text("select concat_ws('|',deb1,deb_sb1,coalesce(kred0,'-'),coalesce(kred_sb1,'-'),coalesce(prim,'-')) "
                   "as str from ledmark_provodki where npp=2"),
              CString("017|226000|-|-|-"));

    // A credit-only posting: the absent debit side must not hide the credit account.
    Posting creditOnly;
    creditOnly.debit = "";
    creditOnly.credit = "201800000";
    creditOnly.k1 = "226000";
    EXPECT_EQ(creditOnly.Test(), 0);
    EXPECT_EQ(creditOnly.Insert(77, 3), 1);
    EXPECT_EQ(Text("select concat_ws('|',coalesce(deb1,'-'),kred1,kred_sb1) as str from ledmark_provodki where npp=3"),
              CString("-|018|226000"));
    EXPECT_TRUE(scripts.messages.empty());
}

TEST_F(PostingRules, EachKindOfFaultIsRefusedWithTheCodeOfItsField)
{
    struct Case {
        int expected;
        const char* reason; // a piece of what the user is told
        std::function<void(Posting&)> spoil;
    } cases[] = {
        {1, "Неверная дата", [](Posting& p) { p.date = "31.02.2024"; }},
        {1, "Неверная дата", [](Posting& p) { p.date = ""; }},
        {2, "не используется по дебету", [](Posting& p) { p.debit = "120134610"; }},
        {6, "не используется по кредиту", [](Posting& p) { p.credit = "120111510"; }},
        {10, "Количество не число", [](Posting& p) { p.quantity = "5 шт"; }},
        {11, "Сумма не число", [](Posting& p) { p.amount = "сто"; }},
        {12, "КБК по дебету", [](Posting& p) { p.kbkDebit = "999"; }},
        {13, "КБК по кредиту", [](Posting& p) { p.kbkCredit = "1;drop table spr_kbk"; }},
        {14, "филиала", [](Posting& p) { p.branch = 9; }},
    };
    for (const Case& c : cases) {
        Posting p;
        c.spoil(p);
        scripts.Clear();
        EXPECT_EQ(p.Test(), c.expected) << c.reason;
        ASSERT_EQ(scripts.messages.size(), 1u) << c.reason;
        EXPECT_NE(scripts.messages[0].find(c.reason), std::string::npos) << scripts.messages[0];
    }
    EXPECT_EQ(Count("select count(*) from spr_kbk"), 6);
    EXPECT_EQ(Count("select count(*) from ledmark_provodki"), 0);
}

TEST_F(PostingRules, AClosedDateIsRefusedByEveryCheckAndByTheWrite)
{
    Run("insert into system_const (name, val) values ('system_actual_date', '31.12.2023')");
    Posting closed;
    closed.date = "31.12.2023";
    EXPECT_EQ(GL_Verify_Date0("31.12.2023"), 0);
    EXPECT_EQ(GL_Verify_Date("31.12.2023", 1), 0);
    EXPECT_EQ(closed.Test(), 1);
    EXPECT_EQ(closed.Insert(5, 1), 0);
    EXPECT_EQ(closed.Statement(5, 1), CString());
    ASSERT_EQ(scripts.messages.size(), 5u);
    for (const std::string& message : scripts.messages)
        EXPECT_NE(message.find("Период по 31.12.2023 закрыт"), std::string::npos) << message;
    EXPECT_EQ(Count("select count(*) from ledmark_provodki"), 0);

    scripts.Clear();
    EXPECT_EQ(GL_Verify_Date0("01.01.2024"), 1);
    EXPECT_EQ(GL_Verify_Date("01.01.2024", 1), 1);
    EXPECT_EQ(GL_Verify_Date0("01.01.2025"), 1);   // a stored document of another year
    EXPECT_EQ(GL_Verify_Date("01.01.2025", 0), 1);
    EXPECT_TRUE(scripts.messages.empty());
    EXPECT_EQ(GL_Verify_Date("01.01.2025", 1), 0); // a new date outside the working year
    EXPECT_EQ(GL_Verify_Date0("32.01.2024"), 0);
    ASSERT_EQ(scripts.messages.size(), 2u);
    EXPECT_EQ(scripts.messages[0], "Дата 01.01.2025 не входит в рабочий год 2024");
    EXPECT_EQ(scripts.messages[1], "Неверная дата: 32.01.2024");
}

// The test keeps to the posting rules and leaves to the documents what they
// check with their own messages, in their own order: sides left empty, accounts
// the chart does not have, analytic values. The write still refuses whatever
// would leave an unsound posting.
TEST_F(PostingRules, TheTestLeavesAccountsAndAnalyticValuesToTheDocumentsTheWriteRefusesThem)
{
    struct Case {
        const char* what;
        const char* reason; // of the write's refusal; null when the write takes it
        std::function<void(Posting&)> spoil;
    } cases[] = {
        {"no account at all", "дебета или кредита", [](Posting& p) { p.debit = ""; p.credit = ""; }},
        {"a debit the chart lacks", "Нет такого счета по дебету: 120134999", [](Posting& p) { p.debit = "120134999"; }},
        {"source 0", "по дебету: 020134510", [](Posting& p) { p.debit = "020134510"; }},
        {"a quote in the code", "по дебету: 12\"34", [](Posting& p) { p.debit = "12\"34"; }},
        {"a credit cut short", "по кредиту: 1201116", [](Posting& p) { p.credit = "1201116"; }},
        {"a debit analytic left empty", "Не указано субконто1 счета дебета",
         [](Posting& p) { p.debit = "120812560"; p.d2 = "226000"; }},
        {"a debit analytic at the placeholder", "Не указано субконто2",
         [](Posting& p) { p.debit = "120812560"; p.d1 = "1"; p.d2 = "<...>"; }},
        {"the third debit analytic left empty", "Не указано субконто3",
         [](Posting& p) { p.debit = "230221830"; p.d1 = "2"; p.d2 = "223000"; }},
        {"a credit analytic at the placeholder", "Не указано субконто1 счета кредита", [](Posting& p) { p.k1 = "<...>"; }},
        {"a credit analytic left empty", "Не указано субконто2",
         [](Posting& p) { p.credit = "130221730"; p.k1 = "1"; p.k3 = "2"; }},
        {"a value not in its book", nullptr, [](Posting& p) { p.k1 = "999"; }},
    };
    unsigned npp = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Posting p;
        c.spoil(p);
        scripts.Clear();
        EXPECT_EQ(p.Test(), 0);
        EXPECT_TRUE(scripts.messages.empty()) << scripts.messages.front();
        if (!c.reason) {
            EXPECT_EQ(p.Insert(3, ++npp), 1);
            continue;
        }
        EXPECT_EQ(p.Insert(3, ++npp), 0);
        EXPECT_EQ(p.Statement(3, npp), CString());
        ASSERT_EQ(scripts.messages.size(), 2u);
        EXPECT_NE(scripts.messages[0].find(c.reason), std::string::npos) << scripts.messages[0];
    }
    EXPECT_EQ(Count("select count(*) from ledmark_provodki where kred_sb1='999'"), 1);
    Run("delete from ledmark_provodki");

    struct Refused {
        const char* reason;
        unsigned id;
        std::function<void(Posting&)> spoil;
    } refused[] = {
        {"без номера документа", 0, [](Posting&) {}},
        {"должны быть числами", 3, [](Posting& p) { p.amount = "1e"; }},
        {"Неверный КБК", 3, [](Posting& p) { p.kbkCredit = "x"; }},
    };
    for (const Refused& c : refused) {
        Posting p;
        c.spoil(p);
        scripts.Clear();
        EXPECT_EQ(p.Insert(c.id, 1), 0) << c.reason;
        EXPECT_EQ(p.Statement(c.id, 1), CString()) << c.reason;
        ASSERT_EQ(scripts.messages.size(), 2u) << c.reason;
        EXPECT_NE(scripts.messages[0].find(c.reason), std::string::npos) << scripts.messages[0];
    }
    EXPECT_EQ(Count("select count(*) from ledmark_provodki"), 0);
}

TEST_F(PostingRules, TheBatchStatementKeepsAnyNoteIntact)
{
    Posting p;
    const char* note = "Кавычки ' \" и \\ обратная черта;\nвторая строка ]]";
    p.note = note;
    CString statement = p.Statement(12, 3);
    ASSERT_FALSE(statement.IsEmpty());
    EXPECT_EQ(Count("select count(*) from ledmark_provodki"), 0);
    Run(statement + "\n" + statement.Left(statement.Find("(12,3")) + "(12,4" + statement.Mid(statement.Find("(12,3") + 5));
    EXPECT_EQ(Count("select count(*) from ledmark_provodki where id=12"), 2);
    EXPECT_EQ(Text("select prim as str from ledmark_provodki where npp=3"), CString(note));
}

TEST_F(PostingRules, AccountChecksAndDimensions)
{
    struct ValidCase {
        const char* account;
        int shortForm, side, expected;
    } valid[] = {
        {"230405000", 0, -1, 1}, {"120134510", 0, 1, 1}, {"120134510", 0, 2, 0}, {"120134610", 0, 2, 1},
        {"230405001", 0, -1, 0}, {"030405000", 0, -1, 0}, {"304.05.2", 0, -1, 1}, {"304", 1, -1, 1},
        {"304", 0, -1, 0},       {"999", 1, -1, 0},       {"", 0, -1, 0},        {"2304050'0", 0, -1, 0},
        {"201700000", 0, -1, 1},
    };
    for (const ValidCase& c : valid)
        EXPECT_EQ(GL_Valid_Sch(c.account, c.shortForm, c.side), c.expected) << c.account << " " << c.side;

    struct SbCase {
        const char* account;
        short n;
        int expected;
    } sb[] = {
        {"230221730", 1, 4}, {"230221730", 2, 3}, {"230221730", 3, 5}, {"120812560", 1, 11}, {"020800000", 1, 11},
        {"120134510", 1, 0}, {"150201226", 2, 5}, {"150201226", 3, 8}, {"230221730", 4, 0}, {"abc", 1, 0},
    };
    for (const SbCase& c : sb)
        EXPECT_EQ(GL_Get_SB(c.account, c.n), c.expected) << c.account << " " << c.n;

    EXPECT_EQ(GL_IsZab("201700000"), 1);
    EXPECT_EQ(GL_IsZab("17"), 1);
    EXPECT_EQ(GL_IsZab("120134510"), 0);
    EXPECT_EQ(GL_Should_Have_Kol("110536340"), 1);
    EXPECT_EQ(GL_Should_Have_Kol("120134510"), 0);

    EXPECT_EQ(GL_TestSch("230221730", "2", "223000", "3", 1, -1), 0);
    EXPECT_EQ(GL_TestSch("230221731", "2", "223000", "3", 1, -1), 1);
    EXPECT_EQ(GL_TestSch("230221730", "2", "", "3", 1, -1), 3);
    EXPECT_EQ(GL_TestSch("230221730", "2", "223000", "77", 1, -1), 4);
    EXPECT_EQ(GL_TestSch("230221730", "2", "223000", "3", 1, 1), 1); // 730 is a credit KOSGU
    EXPECT_EQ(scripts.messages.size(), 4u);
}

TEST_F(PostingRules, ShortFormsNamesAndPrintedForms)
{
    struct Case {
        const char* typed;
        const char* debit;
        const char* credit;
    } cases[] = {
        {"120134", "120134510", "120134610"}, {"230221", "230221830", "230221730"}, {"230405", "230405000", "230405000"},
        {"304.05.2", "230405000", "230405000"}, {"120134510", "120134510", "120134510"}, {"17", "17", "17"},
        {"", "", ""}, {"999999", "999999", "999999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GL_GetFullSchDeb(c.typed), CString(c.debit)) << c.typed;
        EXPECT_EQ(GL_GetFullSchKred(c.typed), CString(c.credit)) << c.typed;
    }
    EXPECT_EQ(GetSchName("120134510"), CString("Поступление денежных средств"));
    EXPECT_EQ(GetSchName("020800000"), CString("Расчеты с подотчетными лицами"));
    EXPECT_EQ(GL_Get_AP("230221730"), CString("П"));
    EXPECT_EQ(GL_Printable("230405000"), CString("2 304 05 000"));
    EXPECT_EQ(GL_Printable("201700000"), CString("17"));
    EXPECT_EQ(GL_Printable0("230405000", "3", 0), CString("07507010100000590130 2 304 05 000"));
    EXPECT_EQ(GL_Printable0("230405000", "", 0), CString("2 304 05 000"));
    CString s("2"), syn("304"), an("5"), ko("");
    EXPECT_EQ(GL_Get_SCH(s, syn, an, ko), CString("230405000"));
    EXPECT_EQ(GetDefSO("120134510", "120111610"), CString("Получены наличные денежные средства в кассу с лицевого счета"));
    EXPECT_EQ(GetDefSO("230221830", "120812660"), CString("Погашена задолженность перед поставщиком подотчетным лицом"));
    EXPECT_EQ(GetDefSO("230405000", "120134610"), CString());
    EXPECT_EQ(GetZaklSch(), CString("040101000:040103000,040102000:040103000"));
    EXPECT_EQ(GL_JRN_GetNumber("230221830", "120111610", ""), CString("2"));
    EXPECT_EQ(GL_JRN_GetNumber("120812560", "230405000", ""), CString("8"));
    EXPECT_EQ(GL_JRN_GetNumber("120812560", "150103226", ""), CString("3")); // no journal holds the credit
}

TEST_F(PostingRules, NextNumberCountsTheDocumentsOfTheWorkingYear)
{
    Run("create table if not exists ledmark_test_docs (number varchar(20), d date)\n"
        "delete from ledmark_test_docs\n"
        "insert into ledmark_test_docs values ('7', '2024-02-01'), ('12а', '2024-05-01'), ('99', '2023-12-31'), "
        "('без номера', '2024-06-01')");
    EXPECT_EQ(GL_NextNumber("ledmark_test_docs", 0), CString("13"));
    EXPECT_EQ(GL_NextNumber("ledmark_test_docs", 1), CString("13"));
    g_lYear = 2025;
    EXPECT_EQ(GL_NextNumber("ledmark_test_docs", 0), CString("1"));
    EXPECT_EQ(GL_NextNumber("ledmark_test_docs; drop table tn", 0), CString());
    EXPECT_EQ(scripts.errors.size(), 1u);
    scripts.errors.clear();
}

} // namespace
