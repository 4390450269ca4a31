// The balance a material or asset row is read from: the whole analytic
// account of the row's account, up to the end of the document's day (the
// day's own postings counted), and no balance at all when it cannot be read.
#include "AccountBalance.h"
#include "tests/LedgerDatabase.h"

namespace {

using namespace nledmark;

class AccountBalance : public ledmark_test::LedgerDatabase {
protected:
    void SetUp() override
    {
        LedgerDatabase::SetUp();
        // Item 3 of person 4: 10 received on 10.03 for 500, 4 issued on 20.03 for 200.
        ASSERT_EQ(GL_InsertProvodka(1, 1, "10.03.2024", "110536340", "3", "4", "", "130234730", "1", "340000", "2",
                                    "500", "10", "", "", "", 1, 0), 1);
        ASSERT_EQ(GL_InsertProvodka(2, 1, "20.03.2024", "140101272", "340000", "3", "", "110536440", "3", "4", "", "200",
                                    "4", "", "", "", 1, 0), 1);
    }
};

TEST_F(AccountBalance, TheWholeAnalyticAccountUpToTheEndOfTheDay)
{
    struct Case {
        const char* date;
        const char* account;
        const char* document;
        bool read;
        double sum, quantity;
    } cases[] = {
        {"19.03.2024", "110536340", nullptr, true, 500, 10},
        {"20.03.2024", "110536340", nullptr, true, 300, 6},   // the day's own issue counts
        {"20.03.2024", "110536440", nullptr, true, 300, 6},   // any KOSGU code of the account
        {"20.03.2024", "110536340", "2", true, 500, 10},      // without that document's postings
        {"09.03.2024", "110536340", nullptr, true, 0, 0},
        {"31.02.2024", "110536340", nullptr, false, 0, 0},
        {"20.03.2024", "11053", nullptr, false, 0, 0},
    };
    for (const Case& c : cases) {
        LedgerBalance balance{1, 1, 1, 1};
        EXPECT_EQ(ReadAccountBalance(c.date, c.account, "3", "4", nullptr, -2, nullptr, c.document, balance), c.read)
            << c.date << " " << c.account;
        EXPECT_DOUBLE_EQ(balance.Sum(), c.sum) << c.date << " " << c.account;
        EXPECT_DOUBLE_EQ(balance.Quantity(), c.quantity) << c.date << " " << c.account;
    }
    EXPECT_EQ(BalanceAccount("110536340"), CString("110536000"));
    EXPECT_EQ(BalanceUnread("110536000", "3"),
              CString("Не удалось прочитать остаток по счету 110536000 (3): документ не может быть записан"));
}

} // namespace
