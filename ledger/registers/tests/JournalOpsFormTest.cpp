// The parameter form of the journal of operations: how it opens (a journal
// given, the grid of the last print, the single keys, an unknown code, codes
// that are no numbers and must reach no query); the accounts grid with its
// pickers and its empty last row; the breakdown list, whose items carry their
// book and dimension, with the filters' captions; the filters' checks on OK.
#include "CFormGridView.h"
#include "CPrnJrnKassaView.h"
#include "CReportView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

class JournalOpsForm : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        for (const char* key : {"jrn_kass_grid-2", "jrn_kass_grid1", "jrn_kass_sch1-2", "jrn_kass_sch2-2",
                                "jrn_kass_sch3-2"})
            AfxGetApp()->WriteProfileString("constants", key, "");
    }
    CPrnJrnKassaView* Open(int journal)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("PrnJrnKassaView", journal, nullptr), 1);
        Settle();
        return Active<CPrnJrnKassaView>();
    }
    static QStringList Rows(CPrnJrnKassaView* view)
    {
        QStringList rows;
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            rows << QStringList({view->m_grid.GetCellValue(0, r).ToQString(), view->m_grid.GetCellValue(1, r).ToQString(),
                                 view->m_grid.GetCellValue(2, r).ToQString()})
                        .join(" ")
                        .trimmed();
        return rows;
    }
    static void SetRows(CPrnJrnKassaView* view, const QStringList& rows)
    {
        view->m_grid.SetNRows(long(rows.size()));
        for (long r = 0; r < long(rows.size()); ++r) {
            const QStringList parts = rows[int(r)].split(' ');
            for (int c = 0; c < 3; ++c)
                view->m_grid.SetCellValue(c, r, CString(parts.value(c)));
        }
    }
    static QStringList Items(CPrnJrnKassaView* view)
    {
        QStringList items;
        for (int i = 0; i < view->m_comboExpand.GetCount(); ++i) {
            CString text;
            view->m_comboExpand.GetLBText(i, text);
            items << text.ToQString();
        }
        return items;
    }
    static bool Shown(CPrnJrnKassaView* view, UINT id) { return view->GetDlgItem(id)->IsWindowVisible(); }
    // The selects this session has run so far.
    static long long SelectsRun()
    {
        long long count = -1;
        ForEachRow("show session status like 'Com_select'",
                   [&](_RecordsetPtr& rs) { count = atoll(SafeArayToString(rs->GetCollect("Value"))); });
        return count;
    }
    // Chooses `code` in the chart picker that grid event 5 opens on (col, row),
    // the current row moved elsewhere before the choice.
    static void PickInGrid(CPrnJrnKassaView* view, short col, short row, long movedTo, const QString& code)
    {
        CMDIFrameWnd* frame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(col), AfxEventArg(row)});
        view->m_grid.SetCurCell(col, movedTo);
        auto* form = dynamic_cast<CFormGridView*>(frame->MDIGetActive()->GetActiveView());
        ASSERT_NE(form, nullptr);
        bool found = false;
        for (long r = 0; r < form->m_grid.GetNRows(); ++r)
            if (form->m_grid.GetCellValue(0, r).ToQString() == code) {
                form->m_grid.SetCurCell(0, r);
                found = true;
            }
        ASSERT_TRUE(found) << code.toStdString();
        ASSERT_TRUE(form->Choose());
    }
};

TEST_F(JournalOpsForm, OpensFromItsJournalOrTheLastGrid)
{
    CString saved = FormatText("105%s36%s%s208%s%s", GetDelimiter0(), GetDelimiter0(), GetDelimiter(),
                               GetDelimiter0(), GetDelimiter0());
    struct Case {
        const char* name;
        int journal;
        const char* savedGrid;
        const char* singleKeys[3];
        QStringList rows;
        const char* number;
        int sb;
        const char* title;
    } cases[] = {
        {"journal 4: accounts in numeric order", 4, "", {"", "", ""}, {"206", "302", ""}, "4", 4,
         "Журнал операций расчетов с поставщиками и подрядчиками №4"},
        {"journal 1", 1, "", {"", "", ""}, {"201 34", ""}, "1", 0, "Журнал операций по счету \"Касса\" №1"},
        {"no journal, the saved grid", 0, saved, {"302", "", ""}, {"105 36", "208", ""}, "", -1, "Журнал операций"},
        {"no journal, nothing saved", 0, "", {"302", "34", "730"}, {"302 34 730", ""}, "", -1, "Журнал операций"},
        {"unknown journal", 999, "", {"", "", ""}, {""}, "", -1, "Журнал операций"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "jrn_kass_grid-2", c.savedGrid);
        app->WriteProfileString("constants", "jrn_kass_sch1-2", c.singleKeys[0]);
        app->WriteProfileString("constants", "jrn_kass_sch2-2", c.singleKeys[1]);
        app->WriteProfileString("constants", "jrn_kass_sch3-2", c.singleKeys[2]);
        CPrnJrnKassaView* view = Open(c.journal);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(Rows(view), c.rows);
        EXPECT_EQ(afxtest::text(view, IDC_JO_NUMBER), QString::fromUtf8(c.number));
        EXPECT_EQ(view->m_nJournalSb, c.sb);
        EXPECT_EQ(view->GetDocument()->GetTitle().ToQString(), QString::fromUtf8(c.title));
        EXPECT_EQ(afxtest::text(view, IDC_JO_FROM).isEmpty(), false);
        if (c.journal == 4)
            EXPECT_TRUE(afxtest::grab(view->GetParentFrame())
                            .save(QCoreApplication::applicationDirPath() + "/PrnJrnKassaView.png"));
        view->GetParentFrame()->DestroyWindow();
        Settle();
    }
}

