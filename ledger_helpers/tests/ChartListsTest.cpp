// The library's own SQL: names from the chart and the reference books, the
// checks of analytic values, the dimension of a journal's reference book, the
// KOSGU of an economic code; and the branch lists and default values.
#include "LedgerDatabase.h"
#include "ledmark.h"

#include <GuiDriver.h>
#include <InteractionScript.h>
#include <ndbcore.h>
#include <res/AppcoreResource.h>

#include <QListWidget>
#include <functional>

namespace {

class ChartLookups : public ledmark_test::LedgerDatabase {};

TEST_F(ChartLookups, NamesOfAccountsAndAnalyticValues)
{
    EXPECT_EQ(GL_GetCol1_Name("208"), CString("Расчеты с подотчетными лицами"));
    EXPECT_EQ(GL_GetCol2_Name("201", "34"), CString("Касса"));
    EXPECT_EQ(GL_GetCol3_Name("201", "34", "510"), CString("Поступление денежных средств"));
    EXPECT_EQ(GL_GetCol1_Name("20' or '1'='1"), CString());

    EXPECT_EQ(GL_SB_Name(4, "3"), CString("ПАО \"Связьтелеком\""));
    EXPECT_EQ(GL_SB_Name(11, "1"), CString("Петрова"));
    EXPECT_EQ(GL_SB_Name(4, "3 шт"), CString()); // a code is a whole key, not its leading digits
    EXPECT_EQ(GL_SB_Name(4, ""), CString());
    EXPECT_EQ(GL_SB_Name(150, "1"), CString()); // no such reference book
    EXPECT_EQ(GL_SB_Name("230221730", 1, "3"), CString("ПАО \"Связьтелеком\"")); // the script by account

    EXPECT_EQ(GL_SB_EI("110536340", 1, "3"), CString("кг"));
    EXPECT_EQ(GL_SB_EI("110536340", 2, "1"), CString()); // dimension 2 is the employee
    EXPECT_EQ(GL_SB_EI("110536340", 4, "3"), CString());
    EXPECT_EQ(GL_GetMatEI("4"), CString("л"));
}

TEST_F(ChartLookups, VerifySbCountsTheValueInTheBookOfTheDimension)
{
    struct Case {
        const char* account;
        short n;
        const char* code;
        int expected;
    } cases[] = {
        {"230221730", 1, "3", 1},     {"230221730", 1, "9", 0},     {"230221730", 1, "3'", 0},
        {"230221730", 1, "<...>", 0}, {"230221730", 2, "226000", 1}, {"230221730", 0, "3", 0},
        {"2302217", 1, "3", 0},       // a balance account must be given in full
        {"120134510", 1, "1", 0},     // no such dimension
        {"004", 1, "2", 1},           // an off-balance account in its short form
        {"120812560", 1, "1", 1},     {"120812560", 1, "01", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GL_Verify_SB(c.account, c.n, c.code), c.expected) << c.account << " " << c.n << " " << c.code;
}

TEST_F(ChartLookups, WhichSbFindsTheDimensionOfAReferenceBook)
{
    struct Case {
        int col0;
        const char *col1, *col2, *col3;
        unsigned book;
        int expected;
    } cases[] = {
        {0, "302", "21", "730", 5, 3}, {0, "302", "21", "", 3, 2},    {1, "208", "12", "560", 11, 1},
        {0, "208", nullptr, nullptr, 3, 2}, // the synthetic row carries the dimensions
        {0, "302", "21", "730", 13, 0},     {0, "302", "21", "730", 0, 0}, // book 0 is no book
        {0, "501", "03", "999", 8, 2}, // no such KOSGU: the wider filter of the script finds 501.03
    };
    for (const auto& c : cases)
        EXPECT_EQ(GL_WhichSB(c.col0, c.col1, c.col2, c.col3, c.book), c.expected) << c.col1 << " " << c.book;
}

TEST_F(ChartLookups, TailFromEkrFollowsTheEconomicCode)
{
    struct Case {
        const char* account;
        const char* ekr;
        int type;
        const char* expected;
    } cases[] = {
        {"150103", "226000", 1, "226"}, {"150201", "226001", 2, "226"}, {"150201", "340000", 3, "340"},
        {"150103", "229000", 1, "226"}, // no 229: the highest code of the prefix 22
        {"150103", "500000", 1, "211"}, // no prefix at all: the debit KOSGU of the account
        {"120134", "", 2, "610"},       // an empty code is not a prefix of every row:
        {"120134", "", 1, "510"},       // the debit KOSGU, not the highest one (610)
        {"121002", "", 1, "130"},       {"121002", "999999", 1, "130"}, {"120134", nullptr, 1, "000"},
        {"150103", "2'6000", 1, "211"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GL_GetTailFromEKR(c.account, c.ekr, c.type), CString(c.expected))
            << c.account << " " << (c.ekr ? c.ekr : "null") << " " << c.type;

    afxtest::InteractionScript steps;
    steps.message("wrong type for GL_GetTailFromEKR()", IDOK).message("wrong type for GL_GetTailFromEKR()", IDOK);
    EXPECT_EQ(GL_GetTailFromEKR("150103", "226000", 0), CString("000"));
    EXPECT_EQ(GL_GetTailFromEKR("150103", "226000", 4), CString("000"));
    steps.verify();
}

TEST_F(ChartLookups, DefaultPersonalAccountContractAndOrganisation)
{
    Run("delete from spr_ls\n"
        "insert into spr_ls (id, number, fil_id, isf, def) values (1, 'a', 1, 1, 0), (2, 'b', 1, 1, 1), "
        "(3, 'c', 1, 1, 1), (4, 'd', 1, 2, 0), (5, 'e', 1, 2, 0), (6, 'f', 2, 1, 0)");
    EXPECT_EQ(GL_GetDefLS("120111610", 1, nullptr), CString("3")); // the default with the highest id
    EXPECT_EQ(GL_GetDefLS("220111610", 1, ""), CString("5"));      // no default: the highest id
    EXPECT_EQ(GL_GetDefLS("220111610", 2, ""), CString());
    EXPECT_EQ(GL_GetDefLS("120111610", 1, "4"), CString("4"));
    EXPECT_EQ(GL_GetDefLS("", 1, nullptr), CString());

    Run("delete from spr_dogovora\n"
        "insert into spr_dogovora (id, name, org, d, sd) values (1, 'старый', 1, '2023-01-10', '2023-12-31'), "
        "(2, 'текущий', 1, '2024-01-09', '2024-12-31'), (3, 'бессрочный', 2, '2022-05-01', null), "
        "(4, 'будущий', 1, '2025-01-09', null)");
    EXPECT_EQ(GetDefDogovor("1", "15.06.2024"), CString("2"));
    EXPECT_EQ(GetDefDogovor("1", "15.06.2023"), CString("1"));
    EXPECT_EQ(GetDefDogovor("1", "01.01.2022"), CString()); // none in force: no made-up contract
    EXPECT_EQ(GetDefDogovor("2", "01.03.2030"), CString("3"));
    EXPECT_EQ(GetDefDogovor("1", nullptr), CString("4"));   // without a date the latest
    EXPECT_EQ(GetDefDogovor("3", nullptr), CString());
    EXPECT_EQ(GetDefDogovor("1 or 1=1", nullptr), CString());

    EXPECT_EQ(GetOrgFromContr("3"), CString("3"));
    EXPECT_EQ(GetOrgFromContr("5"), CString("1")); // an employee: the personnel number
    EXPECT_EQ(GetOrgFromContr("1 or 1=1"), CString());
}

class BranchLists : public ledmark_test::LedgerDatabase {
protected:
    void SetUp() override
    {
        LedgerDatabase::SetUp();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 200, 100), &parent, 1115));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 100, 50), &parent, 1144));
        ASSERT_TRUE(label.Create("Филиал:", WS_CHILD | WS_VISIBLE, CRect(0, 60, 100, 80), &parent, 1150));
        ASSERT_TRUE(button.Create("...", WS_CHILD | WS_VISIBLE, CRect(110, 30, 140, 50), &parent, 1164));
        Run("delete from spr_fil\n"
            "insert into spr_fil (id, name) values (1, 'Корпус на ул. Садовой'), (2, 'Корпус на ул. Лесной'), "
            "(5, null)");
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        afxtest::flushDeletes();
        LedgerDatabase::TearDown();
    }

    struct Entry {
        CString text;
        long data;
    };
    std::vector<Entry> Entries()
    {
        std::vector<Entry> entries;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            entries.push_back({text, long(LONG_PTR(combo.GetItemData(i)))});
        }
        return entries;
    }
    long Selected() { return long(LONG_PTR(combo.GetItemData(combo.GetCurSel()))); }
    static bool Shown(CWnd& w) { return (w.GetStyle() & WS_VISIBLE) != 0; }

    CWnd parent;
    CComboBox combo;
    CEdit edit;
    CStatic label;
    CButton button;
};

