// The turnover statement by account: its form (the journal load, the kind
// lists and their books, the saved choices, the "OnOk" call) and the
// statement the form's script prints over a small year of advances checked by
// hand.
#include "CHelpers.h"
#include "CPrnOborotSchView.h"
#include "CReportView.h"
#include "GuiDriver.h"

#include <QCoreApplication>
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ReportShown.h"
#include "TurnoverControls.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QDate>

namespace {

using nledmark::CPrnOborotSchView;

int Year()
{
    return QDate::currentDate().year();
}

const UINT kKindLists[3] = {IDC_OS_SB1_KIND, IDC_OS_SB2_KIND, IDC_OS_SB3_KIND};
const UINT kValueEdits[3] = {IDC_OS_SB1, IDC_OS_SB2, IDC_OS_SB3};

class AccountTurnovers : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        for (const char* key : {"oborot_sch", "oborot_sch_sb1"})
            AfxGetApp()->WriteProfileString("constants", key, "");
        // Advances to employees 5 and 7 on 1 208 21: employee 5 owes 200 from
        // December, takes 100 more in January on KBK 1 and reports 250;
        // employee 7 takes 50 on KBK 2; February's advance is after the period.
        const int y = Year(), p = Year() - 1;
        struct Posting {
            QDate d;
            const char *debit, *debitSb1, *credit, *creditSb1;
            double s;
            int kbk;
        } postings[] = {
            {QDate(p, 12, 10), "120821560", "5", "120134610", "", 200, 1},
            {QDate(y, 1, 15), "120821560", "5", "120134610", "", 100, 1},
            {QDate(y, 1, 16), "120821560", "7", "120134610", "", 50, 2},
            {QDate(y, 1, 20), "140120226", "", "120821660", "5", 250, 1},
            {QDate(y, 2, 1), "120821560", "7", "120134610", "", 40, 2},
        };
        int id = 800;
        for (const Posting& l : postings) {
            const QString d(l.debit), k(l.credit);
            Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, "
                           "kred1, kred2, kred3, kred_sb1, kbk_kred, s, fil_id) values (%d, 1, '%s', '%s', '%s', '%s', "
                           "'%s', nullif('%s',''), %d, '%s', '%s', '%s', '%s', nullif('%s',''), %d, %.2f, 1)",
                           ++id, qPrintable(l.d.toString("yyyy-MM-dd")), qPrintable(d.left(1)),
                           qPrintable(d.mid(1, 3)), qPrintable(d.mid(4, 2)), qPrintable(d.mid(6, 3)), l.debitSb1,
                           l.kbk, qPrintable(k.left(1)), qPrintable(k.mid(1, 3)), qPrintable(k.mid(4, 2)),
                           qPrintable(k.mid(6, 3)), l.creditSb1, l.kbk, l.s));
        }
        // A journal without accounts; two accounts whose books' names begin
        // alike ("Подразделения", "Подразделения склада").
        Run("delete from spr_jrn_oper where id=77\n"
            "delete from spr_plan_sch where col0=0 and col1='499'\n"
            "insert into spr_jrn_oper (id, num, name, sb) values (77, '77', 'Пустой журнал', 0)\n"
            "insert into spr_plan_sch (col0, col1, col2, col3, name, sb1) values (0, '499', '20', '000', 'Расходы "
            "подразделений', 8)\n"
            "insert into spr_plan_sch (col0, col1, col2, col3, name, sb1) values (0, '499', '30', '000', 'Расходы "
            "склада', 160)");
    }

    CPrnOborotSchView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("PrnOborotSchView", 0, nullptr), 1);
        Settle();
        return Active<CPrnOborotSchView>();
    }
    static void SetRows(CPrnOborotSchView* view, const QStringList& rows)
    {
        view->m_grid.SetNRows(long(rows.size()));
        for (long r = 0; r < long(rows.size()); ++r) {
            const QStringList parts = rows[int(r)].split(' ');
            for (int c = 0; c < 3; ++c)
                view->m_grid.SetCellValue(c, r, CString(parts.value(c)));
        }
        view->RebuildKinds();
    }
    static QStringList Rows(CPrnOborotSchView* view)
    {
        QStringList rows;
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            rows << QStringList({view->m_grid.GetCellValue(0, r).ToQString(), view->m_grid.GetCellValue(1, r).ToQString(),
                                 view->m_grid.GetCellValue(2, r).ToQString()})
                        .join(" ")
                        .trimmed();
        return rows;
    }
    static QStringList Items(CPrnOborotSchView* view, int k)
    {
        QStringList items;
        for (int i = 0; i < view->m_comboKind[k].GetCount(); ++i) {
            CString text;
            view->m_comboKind[k].GetLBText(i, text);
            items << text.ToQString();
        }
        return items;
    }
    static bool Shown(CPrnOborotSchView* view, UINT id) { return view->GetDlgItem(id)->IsWindowVisible(); }
};