TEST_F(JournalOpsForm, CodesThatAreNoNumbersRunNoQuery)
{
    CPrnJrnKassaView* view = Open(0);
    ASSERT_NE(view, nullptr);
    const long long a = SelectsRun();
    const long long idle = SelectsRun() - a;  // what a look at the counter costs
    for (const char* code : {"abc", "1 or 1=1", "4;drop table tn", ""}) {
        SCOPED_TRACE(code);
        view->SetDlgItemText(IDC_JO_CODE, "4");
        Settle();
        ASSERT_EQ(Rows(view), QStringList({"206", "302", ""}));
        const long long before = SelectsRun();
        view->SetDlgItemText(IDC_JO_CODE, code);
        Settle();
        EXPECT_EQ(SelectsRun() - before, idle) << "no query carries the code";
        EXPECT_EQ(Rows(view), QStringList({""}));
        EXPECT_EQ(afxtest::text(view, IDC_JO_NUMBER), QString(*code ? "" : "4"));
        EXPECT_EQ(afxtest::text(view, IDC_JO_NAME), *code ? QString() : QStringLiteral("Журнал операций"));
        EXPECT_FALSE(Shown(view, IDC_JO_EXPAND));
    }
}

TEST_F(JournalOpsForm, PickerAnswersLandInTheirRowAndKeepOneEmptyRow)
{
    CPrnJrnKassaView* view = Open(4);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(Rows(view), QStringList({"206", "302", ""}));
    PickInGrid(view, 0, 2, 0, "208");
    Settle();
    EXPECT_EQ(Rows(view), QStringList({"206", "302", "208", ""})) << "the answer in row 2, a new empty row";
    EXPECT_EQ(view->m_grid.GetCurRow(), 2);
    EXPECT_TRUE(Items(view).contains(QStringLiteral("Сотрудники"))) << "the breakdown list knows the new account";

    PickInGrid(view, 1, 2, 3, "12");
    Settle();
    PickInGrid(view, 2, 2, 0, "560");
    Settle();
    EXPECT_EQ(Rows(view), QStringList({"206", "302", "208 12 560", ""})) << "columns 1 and 2 add no row";

    // An account typed in the empty row adds one too; a change of column 1 does not.
    CString typed("201");
    view->m_grid.SetCellValue(0, 3, typed);
    AfxFireEvent(&view->m_grid, 9, {AfxEventArg(short(0)), AfxEventArg(short(3)), AfxEventArg(short(0)),
                                    AfxEventArg(&typed)});
    Settle();
    EXPECT_EQ(view->m_grid.GetNRows(), 5);
    typed = "21";
    view->m_grid.SetCellValue(1, 4, typed);
    AfxFireEvent(&view->m_grid, 9, {AfxEventArg(short(1)), AfxEventArg(short(4)), AfxEventArg(short(0)),
                                    AfxEventArg(&typed)});
    Settle();
    EXPECT_EQ(view->m_grid.GetNRows(), 5);

    afxtest::click(view, IDC_JO_CLEAR);
    Settle();
    EXPECT_EQ(Rows(view), QStringList({""})) << "exactly one empty row";
    EXPECT_EQ(view->m_grid.GetCurRow(), 0);
    EXPECT_EQ(view->m_comboExpand.GetCount(), 0);
}