TEST_F(BranchLists, SeveralBranchesWithAllBranchesFirst)
{
    EXPECT_EQ(FillFils(&parent, 1115, 0, 1), 1);
    auto entries = Entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].text, CString("Все"));
    EXPECT_EQ(entries[0].data, -2);
    EXPECT_EQ(entries[1].text, CString("Корпус на ул. Садовой"));
    EXPECT_EQ(entries[3].text, CString()); // a branch without a name
    EXPECT_EQ(entries[3].data, 5);
    EXPECT_EQ(Selected(), -2);
    EXPECT_TRUE(Shown(combo));

    EXPECT_EQ(FillFils(&parent, 1115, 2, 1), 1);
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(FillFils(&parent, 1115, 2, 0), 1); // filled again: no entry left over
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(Selected(), 2);

    FillFilsEx(&parent, 1144, 1150, 1164, "1,2");
    EXPECT_EQ(afxtest::text(&parent, 1144), QString("1,2"));
    EXPECT_TRUE(Shown(edit) && Shown(label) && Shown(button));

    EXPECT_EQ(GetFilName("1,2"), CString("Корпус на ул. Садовой, Корпус на ул. Лесной"));
    EXPECT_EQ(GetFilName(""), CString("МБДОУ «Детский сад № 7 „Солнышко“»"));
    EXPECT_EQ(GetFilName(nullptr), GetConstant("ORG_NAME", 0));
    EXPECT_EQ(GetFilName("1) or (1=1"), CString());
}

