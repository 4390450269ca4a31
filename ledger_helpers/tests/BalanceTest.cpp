// Balances and turnovers over a small set of postings whose figures are
// worked out by hand below (all of 2024, working year 2024):
//
//   id npp date   debit (values)           credit (values)              sum    qty branch kbk d/k
//   1  1  10.01  1 201 34 510             1 201 11 610 (ЛС 1)           1000        1     1/1
//   2  1  15.01  1 208 12 560 (тн 1, 226000) 1 201 34 610               300        1
//   3  1  20.01  1 401 02 226             1 208 12 660 (тн 1, 226000)   250        1
//   4  1  25.01  1 201 34 510             1 208 12 660 (тн 1, 226000)    50        1
//   5  1  05.02  2 201 34 510             2 201 11 610 (ЛС 2)            500        2
//   6  1  10.02  1 105 36 340 (мат 2, тн 1) 1 302 34 730 (контр 1, 340000, дог 2) 450  10  1
//   7  1  12.02  1 302 34 830 (контр 1, 340000, дог 2) 1 201 11 610 (ЛС 1) 450       1
#include "LedgerDatabase.h"
#include "ledmark.h"

namespace {

class Balances : public ledmark_test::LedgerDatabase {
protected:
    void SetUp() override
    {
        LedgerDatabase::SetUp();
        struct Line {
            unsigned id;
            const char *date, *debit, *d1, *d2, *d3, *credit, *k1, *k2, *k3, *sum, *qty;
            int branch;
            const char *kbkDebit, *kbkCredit;
        } lines[] = {
            {1, "10.01.2024", "120134510", "", "", "", "120111610", "1", "", "", "1000", "", 1, "1", "1"},
            {2, "15.01.2024", "120812560", "1", "226000", "", "120134610", "", "", "", "300", "", 1, "", ""},
            {3, "20.01.2024", "140102226", "", "", "", "120812660", "1", "226000", "", "250", "", 1, "", ""},
            {4, "25.01.2024", "120134510", "", "", "", "120812660", "1", "226000", "", "50", "", 1, "", ""},
            {5, "05.02.2024", "220134510", "", "", "", "220111610", "2", "", "", "500", "", 2, "", ""},
            {6, "10.02.2024", "110536340", "2", "1", "", "130234730", "1", "340000", "2", "450", "10", 1, "", ""},
            {7, "12.02.2024", "130234830", "1", "340000", "2", "120111610", "1", "", "", "450", "", 1, "", ""},
        };
        for (const Line& l : lines)
            ASSERT_EQ(GL_InsertProvodka(l.id, 1, l.date, l.debit, l.d1, l.d2, l.d3, l.credit, l.k1, l.k2, l.k3, l.sum,
                                        l.qty, "", l.kbkDebit, l.kbkCredit, l.branch, 0), 1)
                << l.id << " " << (scripts.messages.empty() ? "" : scripts.messages.back());
    }
};

struct BalanceCase {
    const char* date;
    const char* account;
    const char* value1;
    int branch;
    const char* kbk;
    const char* document;
    const char* expected;
};

TEST_F(Balances, BalanceAtTheStartOfADay)
{
    const BalanceCase cases[] = {
        // cash of the budget: 1000 - 300 + 50
        {"01.02.2024", "120134000", "", -2, "", "", "750.00@0.00@0@0"},
        {"25.01.2024", "120134000", "", -2, "", "", "700.00@0.00@0@0"}, // the 25th itself not yet counted
        {"10.01.2024", "120134000", "", -2, "", "", "0.00@0.00@0@0"},
        {"01.03.2024", "020134000", "", -2, "", "", "1250.00@0.00@0@0"}, // source 0: every source
        {"01.03.2024", "020100000", "", -2, "", "", "0.00@700.00@0@0"},  // whole 201: cash 1250, bank -1950
        {"01.03.2024", "020134000", "", 2, "", "", "500.00@0.00@0@0"},   // branch 2 only
        {"01.03.2024", "020134000", "", 1, "", "", "750.00@0.00@0@0"},
        {"01.03.2024", "120111000", "", -2, "", "", "0.00@1450.00@0@0"}, // a credit balance on its own side
        {"01.03.2024", "120111000", "1", -2, "", "", "0.00@1450.00@0@0"},
        {"01.03.2024", "120111000", "2", -2, "", "", "0.00@0.00@0@0"},
        {"20.01.2024", "020800000", "1", -2, "", "", "300.00@0.00@0@0"}, // the advance of the employee
        {"01.02.2024", "020800000", "1", -2, "", "", "0.00@0.00@0@0"},
        {"01.03.2024", "110536000", "2", -2, "", "", "450.00@0.00@10@0"}, // stock with its quantity
        {"01.03.2024", "130234000", "1", -2, "", "", "0.00@0.00@0@10"}, // the posting's quantity on both sides
        {"01.02.2024", "120134000", "", -2, "1", "", "1000.00@0.00@0@0"}, // KBK on the account's side
        {"01.02.2024", "120134000", "", -2, "", "1", "0.00@250.00@0@0"},  // leaving out document 1
    };
    for (const BalanceCase& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.account + " " + c.value1 + " " + std::to_string(c.branch) + " "
                     + c.kbk + " " + c.document);
        EXPECT_EQ(GL_GetOst0(c.date, c.account, c.value1, "", "", c.branch, c.kbk, c.document), CString(c.expected));
    }
    EXPECT_DOUBLE_EQ(GL_GetOst("01.03.2024", "120111000", "", "", "", -2, "", ""), -1450.0);
    EXPECT_DOUBLE_EQ(GL_GetOstEx("01.03.2024", "020134000", "", "", "", "1,2", "", ""), 1250.0);
    EXPECT_EQ(GL_GetOstEx0("01.03.2024", "020134000", "", "", "", "2", "", ""), CString("500.00@0.00@0@0"));
}