TEST_F(JournalOpsForm, BreakdownItemsKnowTheirBookAndDimension)
{
    CPrnJrnKassaView* view = Open(0);
    ASSERT_NE(view, nullptr);
    struct Case {
        const char* name;
        QStringList rows;
        int journalSb;
        QStringList items;
        const char* chosen;
        int dimension;
        const char* captions[3];
    } cases[] = {
        {"no account", {""}, -1, {}, "", 0, {"", "", ""}},
        {"one book of dimension 1 shared", {"201 11", "201 21", ""}, -1, {" ", "Лицевые счета"}, "Лицевые счета", 1,
         {"Лицевые счета", "", ""}},
        {"books in dimensions 1 and 2", {"201 21", "208 12", ""}, -1, {" ", "Лицевые счета", "Сотрудники", "ЭКР"},
         "Лицевые счета", 1, {"Лицевые счета / Сотрудники", "ЭКР", ""}},
        {"the journal's book in dimension 2", {"201 21", "208 12", ""}, 3, {" ", "Лицевые счета", "Сотрудники", "ЭКР"},
         "ЭКР", 2, {"Лицевые счета / Сотрудники", "ЭКР", ""}},
        {"three dimensions", {"206 21", ""}, 0, {" ", "Контрагенты", "ЭКР", "Договоры"}, "Контрагенты", 1,
         {"Контрагенты", "ЭКР", "Договоры"}},
    };
    const UINT captions[3] = {IDC_JO_SB1_LABEL, IDC_JO_SB2_LABEL, IDC_JO_SB3_LABEL};
    const UINT edits[3] = {IDC_JO_SB1, IDC_JO_SB2, IDC_JO_SB3};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetRows(view, c.rows);
        view->m_nJournalSb = c.journalSb;
        view->UpdateSubcontoFilters();
        EXPECT_EQ(Items(view), c.items);
        const JournalBreakdown chosen = view->Breakdown();
        EXPECT_EQ(chosen.name.ToQString(), QString::fromUtf8(c.chosen));
        EXPECT_EQ(chosen.dimension, c.dimension);
        EXPECT_EQ(Shown(view, IDC_JO_EXPAND), !c.items.isEmpty());
        EXPECT_EQ(Shown(view, IDC_JO_FILTER_FRAME), !c.items.isEmpty());
        for (int n = 0; n < 3; ++n) {
            const bool present = *c.captions[n] != 0;
            EXPECT_EQ(Shown(view, edits[n]), present) << "filter " << n + 1;
            if (present)
                EXPECT_EQ(afxtest::text(view, captions[n]), QString::fromUtf8(c.captions[n]));
        }
    }
    // The user's choice carries its own book and dimension, whatever its place in the list.
    SetRows(view, {"201 21", "208 12", ""});
    view->m_nJournalSb = -1;
    view->UpdateSubcontoFilters();
    afxtest::chooseEntry(view, IDC_JO_EXPAND, QStringLiteral("ЭКР"));
    EXPECT_EQ(view->Breakdown().book, 3);
    EXPECT_EQ(view->Breakdown().dimension, 2);
    afxtest::chooseEntry(view, IDC_JO_EXPAND, 0);
    EXPECT_EQ(view->Breakdown().book, 0) << "the blank item breaks nothing down";
}

TEST_F(JournalOpsForm, FiltersTakeCodesAndOkKeepsTheGrid)
{
    CPrnJrnKassaView* view = Open(0);
    ASSERT_NE(view, nullptr);
    SetRows(view, {"302 34", "208", ""});
    view->UpdateSubcontoFilters();
    ASSERT_TRUE(Shown(view, IDC_JO_SB1));

    // The filter picker of dimension 1 writes the chosen counterparties.
    afxtest::InteractionScript pick;
    pick.dialog(IDD_SPR_PICKER_MULTI, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"1 ", "2 "}); });
    afxtest::click(view, IDC_JO_SB1_PICK);
    pick.verify();
    EXPECT_EQ(afxtest::text(view, IDC_JO_SB1), QStringLiteral("1,2"));

    struct Case {
        const char* text;
        const char* kept;
        const char* message;
    } cases[] = {
        {"12,15", "12,15", nullptr},
        {" 12 , 15", "12,15", nullptr},
        {"12;drop", nullptr, "Фильтр субконто1 (Контрагенты / Сотрудники): укажите коды числами через запятую"},
        {"12,'x'", nullptr, "Фильтр субконто1 (Контрагенты / Сотрудники): укажите коды числами через запятую"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        view->SetDlgItemText(IDC_JO_SB1, c.text);
        JournalChoice choice;
        afxtest::InteractionScript script;
        if (c.message)
            script.message(QString::fromUtf8(c.message), IDOK);
        EXPECT_EQ(view->ReadChoice(choice), c.message == nullptr);
        script.verify();
        if (c.kept)
            EXPECT_EQ(choice.filters[0], CString(c.kept));
    }
    view->SetDlgItemText(IDC_JO_SB1, "12,15");
    view->SetDlgItemText(IDC_JO_SB2, "226");
    afxtest::chooseEntry(view, IDC_JO_EXPAND, QStringLiteral("Сотрудники"));
    JournalChoice choice;
    ASSERT_TRUE(view->ReadChoice(choice));
    EXPECT_EQ(choice.filters[1], CString("226"));
    EXPECT_EQ(choice.breakdown.book, 11);
    EXPECT_EQ(choice.breakdown.dimension, 1);
    EXPECT_EQ(choice.accounts.size(), 2u);

    // OK keeps the grid of a form opened without a journal; it comes back when the form opens again.
    afxtest::click(view, IDOK);
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr) << "the journal is shown";
    report->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    view->GetParentFrame()->DestroyWindow();
    Settle();
    CPrnJrnKassaView* again = Open(0);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Rows(again), QStringList({"302 34", "208", ""}));
    EXPECT_TRUE(Shown(again, IDC_JO_SB1));
}

} // namespace
