// The tariffication list: the figures of one assignment in both arithmetics
// (rows checked by hand), the eight column sets, and the list of the demo
// statement built, totalled and shown in the report window.
#include "CPrnVenzolView.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "ReportPage.h"
#include "StaffProgram.h"
#include "TariffFigures.h"
#include "TariffList.h"
#include "TariffListColumns.h"
#include "ndbcore.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {

using namespace nvenzol;

// A date `years` years and `days` days before the list's end date.
CString Before(const QDate& end, int years, int days = 0)
{
    return CString(end.addYears(-years).addDays(-days).toString("dd.MM.yyyy"));
}

TariffContext List(int digits)
{
    TariffContext list;
    list.d1 = list.d2 = "10.12.2026";
    list.digits = digits;
    list.scale.okl1 = 4330;
    list.scale.kof = {{1, 1.0}, {12, 2.423}};
    list.gradeKof = [](int grade, double& kof) {
        kof = grade == 12 ? 2.423 : 1.0;
        return grade != 40;
    };
    return list;
}

TEST(TariffFiguresTest, TheClassicArithmetic)
{
    const QDate end(2026, 12, 10);
    struct Case {
        const char* what;
        TariffInput in;
        int digits;
        double K, B, O, Spct, S, zv, T;
        const char* stext;
    };
    auto row = [](auto change) {
        TariffInput in;
        in.fio = "Иванова А.П.";
        in.raz = "10";
        in.raz1 = "2.00";
        in.kof = 2;
        change(in);
        return in;
    };
    const Case cases[] = {
        {"kof 2 over grade 12", row([](TariffInput&) {}), 0, 2, 8660, 8660, 0, 0, 0, 8660, ""},
        {"kof 0: the grade's coefficient", row([](TariffInput& in) { in.kof = 0; }), 0, 2.423, 10492, 10492, 0, 0,
         0, 10492, ""},
        {"two decimals", row([](TariffInput& in) { in.kof = 0; }), 2, 2.423, 10491.59, 10491.59, 0, 0, 0, 10491.59,
         ""},
        {"4 years: 20 %", row([&](TariffInput& in) { in.nsr = Before(end, 4, 10); }), 0, 2, 8660, 8660, 20, 1732, 0,
         10392, "4-0-10"},
        {"5 years: 30 %", row([&](TariffInput& in) { in.nsr = Before(end, 5); }), 0, 2, 8660, 8660, 30, 2598, 0,
         11258, "5-0-0"},
        {"a district doctor", row([&](TariffInput& in) {
             in.uch = true;
             in.nsr = Before(end, 6);
             in.nsrU = Before(end, 7, 3);
         }),
         0, 2, 8660, 8660, 60, 5196, 0, 13856, "7-0-3"},
        {"a vacancy", row([&](TariffInput& in) {
             in.fio = "Вакансия";
             in.nsr = Before(end, 6);
             in.uchStaj = true;
         }),
         0, 2, 8660, 8660, 15, 1299, 0, 9959, ""},
        {"seniority not counted", row([&](TariffInput& in) {
             in.nsr = Before(end, 6);
             in.uchStaj = true;
         }),
         0, 2, 8660, 8660, 0, 0, 0, 8660, ""},
        {"class allowance when zasVR is null", row([](TariffInput& in) { in.prZv = 10; }), 0, 2, 8660, 8660, 0, 0,
         10, 9526, ""},
        {"half a rate, harm 12 % left out of seniority", row([&](TariffInput& in) {
             in.st = 0.5;
             in.vr = 12;
             in.uchVred = true;
             in.nsr = Before(end, 5);
         }),
         0, 2, 8660, 4330, 30, 1299, 0, 6149, "5-0-0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TariffFigures f;
        ASSERT_TRUE(ClassicFigures(c.in, List(c.digits), f));
        EXPECT_EQ(f.G, 12);
        EXPECT_DOUBLE_EQ(f.K, c.K);
        EXPECT_DOUBLE_EQ(f.B, c.B);
        EXPECT_DOUBLE_EQ(f.O, c.O);
        EXPECT_DOUBLE_EQ(f.Spct, c.Spct);
        EXPECT_DOUBLE_EQ(f.S, c.S);
        EXPECT_DOUBLE_EQ(f.zv, c.zv);
        EXPECT_NEAR(f.T, c.T, 1e-6);
        EXPECT_EQ(f.Stext, CString(c.stext));
    }
    TariffInput unknown = row([](TariffInput& in) {
        in.kof = 0;
        in.raz = "38";
    });
    TariffFigures f;
    EXPECT_FALSE(ClassicFigures(unknown, List(0), f)) << "a coefficient the script cannot give stops the row";
}

TEST(TariffFiguresTest, TheNewArithmetic)
{
    struct Case {
        const char* what;
        TariffInput in;
        double B, O, Gs, KAT, IO, H, S, T;
    };
    auto row = [](auto change) {
        TariffInput in;
        in.fio = "Иванова А.П.";
        in.raz = "1";
        in.oklGr = 10000;
        in.st = 0.5;
        in.plusKat = 20;
        change(in);
        return in;
    };
    const QDate end(2026, 12, 10);
    const Case cases[] = {
        {"the group salary for half a rate", row([](TariffInput&) {}), 4330, 2165, 5000, 1000, 3165, 0, 0, 3165},
        {"kof raises the group salary first", row([](TariffInput& in) { in.kof = 1.2; }), 5196, 2598, 6000, 1200,
         3798, 0, 0, 3798},
        {"pr_rab lowers the salary only", row([](TariffInput& in) { in.prRab = 10; }), 3897, 1949, 5000, 1000, 2949,
         0, 0, 2949},
        {"seniority of the group salary", row([&](TariffInput& in) {
             in.vr = 10;
             in.nsr = Before(end, 5);
         }),
         4330, 2165, 5000, 1000, 3165, 500, 1500, 5165},
        {"uch_vred adds the harm to its base", row([&](TariffInput& in) {
             in.vr = 10;
             in.uchVred = true;
             in.nsr = Before(end, 5);
         }),
         4330, 2165, 5000, 1000, 3165, 500, 1650, 5315},
        {"zasRAB is in the total", row([](TariffInput& in) { in.zasRAB = 10; }), 4330, 2165, 5000, 1000, 3165, 0, 0,
         3665},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TariffFigures f = NewFigures(c.in, List(0));
        EXPECT_DOUBLE_EQ(f.B, c.B);
        EXPECT_DOUBLE_EQ(f.O, c.O);
        EXPECT_DOUBLE_EQ(f.Gs, c.Gs);
        EXPECT_DOUBLE_EQ(f.KAT, c.KAT);
        EXPECT_DOUBLE_EQ(f.IO, c.IO);
        EXPECT_DOUBLE_EQ(f.H, c.H);
        EXPECT_DOUBLE_EQ(f.S, c.S);
        EXPECT_DOUBLE_EQ(f.T, c.T);
    }
}

TEST(TariffColumnsTest, EachSetNumbersEveryColumnAndTheTotalsFill)
{
    struct Case {
        bool newVariant;
        int tp;
        int columns;
        const char* lastNumbers;
    };
    const Case cases[] = {
        {false, 1, 25, "24 25"}, {false, 2, 29, "28 29"}, {false, 3, 19, "18 19"}, {false, 4, 19, "18 19"},
        {true, 1, 30, "23 24"},  {true, 2, 31, "27 28"},  {true, 3, 22, "18 19"},  {true, 4, 27, "21 22"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.newVariant ? "new " : "classic ") + std::to_string(c.tp));
        const TariffColumnSet* set = c.newVariant ? NewColumns(c.tp) : ClassicColumns(c.tp);
        ASSERT_NE(set, nullptr);
        EXPECT_EQ(ColumnCount(*set), c.columns);
        if (c.newVariant) {
            ASSERT_EQ(int(set->numbering.size()), c.columns);
            EXPECT_EQ(set->numbering[c.columns - 2] + " " + set->numbering[c.columns - 1], std::string(c.lastNumbers));
        }
        int leading = 0;
        for (const TariffGroup& group : set->groups) {
            if (leading >= set->labelSpan)
                break;
            leading += int(group.cells.size());
        }
        EXPECT_EQ(leading, set->labelSpan) << "the total's label ends between groups";
    }
    EXPECT_EQ(ClassicColumns(5), nullptr);
    EXPECT_EQ(NewColumns(0), nullptr);
}

