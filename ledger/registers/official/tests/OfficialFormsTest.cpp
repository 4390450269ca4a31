// The official reporting forms over a small year checked by hand: where each
// form's print route sends its call (stand-in report files record what they
// get), what the forms refuse and remember, the figures the balance and the
// financial results are made of, and the pages of the reports.
#include "CHelpers.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "OfficialFormViews.h"
#include "OfficialRoutes.h"
#include "ReportShown.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace nledmark;

int Year()
{
    return QDate::currentDate().year();
}

QString Day(const char* dayAndMonth, int year = Year())
{
    return QString("%1.%2").arg(dayAndMonth).arg(year);
}

// The program folder pointed at stand-in report files for as long as it
// lives: each file shows its arguments joined by "|" and returns no page.
class StandInReports {
public:
    StandInReports()
    {
        for (const OfficialForm& form : OfficialForms())
            for (const OfficialRoute& route : form.routes)
                if (route.file)
                    Write(QString::fromUtf8(route.file).replace('\\', '/'));
        m_saved = qgetenv("VORNAL_PROGRAM_DIR");
        qputenv("VORNAL_PROGRAM_DIR", m_dir.path().toUtf8());
    }
    ~StandInReports()
    {
        if (m_saved.isEmpty())
            qunsetenv("VORNAL_PROGRAM_DIR");
        else
            qputenv("VORNAL_PROGRAM_DIR", m_saved);
    }
    QString Path(const char* file) const
    {
        return m_dir.path() + "/_sys/_ExtReports/" + QString::fromUtf8(file);
    }

private:
    void Write(const QString& name)
    {
        const QString path = m_dir.path() + "/_sys/_ExtReports/" + name;
        QDir().mkpath(path.left(path.lastIndexOf('/')));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("function PrepareTheReport(...)\n"
                   "    local a = {...}\n"
                   "    for i = 1, #a do a[i] = tostring(a[i]) end\n"
                   "    app.message(table.concat(a, \"|\"))\n"
                   "    return \"\"\n"
                   "end\n");
    }

    QTemporaryDir m_dir;
    QByteArray m_saved;
};

// The program folder pointed at the report files where the build copies them.
struct BuiltReports {
    BuiltReports() { qputenv("VORNAL_PROGRAM_DIR", std::getenv("VORNAL_BIN")); }
    ~BuiltReports() { qunsetenv("VORNAL_PROGRAM_DIR"); }
};

