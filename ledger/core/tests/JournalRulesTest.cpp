// The journal's filters as SQL, where the list stands after a refresh, and the
// colour of a row, as tables of cases.
#include "JournalRules.h"

#include <gtest/gtest.h>

namespace {

using namespace nledmark;

const CString kDeb = "D(x)";
const CString kKred = "K(x)";

TEST(JournalRules, FiltersMakeTheWhereClause)
{
    struct Case {
        CJournalFilter filter;
        const char* where;
    } cases[] = {
        {{}, "where ledmark_provodki.d is not null"},
        {{"120134510", "", ""}, "where D(x)='120134510' and ledmark_provodki.d is not null"},
        {{"", "120111610", ""}, "where K(x)='120111610' and ledmark_provodki.d is not null"},
        {{"1", "2", "05.03.2024"},
         "where D(x)='1' and K(x)='2' and ledmark_provodki.d is not null"
         " and (d0>'2024-03-05' or d1>'2024-03-05')"},
        {{"", "", "5.3.2024"}, "where ledmark_provodki.d is not null and (d0>'2024-03-05' or d1>'2024-03-05')"},
        {{"1' or '1'='1", "", ""}, "where D(x)='1'' or ''1''=''1' and ledmark_provodki.d is not null"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JournalWhere(c.filter, kDeb, kKred), CString(c.where));
}

TEST(JournalRules, AFullAccountIsMatchedColumnByColumn)
{
    const CJournalSide debit(kDeb, "p.deb0", "p.deb1", "p.deb2", "p.deb3");
    const CJournalSide credit(kKred, "p.kred0", "p.kred1", "p.kred2", "p.kred3");
    struct Case {
        const char* account;
        const char* condition;
    } cases[] = {
        {"230211000", "p.deb0='2' and p.deb1='302' and p.deb2='11' and p.deb3='000'"},
        {"2302110", "D(x)='2302110'"},        // not a full account: its text
        {"23021100a", "D(x)='23021100a'"},
        {"2302 1000", "D(x)='2302 1000'"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AccountCondition(debit, c.account), CString(c.condition)) << c.account;
    EXPECT_EQ(JournalWhere({"", "120111610", ""}, debit, credit),
              CString("where p.kred0='1' and p.kred1='201' and p.kred2='11' and p.kred3='610' "
                      "and ledmark_provodki.d is not null"));
}

TEST(JournalRules, FilterListsAreNarrowedByTheOtherSide)
{
    const CJournalFilter filter{"120134510", "120111610", ""};
    EXPECT_EQ(AccountListQuery(true, filter, "01.03.2024", "31.03.2024", kDeb, kKred),
              CString("select distinct D(x) as sch,deb1,deb0,deb2,deb3 from ledmark_provodki "
                      "where d>='2024-03-01' and d<='2024-03-31' and K(x)='120111610' order by deb0,deb1,deb2,deb3"));
    EXPECT_EQ(AccountListQuery(false, CJournalFilter{}, "01.03.2024", "31.03.2024", kDeb, kKred),
              CString("select distinct K(x) as sch,kred1,kred0,kred2,kred3 from ledmark_provodki "
                      "where d>='2024-03-01' and d<='2024-03-31' order by kred0,kred1,kred2,kred3"));
}

TEST(JournalRules, APositionIsKeptUnlessAFilterTookAnotherText)
{
    const CJournalFilter last{"1", "", "01.01.2024"};
    struct Case {
        CJournalFilter now;
        bool keeps;
    } cases[] = {
        {{"1", "", "01.01.2024"}, true},
        {{"", "", "01.01.2024"}, true},   // a cleared filter keeps it
        {{"1", "", ""}, true},
        {{"2", "", "01.01.2024"}, false},
        {{"1", "3", "01.01.2024"}, false},
        {{"1", "", "02.01.2024"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepsJournalPosition(c.now, last), c.keeps);
}

TEST(JournalRules, TheListIsPlacedAfterARefresh)
{
    struct Case {
        long records, gridRows, currentRow, kept;
        long firstRecord, row;
    } cases[] = {
        {100, 32, 5, 0, 69, 31},   // no kept position: the last record on the last row
        {10, 32, 5, 0, 1, 9},      // a short list fills from the top
        {100, 32, 5, 40, 35, 5},   // the kept record stays on its row
        {30, 32, 5, 40, 25, 5},    // a shorter list: its last record on that row
        {100, 32, 5, 3, 1, 2},     // a record near the top cannot stay lower
        {100, 32, -1, 40, 40, 0},  // no current row
        {0, 32, 5, 40, 1, 0},
    };
    for (const Case& c : cases) {
        const CJournalPlace p = PlaceJournal(c.records, c.gridRows, c.currentRow, c.kept);
        EXPECT_EQ(p.firstRecord, c.firstRecord) << c.records << "/" << c.kept;
        EXPECT_EQ(p.row, c.row) << c.records << "/" << c.kept;
    }
}

TEST(JournalRules, NegativeQuantitiesAndAmountsAreRed)
{
    const _variant_t null = _variant_t::Null();
    struct Case {
        _variant_t kol, s;
        COLORREF colour;
    } cases[] = {
        {null, _variant_t(-100.0), RGB(255, 0, 0)},
        {_variant_t(-1.0), _variant_t(100.0), RGB(255, 0, 0)},
        {null, _variant_t(0.0), RGB(0, 0, 0)},
        {_variant_t(2.0), _variant_t(5.0), RGB(0, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JournalRowColour(c.kol, c.s), c.colour);
}

} // namespace