class TariffListOnDemo : public stafftest::StaffProgram {
protected:
    TariffListRequest Request(int vf, int tp, bool newVariant)
    {
        TariffListRequest r;
        r.nv = 1;
        r.vf = vf;
        r.tp = tp;
        r.newVariant = newVariant;
        r.d1 = r.d2 = CString(QDate::currentDate().toString("dd.MM.yyyy"));
        r.members[0] = "3";
        r.members[1] = "1";
        return r;
    }
    static int Count(const CString& html, const char* text)
    {
        return int(html.ToQString().count(QString::fromUtf8(text)));
    }
};

TEST_F(TariffListOnDemo, TheListGroupsTotalsAndSignsOrShowsNothing)
{
    TariffListPage page;
    ASSERT_TRUE(BuildTariffList(Request(4, 4, false), page));
    EXPECT_GT(page.total, 0);
    EXPECT_EQ(Count(page.html, "ВСЕГО ПО СПИСКУ"), 1);
    EXPECT_EQ(Count(page.html, "ПРОЧИЙ ПЕРСОНАЛ"), 1) << "the category head in capitals";
    EXPECT_GT(Count(page.html, "Итого Пищеблок Прочий персонал"), 0);
    EXPECT_EQ(Count(page.html, "Члены Тарификационной комиссии:"), 1);
    EXPECT_EQ(Count(page.html, "Смирнова Елена Викторовна"), 1) << "a member signs";
    EXPECT_EQ(Count(page.html, "Форма № 4"), 1);
    EXPECT_EQ(Count(page.html, "Вакансия"), 1) << "the vacancy's row";

    // A department whose rows total 0 gets no total row; a list of 0 shows nothing.
    Run("update perso_tn_nip set okl=0, kof=0.0001 where vf=4 and prd=2");
    ASSERT_TRUE(BuildTariffList(Request(4, 4, false), page));
    EXPECT_EQ(Count(page.html, "Итого Пищеблок"), 0);
    ASSERT_TRUE(BuildTariffList(Request(99, 4, false), page));
    EXPECT_EQ(page.total, 0);

    afxtest::InteractionScript script;
    script.message("Неверный тип формы", IDOK);
    EXPECT_FALSE(BuildTariffList(Request(4, 5, false), page));
    script.verify();
}