class OfficialForms : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        const int y = Year(), p = Year() - 1;
        // Source 1 on KBK 5: fixed assets and the treasury account opened
        // last December against 304 05; salary accrued and partly paid,
        // depreciation, and on KBK 6 other income taken into the cash desk;
        // an off-balance receipt. Source 2 on KBK 7: paid services charged and
        // services accepted, the income closed onto 401 03 on the last day.
        struct Line {
            QDate d;
            const char *debit, *credit;
            double s;
            int kbk;
        } lines[] = {
            {QDate(p, 12, 10), "110105310", "130405000", 1000, 5}, {QDate(p, 12, 20), "120111510", "130405000", 500, 5},
            {QDate(y, 2, 1), "140102211", "130211730", 300, 5},    {QDate(y, 2, 5), "130211830", "120111610", 200, 5},
            {QDate(y, 3, 1), "120134510", "140101180", 50, 6},     {QDate(y, 3, 2), "220531560", "240101130", 400, 7},
            {QDate(y, 3, 3), "240102226", "230226730", 150, 7},    {QDate(y, 3, 4), "101700000", "", 999, 5},
            {QDate(y, 4, 1), "140102271", "110421410", 100, 5},    {QDate(y, 12, 31), "240101130", "240103000", 400, 7},
        };
        int id = 900;
        for (const Line& l : lines) {
            auto part = [](const char* code, int from, int length) {
                return *code ? QString("'%1'").arg(QString(code).mid(from, length)) : QString("null");
            };
            Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kbk_deb, kred0, kred1, "
                           "kred2, kred3, kbk_kred, s, fil_id) values (%d, 1, '%s', %s, %s, %s, %s, %d, %s, %s, %s, "
                           "%s, %s, %.2f, 1)",
                           id++, qPrintable(l.d.toString("yyyy-MM-dd")), qPrintable(part(l.debit, 0, 1)),
                           qPrintable(part(l.debit, 1, 3)), qPrintable(part(l.debit, 4, 2)),
                           qPrintable(part(l.debit, 6, 3)), l.kbk, qPrintable(part(l.credit, 0, 1)),
                           qPrintable(part(l.credit, 1, 3)), qPrintable(part(l.credit, 4, 2)),
                           qPrintable(part(l.credit, 6, 3)), *l.credit ? qPrintable(QString::number(l.kbk)) : "null",
                           l.s));
        }
        AfxGetApp()->WriteProfileString("constants", "select_if", "");
        AfxGetApp()->WriteProfileString(CSelectIFView::BranchSection(), "select_fil_prn0", "");
    }

    template <class View = CPrnOfficialView>
    View* Open(const char* document, int route)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0(document, route, nullptr), 1) << document << " " << route;
        return Active<View>();
    }

    // The last "PrepareTheReport" call and its context; cleared.
    std::pair<QString, QString> TakeCall()
    {
        std::pair<QString, QString> last;
        for (const auto& e : scripts.calls)
            if (e.call.rfind("PrepareTheReport(", 0) == 0)
                last = {QString::fromStdString(e.call), QString::fromStdString(e.context)};
        scripts.calls.clear();
        return last;
    }

    QString LastMessage() const
    {
        return scripts.messages.empty() ? QString() : QString::fromStdString(scripts.messages.back());
    }

    static void CloseReports(afxtest::MdiProgram& program)
    {
        while (program.Active<CReportView>())
            ledgertest::ShownReportText(program);
    }

    // The figures of a call through the library, as "<assets start> <liabilities
    // start> <assets end> <liabilities end> <income> <expenses> <result>".
    CString Figures(const char* list, const char* branches = "")
    {
        CString result;
        CHelpers::EXEC_GetFunctionValue(
            FormatText("test_figures(\"%s\",\"%s\",\"%s\",\"%s\")", MakeParam(ThisYear("01.01")),
                       MakeParam(ThisYear("31.12")), MakeParam(list), MakeParam(branches)),
            result, "");
        return result;
    }
};

const char* const kFigures = R"(
function test_figures(from, to, list, fils)
    local c, why = Ledger.form_choice(from, to, list, fils)
    if not c then return "refused: " .. why end
    local rows = Ledger.form_figures(c)
    local cols = Ledger.form_columns(c, rows, "source")
    local _, b = Ledger.balance_figures(rows, cols)
    local _, r = Ledger.results_figures(Ledger.form_figures(c, {synthetic = {"401"}, closing = true}), cols)
    local function v(x) return Ledger.money(x) end
    return table.concat({v(b["350"].values[1].total), v(b["900"].values[1].total), v(b["350"].values[2].total),
        v(b["900"].values[2].total), v(r["010"].values[1].total), v(r["150"].values[1].total),
        v(r["300"].values[1].total), v(b["350"].values[2].s1 or 0), v(b["020"].values[2].total)}, " ")
end
)";