TEST_F(AccountTurnovers, JournalLoadAndKindLists)
{
    CPrnOborotSchView* view = Open();
    ASSERT_NE(view, nullptr);
    // A journal without accounts: one empty row, no subconto rows.
    view->SetDlgItemText(IDC_OS_CODE, "77");
    Settle();
    EXPECT_EQ(Rows(view), QStringList({""}));
    for (int k = 0; k < 3; ++k) {
        EXPECT_FALSE(Shown(view, kKindLists[k])) << "row " << k + 1;
        EXPECT_FALSE(Shown(view, kValueEdits[k])) << "row " << k + 1;
    }
    // A code that is no number names no journal.
    view->SetDlgItemText(IDC_OS_CODE, "1 or 1=1");
    Settle();
    EXPECT_EQ(Rows(view), QStringList({""}));

    const struct {
        const char* name;
        QStringList rows;
        QStringList items;
        bool shown[3];
    } cases[] = {
        {"names that begin alike are two books", {"499 20", "499 30", ""},
         {" ", "Подразделения", "Подразделения склада"}, {true, false, false}},
        {"each book once, in the order the accounts name them", {"201 21", "208 12", ""},
         {" ", "Лицевые счета", "Сотрудники", "ЭКР"}, {true, true, false}},
        {"three dimensions", {"206 21", ""}, {" ", "Контрагенты", "ЭКР", "Договоры"}, {true, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetRows(view, c.rows);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(Shown(view, kKindLists[k]), c.shown[k]) << "row " << k + 1;
            EXPECT_EQ(Items(view, k), c.shown[k] ? c.items : QStringList()) << "row " << k + 1;
        }
        EXPECT_EQ(view->m_comboKind[0].GetCurSel(), 1) << "the first book chosen in row 1";
    }
}

TEST_F(AccountTurnovers, TheValuePickerAsksTheDimensionThatCarriesTheBook)
{
    CPrnOborotSchView* view = Open();
    ASSERT_NE(view, nullptr);
    SetRows(view, {"201 21", "208 12", ""});
    // ЭКР is the third entry of the list, but dimension 2 of 208 12 only.
    afxtest::chooseEntry(view, IDC_OS_SB1_KIND, QStringLiteral("ЭКР"));
    EXPECT_EQ(view->Kind(0).index, 3);
    EXPECT_EQ(view->Kind(0).book, 3);
    scripts.calls.clear();
    afxtest::InteractionScript pick;
    pick.dialog(IDD_SPR_PICKER_MULTI, [](afxtest::DialogStep& d) { d.click(IDCANCEL); });
    afxtest::click(view, IDC_OS_SB1_PICK);
    pick.verify();
    std::string last;
    for (const auto& c : scripts.calls)
        if (c.call.rfind("GL_Get_SB(", 0) == 0)
            last = c.call;
    EXPECT_EQ(last, "GL_Get_SB(\"020812000\",2)");
}

TEST_F(AccountTurnovers, SavedChoicesComeBack)
{
    // An older saved value of nine characters: the source digit is not put in the grid.
    AfxGetApp()->WriteProfileString("constants", "oborot_sch", "120821000");
    AfxGetApp()->WriteProfileInt("constants", "oborot_sch_sb1", 2);
    CPrnOborotSchView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Rows(view), QStringList({"208 21 000", ""}));
    EXPECT_EQ(Items(view, 0), QStringList({" ", "Сотрудники", "ЭКР"}));
    EXPECT_EQ(view->m_comboKind[0].GetCurSel(), 2) << "the kind saved for this last account";
    // Another last account: the first book.
    SetRows(view, {"208 21 000", "201 21", ""});
    EXPECT_EQ(view->m_comboKind[0].GetCurSel(), 1);
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    // A grid saved whole: its last account is compared with the grid's.
    AfxGetApp()->WriteProfileString("constants", "oborot_sch", CString(QStringLiteral("201\00221\002\001208\00221\002000")));
    view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Rows(view), QStringList({"201 21", "208 21 000", ""}));
    EXPECT_EQ(view->m_comboKind[0].GetCurSel(), 2);
}

