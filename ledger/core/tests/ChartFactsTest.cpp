// What the chart says of a document's accounts, read ahead for all of them at
// once, against what it says of each account asked on its own; and the posting
// test after such a read.
#include "CChartFacts.h"
#include "PostingLines.h"
#include "ScriptReadCache.h"
#include "ledmark.h"
#include "tests/LedgerDatabase.h"

#include <ndbcore.h>

namespace {

using namespace nledmark;
using ledmark_test::LedgerDatabase;

// The chart's table under another name while it lives: every read of the
// chart that reaches the server fails.
class ChartAway {
public:
    ChartAway() { away_ = ExecuteSql("rename table spr_plan_sch to spr_plan_sch_away") != 0; }
    ~ChartAway()
    {
        if (away_)
            ExecuteSql("rename table spr_plan_sch_away to spr_plan_sch");
    }
    bool IsAway() const { return away_; }

private:
    bool away_ = false;
};

class ChartFacts : public LedgerDatabase {
protected:
    // The SELECT statements this session has sent so far (the query that asks
    // counts itself: compare two of these).
    long long Selects()
    {
        return Count("select variable_value as cnt from information_schema.session_status "
                     "where variable_name='COM_SELECT'");
    }
};

bool Same(const CChartFacts::Account& a, const CChartFacts::Account& b)
{
    return a.zab == b.zab && a.valid == b.valid && a.kol == b.kol && a.book[0] == b.book[0]
           && a.book[1] == b.book[1] && a.book[2] == b.book[2];
}

TEST_F(ChartFacts, ReadAheadGivesEachAccountTheFactsOfItsOwnRead)
{
    // Accounts as the lines of documents name them: full codes of every kind
    // the chart keeps, the point form, short off-balance codes, codes with no
    // row of their own and texts that are no account at all.
    const std::vector<CString> accounts = {
        "120134510",  // a balance account without analytic books
        "120111610",  // a book on dimension 1
        "210536340",  // kept in quantities, with books
        "110136310",  // three books
        "110502340",  // a debit-side account
        "130404000",  // KOSGU 000
        "003",        // off-balance, short code, in quantities
        "17",         // off-balance, short code with a book
        "201700000",  // off-balance under a source
        "304.05.2",   // the point form
        "199999999",  // not in the chart
        "230499000",  // an analytic account the chart lacks
        "abc",        // no account
        "12'3",       // no account, with a quote
        "000000000",  // source 0, no such synthetic account
        "120111610",  // named twice
        "",           // a side left empty
    };
    std::vector<CChartFacts::Account> alone;
    {
        CChartFacts chart;  // no read cache: each account is asked on its own
        for (const CString& account : accounts)
            alone.push_back(chart.Of(account));
    }
    // The table holds what it is meant to: valid and invalid accounts,
    // off-balance ones, some in quantities, some with books.
    int valid = 0, zab = 0, kol = 0, books = 0;
    for (const CChartFacts::Account& a : alone) {
        valid += a.valid;
        zab += a.zab;
        kol += a.kol;
        books += a.book[0] != 0 || a.book[1] != 0 || a.book[2] != 0;
    }
    EXPECT_TRUE(valid > 2 && valid < (int)alone.size() - 4 && zab > 1 && kol > 1 && books > 3)
        << valid << " " << zab << " " << kol << " " << books;

    appcore::CScriptReadCache reads;
    CChartFacts chart;
    scripts.Clear();
    chart.LookUpAccounts(accounts);
    EXPECT_EQ(scripts.calls.size(), 1u) << "one script call for all accounts";
    ChartAway away;
    ASSERT_TRUE(away.IsAway());
    for (size_t i = 0; i < accounts.size(); ++i) {
        SCOPED_TRACE(accounts[i].GetString());
        EXPECT_TRUE(Same(chart.Of(accounts[i]), alone[i]));
    }
    EXPECT_EQ(scripts.calls.size(), 1u) << "the facts were read ahead";
}

TEST_F(ChartFacts, TheAccountsOfADocumentAreReadInOneQueryThePostingTestFindsThem)
{
    // Full codes with rows of their own: read one by one, each is a query.
    const std::vector<CString> accounts = {"120134510", "120111610", "210536340", "110136310",
                                           "220134610", "120134610", "130404000"};
    appcore::CScriptReadCache reads;
    CChartFacts chart;
    const long long before = Selects();
    chart.LookUpAccounts(accounts);
    EXPECT_EQ(Selects() - before, 2) << "the read ahead and the count";
    for (const CString& account : accounts)
        EXPECT_TRUE(chart.Of(account).valid) << account.GetString();

    ChartAway away;
    ASSERT_TRUE(away.IsAway());
    EXPECT_EQ(GL_TestProvodka("15.03.2024", "120134510", "", "", "", "120111610", "1", "", "", "10", "", 1, "", "",
                              1),
              0);
    EXPECT_EQ(GL_TestProvodka("15.03.2024", "120134510", "", "", "", "220134610", "", "", "", "10", "", 1, "", "",
                              1),
              0);
    EXPECT_TRUE(dbReports.reports().empty());
}

// The analytic values of a document's lines, in the books of several
// accounts and dimensions, are looked up in one query; each answers as when
// asked on its own.
TEST_F(ChartFacts, TheValuesOfADocumentAreReadInOneQueryAndAnswerAsAlone)
{
    const std::vector<CChartFacts::ValueAsk> asks = {
        {"120111610", 1, "1"},      {"120111610", 1, "999999"}, {"210536340", 1, "1"},
        {"210536340", 2, "1"},      {"110136310", 1, "1"},      {"110136310", 2, "1"},
        {"110136310", 3, "1"},      {"110136310", 3, "x'y"},    {"210536340", 2, "2"},
        {"120134510", 1, "1"},  // an account without books
    };
    std::vector<bool> alone;
    {
        CChartFacts chart;
        for (const CChartFacts::ValueAsk& ask : asks)
            alone.push_back(chart.ValueExists(ask.account, ask.k, ask.value));
    }
    EXPECT_NE(std::count(alone.begin(), alone.end(), true), 0);
    EXPECT_NE(std::count(alone.begin(), alone.end(), false), 0);

    appcore::CScriptReadCache reads;
    CChartFacts chart;
    std::vector<CString> accounts;
    for (const CChartFacts::ValueAsk& ask : asks)
        accounts.push_back(ask.account);
    chart.LookUpAccounts(accounts);
    const long long before = Selects();
    chart.LookUpValues(asks);
    const long long after = Selects();
    EXPECT_EQ(after - before, 2) << "the values' query and the count";
    for (size_t i = 0; i < asks.size(); ++i) {
        SCOPED_TRACE(FormatText("%s %d %s", asks[i].account, asks[i].k, asks[i].value).GetString());
        EXPECT_EQ(chart.ValueExists(asks[i].account, asks[i].k, asks[i].value), alone[i]);
    }
    EXPECT_EQ(Selects() - after, 1) << "every value was read ahead: only the count";
}

TEST_F(ChartFacts, AnAccountMissingFromTheChartIsRefusedAsWhenReadAlone)
{
    // Postings refused for their accounts: by the posting rules (the side an
    // account is kept on) or by the test of the accounts a document without
    // checks of its own asks (accounts the chart lacks). Each must be refused
    // with the same field and message after the chart was read ahead as when
    // its accounts are read on their own.
    struct Case {
        const char* what;
        CPostingLine line;
        int field;
    };
    const auto line = [](const char* debit, const char* credit, const char* credit1) {
        CPostingLine l;
        l.debit = debit;
        l.credit = credit;
        l.credit1 = credit1;
        l.amount = "5";
        return l;
    };
    const std::vector<Case> cases = {
        {"a debit account the chart lacks", line("199999999", "120134610", ""), 2},
        {"a credit account the chart lacks", line("120134510", "230499000", ""), 6},
        {"a credit account kept on the debit", line("120134610", "120111610", "1"), 2},
    };
    std::vector<std::vector<std::string>> told;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scripts.Clear();
        EXPECT_EQ(TestPosting("15.03.2024", c.line, 1), c.field);
        told.push_back(scripts.messages);
        EXPECT_FALSE(told.back().empty());
    }
    scripts.Clear();

    appcore::CScriptReadCache reads;
    CChartFacts chart;
    std::vector<CString> accounts;
    for (const Case& c : cases) {
        accounts.push_back(c.line.debit);
        accounts.push_back(c.line.credit);
    }
    chart.LookUpAccounts(accounts);
    ChartAway away;
    ASSERT_TRUE(away.IsAway());
    EXPECT_FALSE(chart.Of("199999999").valid);
    EXPECT_FALSE(chart.Of("199999999").zab);
    EXPECT_EQ(chart.Of("199999999").book[0], 0);
    EXPECT_FALSE(chart.Of("230499000").valid);
    EXPECT_TRUE(chart.Of("120134610").valid);
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        scripts.Clear();
        EXPECT_EQ(TestPosting("15.03.2024", cases[i].line, 1), cases[i].field);
        EXPECT_EQ(scripts.messages, told[i]);
    }
    EXPECT_TRUE(dbReports.reports().empty());
    scripts.Clear();
}

} // namespace
