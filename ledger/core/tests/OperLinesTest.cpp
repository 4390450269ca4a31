// The checks of a manual operation's lines, in their order, against the
// configuration's posting rules: which message each fault gives and which cell
// it names, what the posting script refuses itself (the rules of the period and
// of the side an account is kept on), and what passes. And the posting test of
// the documents that have no such checks of their own.
#include "OperByHandLines.h"
#include "PostingLines.h"
#include "tests/LedgerDatabase.h"

namespace {

using namespace nledmark;
using ledmark_test::LedgerDatabase;

struct LineCase {
    const char* what;
    std::vector<std::pair<int, const char*>> cells; // of the second line; the first is always sound
    int column;             // the cell the fault names; -1 when all pass
    const char* message;    // "" when the posting script refuses and tells the user itself
};

COperLine LineOf(const std::vector<std::pair<int, const char*>>& cells)
{
    COperLine l;
    for (const auto& [column, text] : cells)
        l[column] = text;
    return l;
}

COperLine SoundLine()
{
    return LineOf({{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "120111610"}, {OPER_KRED_SB1, "1"}, {OPER_SUM, "10"}});
}

class OperLines : public LedgerDatabase {};

TEST_F(OperLines, EachFaultNamesItsCellInTheOrderOfTheChecks)
{
    const LineCase cases[] = {
        {"one side on an off-balance account",
         {{OPER_DEBIT, "201700000"}, {OPER_DEB_SB1, "226000"}, {OPER_SUM, "5"}}, -1, ""},
        {"one side on a balance account", {{OPER_DEBIT, "120134510"}, {OPER_SUM, "5"}}, OPER_CREDIT,
         "Укажите счет по кредиту"},
        {"only a credit on a balance account", {{OPER_CREDIT, "120134610"}, {OPER_SUM, "5"}}, OPER_DEBIT,
         "Укажите счет по дебету"},
        {"balance against off-balance",
         {{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "201700000"}, {OPER_KRED_SB1, "226000"}, {OPER_SUM, "5"}},
         OPER_DEBIT, "Корреспондируют забалансовый и не забалансовый счета"},
        {"the same account on both sides", {{OPER_DEBIT, "140102211"}, {OPER_CREDIT, "140102211"}, {OPER_SUM, "5"}},
         OPER_CREDIT, "Одинаковые счета по дебету и кредиту"},
        {"neither account", {{OPER_SUM, "5"}}, OPER_DEBIT, "Укажите счет дебета или кредита"},
        {"a debit that is not in the chart", {{OPER_DEBIT, "199999999"}, {OPER_CREDIT, "120134610"}, {OPER_SUM, "5"}},
         OPER_DEBIT, "Нет такого счета"},
        {"a credit that is not in the chart", {{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "199999999"}, {OPER_SUM, "5"}},
         OPER_CREDIT, "Нет такого счета"},
        {"a required debit analytic left at the placeholder",
         {{OPER_DEBIT, "120812560"}, {OPER_DEB_SB1, "<...>"}, {OPER_DEB_SB1 + 1, "226000"}, {OPER_CREDIT, "120134610"},
          {OPER_SUM, "5"}},
         OPER_DEB_SB1, "Нет такого субконто1 по дебету"},
        {"a second debit analytic left at the placeholder",
         {{OPER_DEBIT, "120812560"}, {OPER_DEB_SB1, "1"}, {OPER_DEB_SB1 + 1, "<...>"}, {OPER_CREDIT, "120134610"},
          {OPER_SUM, "5"}},
         OPER_DEB_SB1 + 1, "Нет такого субконто2 по дебету"},
        {"a required debit analytic left empty",
         {{OPER_DEBIT, "120812560"}, {OPER_DEB_SB1 + 1, "226000"}, {OPER_CREDIT, "120134610"}, {OPER_SUM, "5"}},
         OPER_DEB_SB1, "Укажите субконто1 по дебету"},
        {"a debit analytic value that is not in its book",
         {{OPER_DEBIT, "120812560"}, {OPER_DEB_SB1, "999"}, {OPER_DEB_SB1 + 1, "226000"}, {OPER_CREDIT, "120134610"},
          {OPER_SUM, "5"}},
         OPER_DEB_SB1, "Нет такого субконто1 по дебету"},
        {"a required credit analytic left at the placeholder",
         {{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "120111610"}, {OPER_KRED_SB1, "<...>"}, {OPER_SUM, "5"}},
         OPER_KRED_SB1, "Нет такого субконто1 по кредиту"},
        {"a required credit analytic left empty", {{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "120111610"}, {OPER_SUM, "5"}},
         OPER_KRED_SB1, "Укажите субконто1 по кредиту"},
        {"the third credit analytic left empty",
         {{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "130221730"}, {OPER_KRED_SB1, "1"}, {OPER_KRED_SB1 + 1, "223000"},
          {OPER_SUM, "5"}},
         OPER_KRED_SB1 + 2, "Укажите субконто3 по кредиту"},
        {"an account the posting rules keep on the other side (the script tells why)",
         {{OPER_DEBIT, "120134610"}, {OPER_CREDIT, "120111610"}, {OPER_KRED_SB1, "1"}, {OPER_SUM, "5"}}, -2, ""},
        {"an amount that is no number (the script tells why)",
         {{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "120111610"}, {OPER_KRED_SB1, "1"}, {OPER_SUM, "5 руб"}}, -2, ""},
        {"a quantity account without quantity",
         {{OPER_DEBIT, "210536340"}, {OPER_DEB_SB1, "1"}, {OPER_DEB_SB1 + 1, "1"}, {OPER_CREDIT, "220134610"},
          {OPER_SUM, "5"}},
         OPER_KOL, "Укажите Количество"},
        {"a quantity of 5 with no amount",
         {{OPER_DEBIT, "210536340"}, {OPER_DEB_SB1, "1"}, {OPER_DEB_SB1 + 1, "1"}, {OPER_CREDIT, "220134610"},
          {OPER_KOL, "5"}},
         -1, ""},
        {"accounts with neither quantity nor amount", {{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "120134610"}},
         OPER_SUM, "Укажите Сумму"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<COperLine> lines = {SoundLine(), COperLine(), LineOf(c.cells)};
        COperLineFault fault;
        const BOOL passed = CheckOperLines(lines, "15.03.2024", 1, fault);
        if (c.column == -1) {
            EXPECT_TRUE(passed) << fault.message.GetString();
            EXPECT_TRUE(scripts.messages.empty()) << scripts.messages.front();
        } else {
            EXPECT_FALSE(passed);
            EXPECT_EQ(fault.row, 2);
            EXPECT_EQ(fault.message, CString(c.message));
            if (c.column >= 0) {
                EXPECT_EQ(fault.column, c.column);
                EXPECT_TRUE(scripts.messages.empty()) << "only the view's message: " << scripts.messages.front();
            } else
                EXPECT_FALSE(scripts.messages.empty()) << "the posting script tells why";
        }
        scripts.Clear();
    }
}

TEST_F(OperLines, CellsTheAccountDoesNotUseAreClearedAndEmptyLinesSkipped)
{
    COperLine line = SoundLine();
    line[OPER_DEB_SB1] = "лишнее";
    line[OPER_KOL] = "3";
    std::vector<COperLine> lines = {COperLine(), line};
    COperLineFault fault;
    ASSERT_TRUE(CheckOperLines(lines, "15.03.2024", 1, fault)) << fault.message.GetString();
    EXPECT_EQ(lines[1][OPER_DEB_SB1], CString());
    EXPECT_EQ(lines[1][OPER_KOL], CString());
    EXPECT_EQ(lines[1][OPER_KRED_SB1], CString("1"));
    EXPECT_EQ(PostingsOfOperLines(lines).size(), 1u);
    scripts.Clear();
}

TEST_F(OperLines, OnlyEmptyLinesAskForPostings)
{
    COperLine zeros;
    zeros[OPER_SUM] = "0.00";
    zeros[OPER_PRIM] = "без счетов";
    for (std::vector<COperLine> lines : {std::vector<COperLine>{}, std::vector<COperLine>{COperLine(), zeros}}) {
        COperLineFault fault;
        EXPECT_FALSE(CheckOperLines(lines, "15.03.2024", 1, fault));
        EXPECT_EQ(fault.row, -1);
        EXPECT_EQ(fault.message, CString("Укажите проводки"));
    }
}

// A document without checks of its own for its accounts has them tested with
// its posting before its question: each fault with the code of its field and
// the user told why.
TEST_F(OperLines, ThePostingTestOfOtherDocumentsRefusesUnsoundAccountsAndValues)
{
    struct Case {
        int expected;
        const char* reason; // a piece of what the user is told
        CPostingLine line;
    } cases[] = {
        {0, "", {"120134510", "", "", "", "120111610", "1"}},
        {0, "", {"", "", "", "", "201800000", "226000"}},
        {1, "Неверная дата", {"120134510", "", "", "", "120111610", "1"}},
        {2, "не используется по дебету", {"120134610", "", "", "", "120111610", "1"}},
        {2, "дебета или кредита", {}},
        {2, "по дебету: 120134999", {"120134999", "", "", "", "120111610", "1"}},
        {2, "по дебету: 12\"34", {"12\"34", "", "", "", "120111610", "1"}},
        {3, "Укажите субконто1", {"120812560", "", "226000", "", "120134610"}},
        {3, "Нет значения \"999\"", {"120812560", "999", "226000", "", "120134610"}},
        {4, "субконто2", {"120812560", "1", "<...>", "", "120134610"}},
        {5, "субконто3", {"230221830", "2", "223000", "", "220111610", "2"}},
        {6, "по кредиту: 1201116", {"120134510", "", "", "", "1201116"}},
        {7, "Укажите субконто1", {"120134510", "", "", "", "120111610", ""}},
        {7, "Нет значения \"1' or '1'='1\"", {"120134510", "", "", "", "120111610", "1' or '1'='1"}},
        {7, "Нет значения \"1 шт\"", {"120134510", "", "", "", "120111610", "1 шт"}}, // not read as key 1
        {8, "субконто2", {"120134510", "", "", "", "130221730", "1", "", "2"}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.reason);
        c.line.amount = "10";
        scripts.Clear();
        EXPECT_EQ(TestPosting(c.expected == 1 ? "31.02.2024" : "15.03.2024", c.line, 1), c.expected);
        if (c.expected == 0) {
            EXPECT_TRUE(scripts.messages.empty()) << scripts.messages.front();
            continue;
        }
        ASSERT_EQ(scripts.messages.size(), 1u);
        EXPECT_NE(scripts.messages[0].find(c.reason), std::string::npos) << scripts.messages[0];
    }
    EXPECT_FALSE(TestPostingLines({cases[0].line, cases[5].line}, "15.03.2024", 1));
    EXPECT_TRUE(TestPostingLines({cases[0].line, cases[1].line}, "15.03.2024", 1));
    scripts.Clear();
}

} // namespace