TEST_F(Balances, TurnoversOfAPeriod)
{
    struct Case {
        const char *from, *to, *account, *value1, *correspondent;
        int branch;
        const char* expected;
    } cases[] = {
        {"01.01.2024", "31.01.2024", "120134000", "", "", -2, "1050.00@300.00"},
        {"10.01.2024", "10.01.2024", "120134000", "", "", -2, "1000.00@0.00"}, // both days included
        {"11.01.2024", "31.01.2024", "120134000", "", "", -2, "50.00@300.00"},
        {"01.01.2024", "31.01.2024", "120134000", "", "120111000", -2, "1000.00@0.00"}, // in correspondence
        {"01.01.2024", "31.01.2024", "120134000", "", "020800000", -2, "50.00@300.00"},
        {"01.01.2024", "31.03.2024", "020134000", "", "", 2, "500.00@0.00"},
        {"01.01.2024", "31.03.2024", "130234000", "1", "", -2, "450.00@450.00"},
        {"01.02.2024", "29.02.2024", "120134000", "", "", -2, "0.00@0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + "-" + c.to + " " + c.account + " " + c.correspondent);
        EXPECT_EQ(GL_GetOborot(c.from, c.to, c.account, c.value1, "", "", c.correspondent, c.branch, "", ""),
                  CString(c.expected));
    }
    EXPECT_EQ(GL_GetOborotEx("01.01.2024", "31.03.2024", "020134000", "", "", "", "", "1,2", "", ""),
              CString("1550.00@300.00"));
    // The KBK "null" takes the postings without a KBK on the account's side.
    const std::pair<const char*, const char*> kbks[] = {
        {"null", "50.00@300.00"}, {"1", "1000.00@0.00"}, {"1,2", "1000.00@0.00"}, {"", "1050.00@300.00"}};
    for (const auto& [kbk, expected] : kbks)
        EXPECT_EQ(GL_GetOborot("01.01.2024", "31.01.2024", "120134000", "", "", "", "", -2, kbk, ""), CString(expected))
            << kbk;
}

TEST_F(Balances, BadArgumentsFailTheCallInsteadOfGivingFigures)
{
    struct Case {
        const char *date, *account, *branches, *kbk;
    } cases[] = {
        {"01.03.2024", "1201", "", ""},
        {"31.13.2024", "120134000", "", ""},
        {"01.03.2024", "120134000", "1) or (1=1", ""},
        {"01.03.2024", "120134000", "", "5'"},
    };
    for (const Case& c : cases) {
        scripts.Clear();
        EXPECT_EQ(GL_GetOstEx0(c.date, c.account, "", "", "", c.branches, c.kbk, ""), CString()) << c.account;
        EXPECT_EQ(scripts.errors.size(), 1u) << c.account;
    }
    scripts.errors.clear();
    // Analytic values are literals, never SQL.
    EXPECT_EQ(GL_GetOst0("01.03.2024", "120111000", "1' or '1'='1", "", "", -2, "", ""), CString("0.00@0.00@0@0"));
}

TEST_F(Balances, SeveralAnalyticCodesRestrictToThoseCodes)
{
    // Personal accounts 1 (1450 on credit) and 2 (500) of every source.
    const std::pair<const char*, const char*> cases[] = {
        {"1,2", "0.00@1950.00@0@0"}, {" 1 , 2 ", "0.00@1950.00@0@0"}, {"1", "0.00@1450.00@0@0"},
        {"2,7", "0.00@500.00@0@0"},  {"", "0.00@1950.00@0@0"},        {"1','2", "0.00@0.00@0@0"},
    };
    for (const auto& [codes, expected] : cases)
        EXPECT_EQ(GL_GetOstEx0("01.03.2024", "020111000", codes, "", "", "", "", ""), CString(expected)) << codes;
}

} // namespace

// The one reader of a balance answer: four figures, or nothing at all.
TEST(BalanceAnswer, FourFiguresOrNoBalance)
{
    struct Case {
        const char* answer;
        bool read;
        double sum, quantity;
    } cases[] = {
        {"1@2@3@4", true, -1, -1},
        {"750.00@0.00@12.500@0", true, 750, 12.5},
        {"", false, 0, 0},          // a failed evaluation
        {"1@2", false, 0, 0},
        {"a@b@c@d", false, 0, 0},
        {"1@2@3@4@5", false, 0, 0},
        {"1,5@0@0@0", false, 0, 0},
        {"1@@3@4", false, 0, 0},
    };
    for (const Case& c : cases) {
        LedgerBalance balance{9, 9, 9, 9};
        EXPECT_EQ(GL_ReadOst0(c.answer, balance), c.read) << c.answer;
        EXPECT_DOUBLE_EQ(balance.Sum(), c.sum) << c.answer;
        EXPECT_DOUBLE_EQ(balance.Quantity(), c.quantity) << c.answer;
    }
}

TEST_F(Balances, AFailedBalanceIsNoBalance)
{
    LedgerBalance balance;
    EXPECT_TRUE(GL_ReadOst0(GL_GetOst0("01.03.2024", "110536000", "2", "1", "", -2, "", ""), balance));
    EXPECT_DOUBLE_EQ(balance.Sum(), 450);
    EXPECT_DOUBLE_EQ(balance.Quantity(), 10);
    EXPECT_FALSE(GL_ReadOst0(GL_GetOst0("31.13.2024", "110536000", "2", "1", "", -2, "", ""), balance));
    EXPECT_EQ(scripts.errors.size(), 1u);
    scripts.errors.clear();
}