TEST_F(BranchLists, OneBranchIsSelectedAndTheListHidden)
{
    Run("delete from spr_fil where id<>2");
    EXPECT_EQ(FillFils(&parent, 1115, 0, 1), 1);
    auto entries = Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].data, 2);
    EXPECT_EQ(Selected(), 2);
    EXPECT_FALSE(Shown(combo));

    FillFilsEx(&parent, 1144, 1150, 1164, "2");
    EXPECT_EQ(afxtest::text(&parent, 1144), QString("2"));
    EXPECT_FALSE(Shown(edit) || Shown(label) || Shown(button));
}

TEST_F(BranchLists, SourcesOfFinancing)
{
    EXPECT_EQ(FilIF(&combo, 2), 1);
    ASSERT_EQ(combo.GetCount(), 4);
    CString text;
    combo.GetLBText(combo.GetCurSel(), text);
    EXPECT_EQ(text, CString("Платный"));
    EXPECT_EQ(Selected(), 2);
}

TEST_F(BranchLists, AFailedQueryIsReportedAndAnswersZero)
{
    Run("rename table spr_fil to spr_fil_away");
    EXPECT_EQ(FillFils(&parent, 1115, 1, 1), 0);
    EXPECT_EQ(dbReports.reports().size(), 1u);
    Run("rename table spr_fil_away to spr_fil");
}

// The branch scripts of the configuration.
TEST_F(BranchLists, BranchScripts)
{
    Run("update spr_fil set ruk='Морозова Анна Викторовна', ruk_s='А.В. Морозова', rukdol='Заведующий корпусом', "
        "adres='ул. Лесная, 15' where id=2");
    EXPECT_EQ(GetFilName(2), CString("Корпус на ул. Лесной"));
    EXPECT_EQ(GetFilName(-2), GetConstant("ORG_NAME", 0));
    EXPECT_EQ(GetFilName0("2,1"), CString("Корпус на ул. Садовой, Корпус на ул. Лесной"));
    EXPECT_EQ(GetFilName0(""), GetConstant("ORG_NAME", 0));
    EXPECT_EQ(GetFilRuk(2, 1), CString("А.В. Морозова"));
    EXPECT_EQ(GetFilRuk(2, 0), CString("Морозова Анна Викторовна"));
    EXPECT_EQ(GetFilRuk(1, 1), GetConstant("ORG_RUK", 0));
    EXPECT_EQ(GetFilRuk0("2", 1), CString("А.В. Морозова"));
    EXPECT_EQ(GetFilRuk0("1,2", 1), GetConstant("ORG_RUK", 0));
    EXPECT_EQ(GetFilRukDol(2), CString("Заведующий корпусом"));
    EXPECT_EQ(GetFilAdres(2), CString("ул. Лесная, 15"));
    EXPECT_EQ(GetFilsSql("1, 3"), CString(" and fil_id in (1,3)"));
    EXPECT_EQ(GetFilsSql("-2"), CString());
    EXPECT_EQ(GetFilsSql(""), CString());
}