TEST_F(AccountTurnovers, OkHandsTheChoicesToOnOk)
{
    CPrnOborotSchView* view = Open();
    ASSERT_NE(view, nullptr);
    view->m_dateFrom = COleDateTime(Year(), 1, 1, 0, 0, 0);
    view->m_dateTo = COleDateTime(Year(), 1, 31, 0, 0, 0);
    view->m_nSource = 1;
    view->UpdateData(FALSE);
    SetRows(view, {"208 21", ""});
    const std::string y = std::to_string(Year());
    const std::string dates = "OnOk(\"01.01." + y + "\",\"31.01." + y + "\",1,\"208\\00221\\002\\001\\002\\002\",";
    // No kind chosen: index 0 and book -1.
    afxtest::chooseEntry(view, IDC_OS_SB1_KIND, 0);
    EXPECT_EQ(std::string(view->OkCall()), dates + "0,0,0,-1,-1,-1,\"\",\"\",\"\",\"\",\"\",0)");
    // Texts between quotes reach the script as typed.
    afxtest::chooseEntry(view, IDC_OS_SB1_KIND, QStringLiteral("Сотрудники"));
    view->SetDlgItemText(IDC_OS_SB1, "5,\"7\\");
    view->SetDlgItemText(IDC_OS_KBK, "1");
    view->SetDlgItemText(IDC_FILS, "1\"); os.exit(\"");
    afxtest::setChecked(view, IDC_OS_SPLIT, true);
    view->UpdateData(TRUE);
    EXPECT_EQ(std::string(view->OkCall()),
              dates + "1,0,0,11,-1,-1,\"5,\\\"7\\\\\",\"\",\"\",\"1\",\"1\\\"); os.exit(\\\"\",1)");

    // OK runs it in the form's script, which refuses the branch list and says why.
    scripts.calls.clear();
    scripts.messages.clear();
    afxtest::click(view, IDOK);
    Settle();
    ASSERT_FALSE(scripts.calls.empty());
    EXPECT_EQ(scripts.calls.back().context, "Form.PrnOborotSchView");
    ASSERT_EQ(scripts.messages.size(), 1u);
    EXPECT_NE(scripts.messages[0].find("неверный список филиалов"), std::string::npos);
    EXPECT_EQ(AfxGetApp()->GetProfileString("constants", "oborot_sch", ""),
              CString(QStringLiteral("208\00221\002\001\002\002")));
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "oborot_sch_sb1", -5), 1);
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "oborot_sch_sb2", -5), -1) << "nothing selected";
}