TEST_F(TariffListOnDemo, ACoefficientTheScriptCannotGiveStopsTheList)
{
    Run("update perso_tn_nip set kof=NULL, okl=NULL where tn=2 and npp=1\n"
        "update ssv set raz='30' where id=3");
    TariffListPage page;
    EXPECT_FALSE(BuildTariffList(Request(1, 1, false), page));
    EXPECT_TRUE(page.html.IsEmpty());
    EXPECT_FALSE(scripts.errors.empty()) << "the script's reason is shown";
    scripts.Clear();
    Run("update ssv set raz='11' where id=3");
}

TEST_F(TariffListOnDemo, EveryFormPrintsInTheReportWindow)
{
    for (bool newVariant : {false, true})
        for (int tp = 1; tp <= 4; ++tp) {
            SCOPED_TRACE((newVariant ? "new " : "classic ") + std::to_string(tp));
            CHelpers::FN_OpenDocument0("prn_venzol", 0, nullptr);
            auto* form = Active<CPrnVenzolView>();
            ASSERT_NE(form, nullptr);
            if (newVariant)
                form->PrintListNew(1, tp, tp);
            else
                form->PrintList(1, tp, tp);
            Settle();
            auto* report = Active<CReportView>();
            ASSERT_NE(report, nullptr);
            const QString html = report->GetPage()->Html();
            EXPECT_TRUE(html.contains("ВСЕГО ПО СПИСКУ"));
            report->GetParentFrame()->GetQWidget()->resize(1500, 900);
            QCoreApplication::processEvents();
            const QImage picture = afxtest::grab(report->GetParentFrame());
            EXPECT_GT(afxtest::distinctColours(picture), 5);
            EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() +
                                     QString("/tariff_list_%1_%2.png").arg(newVariant ? "new" : "classic").arg(tp)));
        }
}

} // namespace