TEST_F(BranchLists, DefaultBudgetClassificationCode)
{
    Run("delete from spr_kbk\n"
        "insert into spr_kbk (id, rasx, fil_id, isf, def) values (1, 'a', '1,2', 1, 1), (2, 'b', '1,2', 1, 0), "
        "(3, 'c', '1', 2, 0), (4, 'd', '12', 2, 1), (5, 'e', '2,12', 2, 0), (6, 'f', '2', 2, 0)");
    EXPECT_EQ(GL_GetDefKBK("130405000", 1, "", 1), CString("1")); // the marked one
    EXPECT_EQ(GL_GetDefKBK("230405000", 1, "", 1), CString("3")); // the only one of branch 1 and source 2
    EXPECT_EQ(GL_GetDefKBK("230405000", 2, "", 1), CString());    // two, none marked
    EXPECT_EQ(GL_GetDefKBK("230405000", 12, "", 1), CString("4"));
    EXPECT_EQ(GL_GetDefKBK("230405000", 2, "6", 1), CString("6"));
}

} // namespace

namespace {

// The budget-classification picker offers the codes of the branch and source.
class KbkPicker : public BranchLists {
protected:
    void SetUp() override
    {
        BranchLists::SetUp();
        Run("delete from spr_kbk\n"
            "insert into spr_kbk (id, rasx, name, fil_id, isf) values (1, 'a', 'a', '1,2', 1), (2, 'b', 'b', '12', 2), "
            "(3, 'c', 'c', '1,12', 2), (4, 'd', 'd', '2', 1), (5, 'e', 'e', '3', 4)");
    }

    // The ids of the rows the picker (of one or of several choices) offers,
    // after `open` opened it; nothing is chosen.
    QStringList Offered(const std::function<void()>& open, bool several = false)
    {
        QStringList ids;
        afxtest::InteractionScript script;
        script.dialog(several ? IDD_SPR_PICKER_MULTI : IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
            auto* list = qobject_cast<QListWidget*>(d.item(IDC_PICKER_LIST)->GetQWidget());
            for (int i = 0; list && i < list->count(); ++i)
                ids << list->item(i)->text().section(' ', 0, 0);
            d.click(IDCANCEL);
        });
        open();
        script.verify();
        return ids;
    }
};

TEST_F(KbkPicker, CodesOfABranchAndASource)
{
    struct Case {
        const char* account;
        int branch;
        QStringList expected;
    } cases[] = {
        {"230405000", 1, {"3"}},                     // "12" is not branch 1
        {"230405000", 12, {"2", "3"}},                // "1,12" holds 12
        {"120134000", 2, {"1", "4"}},
        {"020800000", -2, {"1", "2", "3", "4", "5"}}, // all branches, all sources
        {"4", -2, {"5"}},                             // the source digit alone
    };
    for (const Case& c : cases)
        EXPECT_EQ(Offered([&] { GL_GetDefKBKList(&parent, 1144, c.account, c.branch, UINT(-1), nullptr, 0); }),
                  c.expected)
            << c.account << " " << c.branch;
}

TEST_F(KbkPicker, CodesOfAListOfBranches)
{
    struct Case {
        const char* account;
        const char* branches;
        QStringList expected;
    } cases[] = {
        {"0", "1,12", {"1", "2", "3"}},
        {"2", "1, 12", {"2", "3"}},
        {"0", "", {"1", "2", "3", "4", "5"}},
        {"4", nullptr, {"5"}},
        {"0", "3) or (1=1", {}}, // no branch number: nothing is offered
    };
    for (const Case& c : cases)
        EXPECT_EQ(Offered([&] { GL_GetDefKBKList(&parent, 1144, c.account, c.branches, UINT(-1), nullptr, 1); }, true),
                  c.expected)
            << c.account << " " << (c.branches ? c.branches : "null");
}

TEST_F(KbkPicker, TheChosenCodesGoIntoTheControl)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        auto* list = qobject_cast<QListWidget*>(d.item(IDC_PICKER_LIST)->GetQWidget());
        ASSERT_NE(list, nullptr);
        list->setCurrentRow(1);
        d.click(IDOK);
    });
    GL_GetDefKBKList(&parent, 1144, "120134000", 2, UINT(-1), nullptr, 0);
    script.verify();
    EXPECT_EQ(afxtest::text(&parent, 1144), QString("4"));
}

} // namespace
