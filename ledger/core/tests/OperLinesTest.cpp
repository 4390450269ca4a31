// The checks of a manual operation's lines, in their order, against the
// configuration's posting rules: which message each fault gives and which cell
// it names, what the posting script refuses itself, and what passes.
#include "OperByHandLines.h"
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
        {"an account that is not in the chart", {{OPER_DEBIT, "199999999"}, {OPER_CREDIT, "120134610"}, {OPER_SUM, "5"}},
         -2, ""},
        {"a required analytic left at the placeholder",
         {{OPER_DEBIT, "120134510"}, {OPER_CREDIT, "120111610"}, {OPER_KRED_SB1, "<...>"}, {OPER_SUM, "5"}}, -2, ""},
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
        } else {
            EXPECT_FALSE(passed);
            EXPECT_EQ(fault.row, 2);
            EXPECT_EQ(fault.message, CString(c.message));
            if (c.column >= 0)
                EXPECT_EQ(fault.column, c.column) << (scripts.messages.empty() ? "" : scripts.messages.front());
            else
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

} // namespace