TEST_F(OfficialForms, EachRouteSendsItsCommandToItsReport)
{
    StandInReports files;
    const QString period = QString("\"%1\",\"%2\",\"1::;2::\",\"\"").arg(Day("01.01"), Day("31.12"));
    const QString form = "form";
    const struct {
        const char* document;
        int route;
        const char* file; // nullptr: the form's own report
        QString more;     // the arguments after the branch text
        const char* title;
    } cases[] = {
        {"prn_0503121", 0, nullptr, "", "Форма 0503121"},
        {"prn_0503121", 1, "72n/0503121.extr", "", "Форма 0503121, 72n"},
        {"prn_0503121", 2, "128n/0503121.extr", "", "Форма 0503121, 128n"},
        {"prn_0503125", 0, "0503125.extr", "", "Форма 0503125"},
        {"prn_0503125", 1, "72n/0503125.extr", "", "Форма 0503125, 72n"},
        {"prn_0503125_08", 0, "72n/0503125.extr", ",\"030404000\"", "Форма 0503125, 72n"},
        {"prn_0503125_08", 1, "128n/0503125.extr", ",\"030404000\"", "Форма 0503125, 128n"},
        {"prn_0503127", 0, nullptr, ",1,0,1,1,1,1", "Форма 0503127"},
        {"prn_0503127", 1, "72n/0503127.extr", ",1,0,1,1,1,1", "Форма 0503127, 72n"},
        {"prn_0503127", 2, "72n/0503137.extr", ",1,0,1,1,1,1", "Форма 0503137, 72n"},
        {"prn_0503127", 3, "128n/0503127.extr", ",1,0,1,1,1,1", "Форма 0503127, 128n"},
        {"prn_0503127", 4, "128n/0503137.extr", ",1,0,1,1,1,1", "Форма 0503137, 128n"},
        {"prn_0503129", 0, "0503129.extr", "", "Форма 0503129"},
        {"prn_0503129", 3, "0503129.extr", "", "Форма 0503129"},
        {"prn_0503130_sb", 0, nullptr, ",0", "Форма 0503110"},
        {"prn_0503130_sb", 1, "72n/0503110.extr", ",0", "Форма 0503110, 72n"},
        {"prn_0503130_sb", 2, "128n/0503110.extr", ",0", "Форма 0503110, 128n"},
        {"prn_0503130", 0, nullptr, "", "Форма 0503130"},
        {"prn_0503130", 1, "72n/0503130.extr", "", "Форма 0503130, 72n"},
        {"prn_0503130", 2, "72n/0503130_.extr", "", "Форма 0503130, 72n"},
        {"prn_0503130", 3, "72n/0503230.extr", "", "Форма 0503230, 72n"},
        {"prn_0503130", 4, "72n/0503230_.extr", "", "Форма 0503230, 72n"},
        {"prn_0503130", 5, "128n/0503130_.extr", "", "Форма 0503130, 128n"},
        {"prn_0503130", 6, "128n/0503130.extr", "", "Форма 0503130, 128n"},
        {"prn_0503160", 0, nullptr, "", "Форма 0503160"},
        {"prn_0503168", 0, "0503160/0503168.extr", ",0", "Форма 0503168, 0503160"},
        {"prn_0503168", 1, "72n/0503168_.extr", ",0", "Форма 0503168, 72n"},
        {"prn_0503168", 2, "128n/0503168.extr", ",0", "Форма 0503168, 128n"},
        {"prn_0503169", 0, "0503160/0503169.extr", "", "Форма 0503169, 0503160"},
        {"prn_0503169", 1, "72n/0503169.extr", "", "Форма 0503169, 72n"},
        {"prn_0503169", 2, "128n/0503169.extr", "", "Форма 0503169, 128n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString("%1 route %2").arg(c.document).arg(c.route).toStdString());
        CPrnOfficialView* view = Open(c.document, c.route);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->GetDocument()->GetTitle(), CString(c.title));
        if (auto* accounts = dynamic_cast<CPrn0503125_08View*>(view))
            accounts->m_accounts.SetBCheck(0, 1);
        scripts.calls.clear();
        afxtest::click(view, IDOK);
        Settle();
        const auto [call, context] = TakeCall();
        EXPECT_EQ(call, "PrepareTheReport(" + period + c.more + ")");
        EXPECT_EQ(context, c.file ? "Ext." + files.Path(c.file) : QString("Form.") + c.document);
        // 0503127's own report is not in the configuration yet: the call is told as failed.
        if (QString(c.document) == "prn_0503127" && !c.file) {
            EXPECT_EQ(scripts.errors.size(), 1u);
            scripts.errors.clear();
        }
        CloseReports(*this);
        view->GetParentFrame()->DestroyWindow();
        Settle();
    }
    // The stand-in got the call's texts as the form sent them.
    EXPECT_EQ(LastMessage(), QString("%1|%2|1::;2::|").arg(Day("01.01"), Day("31.12")));

    // A route the form has no report for says so and sends nothing.
    CPrnOfficialView* view = Open("prn_0503130", 9);
    ASSERT_NE(view, nullptr);
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Для формы 0503130 нет отчета варианта печати 9"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_EQ(TakeCall().first, QString());
}

TEST_F(OfficialForms, AccountsOf0503125AreCheckedBeforeItPrints)
{
    StandInReports files;
    auto* view = Open<CPrn0503125_08View>("prn_0503125_08", 0);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->m_accounts.GetNRows(), 5);
    EXPECT_EQ(view->m_accounts.GetCellValue(0, 0), CString("0 304 04 000"));
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Выберите счет"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(CWnd::GetFocus(), &view->m_accounts);
    }
    view->m_accounts.SetBCheck(0, 1);
    view->m_accounts.SetBCheck(2, 1);
    view->m_grid.SetBCheckAll(0);
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Выберите источники финансирования"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(CWnd::GetFocus(), &view->m_grid);
    }
    EXPECT_EQ(TakeCall().first, QString()) << "nothing printed";
    view->m_grid.SetBCheck(0, 1);
    afxtest::click(view, IDOK);
    Settle();
    EXPECT_EQ(TakeCall().first,
              QString("PrepareTheReport(\"%1\",\"%2\",\"1::\",\"\",\"030404000,040101180\")").arg(Day("01.01"), Day("31.12")));
}

