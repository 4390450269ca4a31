// The payroll's two positions books on the demo data: a position shown with
// every pay sheet but 4 in each book's formats, saved in one transaction with
// only the book's own columns of the sheets it shows (sheet 4 and the other
// book's columns kept), new codes that never clash, a typed code without a
// position saved as a new one, names kept exactly, and "Кто" under strict
// grouping.
#include "../res/resource.h"
#include "CSprDolView.h"
#include "ChooserForm.h"
#include "InteractionScript.h"
#include "PayPositionBook.h"
#include "PayrollProgram.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <thread>

namespace {

using npaymar::CPayPositionView;
using npaymar::CSprDolDetView;
using npaymar::CSprDolView;

class PayPositions : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // Position 50 with a row the short book wrote, one the detailed book
        // wrote, and sheet 4's row that neither lists.
        Run("delete from spr_paymar_dol1 where id>=50\n"
            "delete from spr_paymar_dol where id>=50\n"
            "insert into spr_paymar_dol (id,name,kat,raz,vr,vr2,vr3,vr4) values (50,'Массажист','первая','5',10,15,"
            "20,25)\n"
            "insert into spr_paymar_dol1 (id,nv,okl,Rlech,Rdet,Rort,nch,kontr,chts,okl2) values "
            "(50,1,15000,0.5,NULL,NULL,NULL,NULL,NULL,NULL),(50,2,NULL,NULL,NULL,NULL,NULL,3000,120.75,9000),"
            "(50,4,7777,NULL,NULL,NULL,NULL,NULL,NULL,NULL)");
    }

    template <class View>
    View* OpenBook(const char* document, const char* code)
    {
        CHelpers::FN_OpenDocument0(document, 0, nullptr);
        auto* view = Active<View>();
        if (view)
            view->SetDlgItemText(IDC_DOL, code);
        return view;
    }
    // "nv:okl:Rlech:Rdet:Rort:nch:kontr:chts:okl2" of each row of the position.
    CString Rows(const char* code)
    {
        return Text(FormatText(
            "select group_concat(concat_ws(':',nv,coalesce(okl,''),coalesce(Rlech,''),coalesce(Rdet,''),"
            "coalesce(Rort,''),coalesce(nch,''),coalesce(kontr,''),coalesce(chts,''),coalesce(okl2,'')) order by nv "
            "separator ' ') as str from spr_paymar_dol1 where id=%s",
            code));
    }
    // The grid's rows as "nv|rate|rate|rate|rate|rate".
    static QStringList Grid(CPayPositionView* view)
    {
        QStringList rows;
        for (long r = 0; r < view->m_grid.GetNRows(); ++r) {
            QStringList cells{view->m_grid.GetCellValue(0, r).ToQString()};
            for (int c = 2; c < 7; ++c)
                cells << view->m_grid.GetCellValue(c, r).ToQString();
            rows << cells.join('|');
        }
        return rows;
    }
    static long RowOf(CPayPositionView* view, const char* nv)
    {
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            if (view->m_grid.GetCellValue(0, r) == nv)
                return r;
        return -1;
    }
    static void Save(CWnd* view, const char* message = "Записать изменения ? ", int answer = IDYES)
    {
        afxtest::InteractionScript script;
        script.message(message, answer);
        afxtest::click(view, IDOK);
        script.verify();
    }
};

TEST_F(PayPositions, EachBookShowsEverySheetButTheFourthInItsFormats)
{
    auto* view = OpenBook<CSprDolView>("SprDolView", "");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Grid(view), QStringList({"1|||||", "2|||||", "3|||||", "5|||||"})) << "a fresh book: empty rates";
    view->SetDlgItemText(IDC_DOL, "50");
    EXPECT_EQ(afxtest::text(view, IDC_DOL_NAME), QString("Массажист"));
    EXPECT_EQ(afxtest::text(view, IDC_PAY_DOL_KAT), QString("первая"));
    EXPECT_EQ(afxtest::text(view, IDC_PAY_DOL_RAZ), QString("5"));
    EXPECT_EQ(afxtest::text(view, IDC_PAY_DOL_VR), QString("10.00"));
    EXPECT_EQ(Grid(view), QStringList({"1|15000.00|0.500|||", "2|||||", "3|||||", "5|||||"}));

    auto* det = OpenBook<CSprDolDetView>("SprDolDetView", "50");
    ASSERT_NE(det, nullptr);
    EXPECT_EQ(afxtest::text(det, IDC_PAY_DOL_KAT_DET), QString("первая"));
    for (auto [field, shown] : {std::pair{IDC_PAY_DOL_VR2, "15.00"}, {IDC_PAY_DOL_VR3, "20.00"}, {IDC_PAY_DOL_VR4, "25.00"}})
        EXPECT_EQ(afxtest::text(det, field), QString(shown)) << field;
    EXPECT_EQ(Grid(det), QStringList({"1|15000.00||||", "2||3000.00|120.75||9000.00", "3|||||", "5|||||"}))
        << "hours keep their decimals";
    det->SetDlgItemText(IDC_DOL, "999");
    EXPECT_EQ(afxtest::text(det, IDC_PAY_DOL_VR2), QString()) << "an unknown code shows nothing";
    EXPECT_EQ(Grid(det), QStringList({"1|||||", "2|||||", "3|||||", "5|||||"}));
}