TEST_F(AccountTurnovers, TheStatementAsCountedByHand)
{
    std::string page;
    appcore::GetScriptHooks().showReport = [&page](const std::string& html, const std::string&) { page = html; };
    const std::string y = std::to_string(Year());
    const std::string grid = "\"208\\00221\\002\\001\\002\\002\"";
    const QString kbk1 = QStringLiteral("07507010100000590111"), kbk2 = QStringLiteral("07507010100000590244");
    const QStringList total = {"Итого"};
    // A row: the first word of each key cell (KBK, employee code), the six amounts.
    struct Row {
        QStringList keys, amounts;
    };
    const struct {
        const char* name;
        std::string args;
        std::vector<Row> rows;
    } cases[] = {
        {"by employee", "1,0,0,11,-1,-1,\"\",\"\",\"\",\"\",\"\",0",
         {{{"5"}, {"200.00", "0.00", "100.00", "250.00", "50.00", "0.00"}},
          {{"7"}, {"0.00", "0.00", "50.00", "0.00", "50.00", "0.00"}},
          {total, {"200.00", "0.00", "150.00", "250.00", "100.00", "0.00"}}}},
        {"by KBK and employee", "1,0,0,11,-1,-1,\"\",\"\",\"\",\"\",\"\",1",
         {{{kbk1, "5"}, {"200.00", "0.00", "100.00", "250.00", "50.00", "0.00"}},
          {{kbk2, "7"}, {"0.00", "0.00", "50.00", "0.00", "50.00", "0.00"}},
          {total, {"200.00", "0.00", "150.00", "250.00", "100.00", "0.00"}}}},
        {"the typed employee only", "1,0,0,11,-1,-1,\" 7 \",\"\",\"\",\"\",\"\",0",
         {{{"7"}, {"0.00", "0.00", "50.00", "0.00", "50.00", "0.00"}},
          {total, {"0.00", "0.00", "50.00", "0.00", "50.00", "0.00"}}}},
        {"no kind, KBK 2: the account whole", "0,0,0,-1,-1,-1,\"\",\"\",\"\",\"2\",\"\",0",
         {{{"1"}, {"0.00", "0.00", "50.00", "0.00", "50.00", "0.00"}},
          {total, {"0.00", "0.00", "50.00", "0.00", "50.00", "0.00"}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        page.clear();
        CString result;
        ASSERT_TRUE(CHelpers::EXEC_GetFunctionValue(
            ("OnOk(\"01.01." + y + "\",\"31.01." + y + "\",1," + grid + "," + c.args + ")").c_str(), result,
            "Form.PrnOborotSchView"));
        EXPECT_EQ(result, CString("1"));
        std::vector<Row> rows;
        for (const QStringList& cells : ledgertest::PageRows(CString(page)))
            if (cells.size() >= 7 && cells.back().contains('.')) {
                Row row{{}, cells.mid(cells.size() - 6)};
                for (const QString& key : cells.mid(0, cells.size() - 6))
                    row.keys << key.section(' ', 0, 0);
                rows.push_back(row);
            }
        ASSERT_EQ(rows.size(), c.rows.size()) << page;
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].keys, c.rows[i].keys);
            EXPECT_EQ(rows[i].amounts, c.rows[i].amounts);
        }
        EXPECT_NE(page.find("Главный бухгалтер:"), std::string::npos);
    }
}

TEST_F(AccountTurnovers, TheFormShowsTheStatementPerEmployee)
{
    // The page goes to the report window, as in the program.
    appcore::GetScriptHooks().showReport = [](const std::string& html, const std::string& title) {
        CHelpers::DisplayMessage(html.c_str(), title.c_str(), 0, 9, "#f5f5FF", -1, -1);
    };
    CPrnOborotSchView* view = Open();
    ASSERT_NE(view, nullptr);
    view->m_dateFrom = COleDateTime(Year(), 1, 1, 0, 0, 0);
    view->m_dateTo = COleDateTime(Year(), 1, 31, 0, 0, 0);
    view->UpdateData(FALSE);
    afxtest::chooseEntry(view, IDC_OS_SOURCE, QStringLiteral("1"));
    view->SetDlgItemText(IDC_FILS, "");
    SetRows(view, {"208 21", ""});
    afxtest::chooseEntry(view, IDC_OS_SB1_KIND, QStringLiteral("Сотрудники"));
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/PrnOborotSchView.png"));
    afxtest::click(view, IDOK);
    Settle();
    ASSERT_NE(Active<CReportView>(), nullptr);
    const ledgertest::SavedReport report = ledgertest::SaveShownReport(*this, QStringLiteral("account_turnovers.png"));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Итого по счету:")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Сотрудники")));
    EXPECT_TRUE(report.saved);
    ledgertest::ShownReportText(*this);
}

} // namespace