TEST_F(OfficialForms, QuotedTextsReachTheReportExactlyAndAreRefusedAsCodes)
{
    const QString branches = QStringLiteral("1\"2\\3");
    const QString kbk = QStringLiteral("5\"\\6");
    {
        StandInReports files;
        CPrnOfficialView* view = Open("prn_0503130", 1);
        ASSERT_NE(view, nullptr);
        view->m_editFil.SetWindowText(CString(branches));
        view->m_grid.SetCellValue(2, 0, CString(kbk));
        afxtest::click(view, IDOK);
        Settle();
        EXPECT_EQ(LastMessage(), QString("%1|%2|1:%3:;2::|%4").arg(Day("01.01"), Day("31.12"), kbk, branches));
        EXPECT_EQ(RememberedPrintBranches(), CString(branches));
        view->GetParentFrame()->DestroyWindow();
    }
    // The form's own report refuses them as codes, naming the text.
    CPrnOfficialView* view = Open("prn_0503130", 0);
    ASSERT_NE(view, nullptr);
    const int windows = ChildCount();
    afxtest::click(view, IDOK);
    Settle();
    EXPECT_EQ(LastMessage(), QString("Неверный список филиалов \"%1\"").arg(branches));
    view->m_editFil.SetWindowText("");
    view->m_grid.SetCellValue(2, 0, CString(kbk));
    afxtest::click(view, IDOK);
    Settle();
    EXPECT_EQ(LastMessage(), QString("Неверный список источников финансирования \"1:%1:;2::\"").arg(kbk));
    // No source checked: no figures, no form.
    view->m_grid.SetBCheckAll(0);
    afxtest::click(view, IDOK);
    Settle();
    EXPECT_EQ(LastMessage(), QStringLiteral("Выберите источники финансирования"));
    EXPECT_EQ(ChildCount(), windows);
}

TEST_F(OfficialForms, FormsRememberTheLastBranchesAndTheEconomicCodesPerRoute)
{
    StandInReports files;
    CPrnOfficialView* view = Open("prn_0503169", 1);
    ASSERT_NE(view, nullptr);
    for (const char* branches : {"1", "2,3"}) {
        view->m_editFil.SetWindowText(branches);
        afxtest::click(view, IDOK);
        Settle();
    }
    EXPECT_EQ(RememberedPrintBranches(), CString("2,3"));
    view->GetParentFrame()->DestroyWindow();

    // "Раскрывать ЭКР" is kept per route (and project type); the second KBK
    // shows for the two 0503127 files only.
    const struct {
        int route;
        bool secondKbk;
    } routes[] = {{0, false}, {1, true}, {2, false}, {3, true}, {4, false}};
    for (const auto& r : routes) {
        SCOPED_TRACE(r.route);
        auto* form = Open<CPrn0503127View>("prn_0503127", r.route);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->m_grid.GetNCols(), 4);
        EXPECT_EQ(form->m_grid.GetColHidden(3) == 0, r.secondKbk);
        EXPECT_EQ(form->m_bEkr, 1);
        form->GetParentFrame()->DestroyWindow();
        Settle();
    }
    auto* form = Open<CPrn0503127View>("prn_0503127", 1);
    ASSERT_NE(form, nullptr);
    afxtest::setChecked(form, IDC_OF_EXPAND, false);
    afxtest::setChecked(form, IDC_OF_304_05, true);
    afxtest::click(form, IDOK);
    Settle();
    EXPECT_TRUE(TakeCall().first.endsWith(",0,1,1,1,1,1)"));
    form->GetParentFrame()->DestroyWindow();
    Settle();
    EXPECT_EQ(Open<CPrn0503127View>("prn_0503127", 1)->m_bEkr, 0);
    EXPECT_EQ(Open<CPrn0503127View>("prn_0503127", 3)->m_bEkr, 1);
    EXPECT_EQ(AfxGetApp()->GetProfileInt(FormatText("forma127%ld_1", g_lProjectType), "ekr", -1), 0);
}