TEST_F(PayPositions, ASaveWritesOnlyTheBooksOwnColumnsOfTheSheetsItShows)
{
    struct Case {
        const char* what;
        const char* document;   // the book
        const char* code;       // typed
        const char* name;
        const char* nv;         // the sheet typed into
        int column;             // grid column, 2 to 6
        const char* typed;
        const char* saved;      // the code written
        const char* rows;       // the position's rows then
    };
    const Case cases[] = {
        {"a salary with a comma", "SprDolView", "50", "Массажист", "2", 2, "1234,5", "50",
         "1:15000.00:0.500:::::: 2:1234.50:::::3000.00:120.7500:9000.00 4:7777.00:::::::"},
        {"a rate with three decimals", "SprDolView", "50", "Массажист", "3", 3, "0.125", "50",
         "1:15000.00:0.500:::::: 2:1234.50:::::3000.00:120.7500:9000.00 3::0.125:::::: 4:7777.00:::::::"},
        {"a row cleared loses its rates only", "SprDolView", "50", "Массажист", "1", 2, "", "50",
         "1::0.500:::::: 2:1234.50:::::3000.00:120.7500:9000.00 3::0.125:::::: 4:7777.00:::::::"},
        {"the detailed book keeps Rlech", "SprDolDetView", "50", "Массажист", "1", 6, "500", "50",
         "1::0.500::::::500.00 2:1234.50:::::3000.00:120.7500:9000.00 3::0.125:::::: 4:7777.00:::::::"},
        {"a new position takes the next code", "SprDolView", "", "Логопед", "5", 6, "12,5", "51",
         "5:::::12.5000:::"},
        {"a typed code without a position is a new one", "SprDolDetView", "70", "Тьютор", "1", 4, "99,25", "70",
         "1:::::::99.2500:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CHelpers::FN_OpenDocument0(c.document, 0, nullptr);
        auto* view = Active<CPayPositionView>();
        ASSERT_NE(view, nullptr);
        view->SetDlgItemText(IDC_DOL, c.code);
        view->SetDlgItemText(IDC_DOL_NAME, c.name);
        view->m_grid.SetCellValue(c.column, RowOf(view, c.nv), c.typed);
        Save(view);
        EXPECT_EQ(afxtest::text(view, IDC_DOL), QString(c.saved)) << "the position shown again";
        EXPECT_EQ(Rows(c.saved), CString(c.rows));
        EXPECT_EQ(Text(FormatText("select name as str from spr_paymar_dol where id=%s", c.saved)), CString(c.name));
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
    EXPECT_EQ(Text("select concat_ws(':',kat,raz,vr,vr2,vr3,vr4) as str from spr_paymar_dol where id=50"),
              CString("первая:5:10.00:15.00:20.00:25.00"))
        << "the short book leaves the detailed book's allowances";
    // The last rate of a row cleared: the row goes.
    auto* view = OpenBook<CSprDolView>("SprDolView", "51");
    ASSERT_NE(view, nullptr);
    view->m_grid.SetCellValue(6, RowOf(view, "5"), "");
    Save(view);
    EXPECT_EQ(Count("select count(*) as cnt from spr_paymar_dol1 where id=51"), 0);
}

TEST_F(PayPositions, RefusalsAndAFailureWriteNothing)
{
    auto* view = OpenBook<CSprDolDetView>("SprDolDetView", "50");
    ASSERT_NE(view, nullptr);
    const CString before = Rows("50");
    struct Case {
        const char* what;
        const char* name;
        const char* allowance;   // vr2
        const char* rate;        // sheet 3's salary
        const char* message;
        int answer;
    };
    const Case cases[] = {
        {"no name", "  ", "15", "100", "Укажите наименование", IDOK},
        {"an allowance that is no number", "Массажист", "15%", "100", "Укажите число: Категория в %", IDOK},
        {"a rate that is no number", "Массажист", "15", "сто", "Укажите число: Оклад ведомости 3", IDOK},
        {"declined", "Массажист", "15", "100", "Записать изменения ? ", IDNO},
        // Beyond the column's range: the server refuses the row after the
        // position's header was written.
        {"a failing rate", "Массажист (ст.)", "16", "12345678901234", "Записать изменения ? ", IDYES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view->SetDlgItemText(IDC_DOL_NAME, c.name);
        view->SetDlgItemText(IDC_PAY_DOL_VR2, c.allowance);
        view->m_grid.SetCellValue(2, RowOf(view, "3"), c.rate);
        Save(view, c.message, c.answer);
        EXPECT_EQ(Rows("50"), before);
        EXPECT_EQ(Text("select concat(name,':',vr2) as str from spr_paymar_dol where id=50"), CString("Массажист:15.00"));
    }
    EXPECT_FALSE(dbReports.reports().empty()) << "the failure is reported";
    dbReports.clear(1);
}

TEST_F(PayPositions, TwoClerksCreatingPositionsAtOnceKeepBoth)
{
    auto* view = OpenBook<CSprDolView>("SprDolView", "");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_DOL_NAME, "Логопед");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES, [] {
        std::thread other([] {
            CDbThreadSession session;
            npaymar::PayPositionRecord record{"", "Тьютор", {}, {"okl", "Rlech", "Rdet", "Rort", "nch"}, {}};
            EXPECT_TRUE(npaymar::WritePayPosition(record));
            EXPECT_EQ(record.code, CString("51"));
        });
        other.join();
    });
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(afxtest::text(view, IDC_DOL), QString("52"));
    EXPECT_EQ(Text("select group_concat(name order by id separator ', ') as str from spr_paymar_dol where id>50"),
              CString("Тьютор, Логопед"));
}

TEST_F(PayPositions, NamesAreKeptExactlyAndWhoRunsUnderStrictGrouping)
{
    auto* view = OpenBook<CSprDolView>("SprDolView", "50");
    ASSERT_NE(view, nullptr);
    const char* const hostile = "Врач 'О\\'Нил'\nвторой; drop table tn";
    view->SetDlgItemText(IDC_DOL_NAME, hostile);
    view->SetDlgItemText(IDC_PAY_DOL_KAT, "выс'шая\\");
    Save(view);
    EXPECT_EQ(Text("select name as str from spr_paymar_dol where id=50"), CString(hostile));
    EXPECT_EQ(Text("select kat as str from spr_paymar_dol where id=50"), CString("выс'шая\\"));
    view->SetDlgItemText(IDC_DOL, "");
    view->SetDlgItemText(IDC_DOL, "50");
    EXPECT_EQ(afxtest::text(view, IDC_DOL_NAME), QString(hostile));

    // Two employees on position 50.
    Run("update paymar_bux set dol=50 where (tn=3 and npp=1) or (tn=5 and npp=2)\n"
        "set session sql_mode=concat(@@sql_mode, ',ONLY_FULL_GROUP_BY')");
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        const QStringList rows = pickertest::Rows(d);
        EXPECT_EQ(rows.filter(QRegularExpression("^(3|5) ")).size(), 2) << rows.join('\n').toStdString();
        d.click(IDCANCEL);
    });
    afxtest::click(view, IDC_PAY_DOL_WHO);
    script.verify();
    Run("set session sql_mode=replace(@@sql_mode, ',ONLY_FULL_GROUP_BY', '')");
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(PayPositions, TheDetailedBookWithItsRates)
{
    auto* view = OpenBook<CSprDolDetView>("SprDolDetView", "50");
    ASSERT_NE(view, nullptr);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/SprDolDetView.png"));
    auto* shortBook = OpenBook<CSprDolView>("SprDolView", "50");
    ASSERT_NE(shortBook, nullptr);
    Settle();
    QCoreApplication::processEvents();
    EXPECT_TRUE(afxtest::grab(shortBook->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/SprDolView.png"));
}

// Last, as it empties the book: the first position of an empty book is 1.
TEST_F(PayPositions, TheFirstPositionOfAnEmptyBookIsOne)
{
    Run("delete from spr_paymar_dol1\n"
        "delete from spr_paymar_dol");
    auto* view = OpenBook<CSprDolView>("SprDolView", "");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_DOL_NAME, "Заведующий");
    Save(view);
    EXPECT_EQ(afxtest::text(view, IDC_DOL), QString("1"));
}

} // namespace