TEST_F(OfficialForms, FiguresOfTheBalanceAndTheResultsAgreeWithThePostings)
{
    ASSERT_TRUE(scripts.Define(kFigures));
    const struct {
        const char* name;
        const char* list;
        const char* figures;
    } cases[] = {
        // Start: 1000 of fixed assets and 500 on the account against 304 05.
        // End: source 1 has 900 net of depreciation, 300 on the account and
        // 50 in the cash desk, source 2 a debtor of 400; income 50 + 400,
        // expenses 300 + 100 + 150. Assets equal liabilities at both dates.
        {"both sources", "1::;2::", "1500.00 1500.00 1650.00 1650.00 450.00 550.00 -100.00 1250.00 100.00"},
        {"source 2 unchecked", "1::", "1500.00 1500.00 1250.00 1250.00 50.00 400.00 -350.00 1250.00 100.00"},
        {"source 1 on KBK 5 only, source 2 whole", "1:5:;2::",
         "1500.00 1500.00 1600.00 1600.00 400.00 550.00 -150.00 1200.00 100.00"},
        {"source 1 on KBK 6 only", "1:6:", "0.00 0.00 50.00 50.00 50.00 0.00 50.00 50.00 0.00"},
        {"a branch without postings", "1::;2::", nullptr},
        {"nothing checked", "", "refused: Выберите источники финансирования"},
        {"a code that is no number", "1:5 or 1=1:", "refused: Неверный список источников финансирования \"1:5 or 1=1:\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.figures)
            EXPECT_EQ(Figures(c.list, "2"), CString("0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00"));
        else
            EXPECT_EQ(Figures(c.list), CString(c.figures));
    }
}

TEST_F(OfficialForms, ReportsPrintTheirEditions)
{
    BuiltReports folder;
    const struct {
        const char* document;
        int route;
        const char* code;
        const char* heading;
        const char* figure;
    } cases[] = {
        {"prn_0503130", 0, "0503130", "БАЛАНС ГЛАВНОГО РАСПОРЯДИТЕЛЯ", "1650.00"},
        {"prn_0503130", 1, "0503130", "приказ Минфина России № 72н", "1650.00"},
        {"prn_0503130", 2, "0503130", "БАЛАНС ГЛАВНОГО РАСПОРЯДИТЕЛЯ", "1650.00"},
        {"prn_0503130", 3, "0503230", "БАЛАНС ИСПОЛНЕНИЯ СМЕТЫ", "1650.00"},
        {"prn_0503130", 4, "0503230", "БАЛАНС ИСПОЛНЕНИЯ СМЕТЫ", "1650.00"},
        {"prn_0503130", 5, "0503130", "приказ Минфина России № 128н", "1650.00"},
        {"prn_0503130", 6, "0503130", "приказ Минфина России № 128н", "1650.00"},
        {"prn_0503121", 0, "0503121", "ОТЧЕТ О ФИНАНСОВЫХ РЕЗУЛЬТАТАХ ДЕЯТЕЛЬНОСТИ", "-100.00"},
        {"prn_0503121", 1, "0503121", "приказ Минфина России № 72н", "-100.00"},
        {"prn_0503121", 2, "0503121", "приказ Минфина России № 128н", "-100.00"},
        {"prn_0503130_sb", 0, "0503110", "СПРАВКА ПО ЗАКЛЮЧЕНИЮ СЧЕТОВ", "1 401 02 000"},
        {"prn_0503130_sb", 1, "0503110", "приказ Минфина России № 72н", "2 401 01 000"},
        {"prn_0503130_sb", 2, "0503110", "приказ Минфина России № 128н", "400.00"},
        {"prn_0503160", 0, "0503160", "ПОЯСНИТЕЛЬНАЯ ЗАПИСКА", "Раздел 5. Прочие вопросы"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString("%1 route %2").arg(c.document).arg(c.route).toStdString());
        CPrnOfficialView* view = Open(c.document, c.route);
        ASSERT_NE(view, nullptr);
        afxtest::click(view, IDOK);
        Settle();
        ASSERT_NE(Active<CReportView>(), nullptr);
        const QString text = ledgertest::ShownReportText(*this);
        for (const char* part : {c.code, c.heading, c.figure, "Главный бухгалтер", "Руководитель"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
        view->GetParentFrame()->DestroyWindow();
        Settle();
    }
    // The balance saved as the user saves it: across the sheet.
    CPrnOfficialView* view = Open("prn_0503130", 0);
    ASSERT_NE(view, nullptr);
    afxtest::click(view, IDOK);
    Settle();
    const ledgertest::SavedReport report = ledgertest::SaveShownReport(*this, QStringLiteral("official_0503130.png"));
    EXPECT_TRUE(report.saved);
    EXPECT_GE(report.pages, 1);
    EXPECT_TRUE(report.across);
    EXPECT_GT(report.colours, 2);
}

// The demo data's year of the registers with the demo's counterparts of its
// opening balances, loaded again statement by statement (each on one line:
// the layer runs lines apart) on the layer's connection, where the files'
// variables live from one statement to the next.
void LoadDemoYear()
{
    for (const char* name : {"970-ledger-registers-demo.sql", "975-ledger-official-forms-demo.sql"}) {
        QFile file(QString::fromUtf8(std::getenv("VORNAL_ROOT")) + "/db/mysql/" + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        QString text;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
            if (!line.trimmed().startsWith("--"))
                text += line + "\n";
        for (const QString& statement : text.split(";\n"))
            if (!statement.trimmed().isEmpty())
                ASSERT_NE(ExecuteSql(CString(QString(statement).replace('\n', ' '))), 0) << statement.toStdString();
    }
}

TEST_F(OfficialForms, TheDemoYearBalancesAndPrints)
{
    Run("delete from ledmark_provodki");
    LoadDemoYear();
    ASSERT_TRUE(scripts.Define(kFigures));
    const QStringList figures = Figures("1::;2::").ToQString().split(' ');
    ASSERT_EQ(figures.size(), 9) << figures.join(' ').toStdString();
    EXPECT_EQ(figures[0], figures[1]) << "assets and liabilities at the start";
    EXPECT_EQ(figures[2], figures[3]) << "assets and liabilities at the end";
    EXPECT_NE(figures[2], "0.00");
    EXPECT_NE(figures[4], "0.00") << "income";
    EXPECT_NE(figures[5], "0.00") << "expenses";
    BuiltReports folder;
    const struct {
        const char* document;
        int route;
        const char* picture;
        const char* figure;
    } cases[] = {
        {"prn_0503130", 0, "demo_0503130.png", nullptr},
        {"prn_0503130", 2, "demo_0503130_kbk.png", nullptr},
        {"prn_0503121", 0, "demo_0503121.png", nullptr},
        {"prn_0503130_sb", 1, "demo_0503110.png", "1 401 02 000"},
        {"prn_0503160", 0, "demo_0503160.png", "Раздел 1."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        CPrnOfficialView* view = Open(c.document, c.route);
        ASSERT_NE(view, nullptr);
        afxtest::click(view, IDOK);
        Settle();
        // The report's window is named as the form, whichever edition's file printed it.
        auto* shown = Active<CReportView>();
        ASSERT_NE(shown, nullptr);
        CString caption;
        shown->GetParentFrame()->GetWindowText(caption);
        EXPECT_EQ(caption, view->Title());
        const ledgertest::SavedReport report = ledgertest::SaveShownReport(*this, QString::fromUtf8(c.picture));
        EXPECT_TRUE(report.saved);
        EXPECT_GE(report.pages, 1);
        const QString expected = c.figure ? QString::fromUtf8(c.figure) : figures[c.document == QString("prn_0503121") ? 6 : 2];
        EXPECT_TRUE(report.text.contains(expected)) << expected.toStdString() << "\n" << report.text.toStdString();
        CloseReports(*this);
        view->GetParentFrame()->DestroyWindow();
        Settle();
    }
}

TEST_F(OfficialForms, PictureOfEachParameterForm)
{
    for (const char* document : {"prn_0503130", "prn_0503125_08", "prn_0503127", "prn_0503130_sb", "prn_0503168"}) {
        SCOPED_TRACE(document);
        CPrnOfficialView* view = Open(document, 1);
        ASSERT_NE(view, nullptr);
        Settle();
        const QImage picture = afxtest::grab(view->GetParentFrame());
        ASSERT_FALSE(picture.isNull());
        EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/official_" + document + ".png"));
    }
}

} // namespace
