// The payroll's smaller reference books on the demo data: the calendar's
// month (its checks in order, whole figures only, hours that may stay empty,
// one row per month), the pay-code groups, contributions and posting lines
// with their check lists of pay codes (code order, ticks saved and shown
// again, an empty group removed), their checks and messages in order, numbers
// with a decimal comma, names kept exactly, and a failed save that leaves
// the entry as it was.
#include "../res/resource.h"
#include "CSpr5prView.h"
#include "CSprKalView.h"
#include "CSprOtchisView.h"
#include "CSprTvxView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ndbcore.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

using npaymar::CSpr5prView;
using npaymar::CSprKalView;
using npaymar::CSprOtchisView;
using npaymar::CSprTvxView;

class PayBooks : public paytest::PayrollProgram {
protected:
    template <class View>
    View* OpenBook(const char* document)
    {
        CHelpers::FN_OpenDocument0(document, 0, nullptr);
        return Active<View>();
    }
    // The list's lines, each ticked one marked "+".
    static QStringList Lines(CderivedCheckListBox& list)
    {
        QStringList lines;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            lines << (list.GetCheck(i) ? "+" : "") + text.ToQString();
        }
        return lines;
    }
    static QStringList Ticked(CderivedCheckListBox& list) { return Lines(list).filter(QRegularExpression("^\\+")); }
    static void Tick(CderivedCheckListBox& list, long code, bool on)
    {
        for (int i = 0; i < list.GetCount(); ++i)
            if (long(list.GetItemData(i)) == code)
                list.SetCheck(i, on ? 1 : 0);
    }
    static void Save(CWnd* view, const char* message = "Записать изменения ? ", int answer = IDYES)
    {
        afxtest::InteractionScript script;
        script.message(message, answer);
        afxtest::click(view, IDOK);
        script.verify();
    }
    CString Month(const char* code)
    {
        return Text(FormatText("select group_concat(concat_ws(':',dn,bol,coalesce(ch,'-'))) as str from spr_kl1 where "
                               "id=%s and g=%d and ms=%d",
                               code, int(g_lYear), int(g_lMonth)));
    }
};

TEST_F(PayBooks, TheCalendarChecksItsFiguresInOrderAndKeepsOneRowAMonth)
{
    auto* view = OpenBook<CSprKalView>("SprKalView");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_KL), QString("1")) << "the first calendar";
    EXPECT_EQ(afxtest::text(view, IDC_KL_NAME), QString("Пятидневная рабочая неделя"));
    EXPECT_EQ(afxtest::text(view, IDC_KL_DN) + ":" + afxtest::text(view, IDC_KL_BOL) + ":" +
                  afxtest::text(view, IDC_KL_CH),
              Month("1").ToQString());
    struct Case {
        const char* what;
        const char* code;
        const char* dn;
        const char* bol;
        const char* ch;
        const char* message;
        int answer;
        const char* stored;   // calendar 2's month then
    };
    const Case cases[] = {
        {"no calendar", "", "20", "30", "160", "Укажите № календаря", IDOK, ""},
        {"an unknown calendar", "9", "20", "30", "160", "Нет в справочнике", IDOK, ""},
        {"no days for pay", "2", "", "30", "160", "Укажите количество дней по з/пл.", IDOK, ""},
        {"days that are no whole number", "2", "2x", "30", "160", "Укажите количество дней по з/пл.", IDOK, ""},
        {"31 days pass, 32 sick days do not", "2", "31", "32", "160", "Слишком много", IDOK, ""},
        {"no days for sick pay", "2", "26", "", "160", "Укажите количество дней по больничным листам", IDOK, ""},
        {"sick days with a decimal", "2", "26", "30,5", "160", "Укажите количество дней по больничным листам", IDOK,
         ""},
        {"hours with a decimal", "2", "26", "30", "7,5", "Укажите количество часов целым числом", IDOK, ""},
        {"declined", "2", "26", "30", "160", "Записать изменения ? ", IDNO, ""},
        {"saved without hours", "2", "31", "31", "", "Записать изменения ? ", IDYES, "31:31:-"},
        {"saved again", "2", "26", "30", "182", "Записать изменения ? ", IDYES, "26:30:182"},
    };
    Run(FormatText("delete from spr_kl1 where id=2 and g=%d and ms=%d", int(g_lYear), int(g_lMonth)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view->SetDlgItemText(IDC_KL, c.code);
        view->SetDlgItemText(IDC_KL_DN, c.dn);
        view->SetDlgItemText(IDC_KL_BOL, c.bol);
        view->SetDlgItemText(IDC_KL_CH, c.ch);
        Save(view, c.message, c.answer);
        EXPECT_EQ(Month("2"), CString(c.stored));
    }
    // Another month has no row: three empty fields.
    g_lYear = 1999;
    view->SetDlgItemText(IDC_KL, "");
    view->SetDlgItemText(IDC_KL, "2");
    EXPECT_EQ(afxtest::text(view, IDC_KL_DN) + afxtest::text(view, IDC_KL_BOL) + afxtest::text(view, IDC_KL_CH),
              QString());
}

TEST_F(PayBooks, AGroupListsEveryPayCodeInCodeOrderAndKeepsItsTicks)
{
    auto* view = OpenBook<CSprTvxView>("TvxView");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_codes.GetCount(), 0) << "empty until a code is given";
    view->SetDlgItemText(IDC_VOU, "5");
    EXPECT_EQ(afxtest::text(view, IDC_VOU_NAME), QString("Оплата больничного листа"));
    const QStringList lines = Lines(view->m_codes);
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines.front(), QString("+   1   Оклад"));
    EXPECT_EQ(lines.back(), QString(" 204   Удержание по исполнительному листу"));
    EXPECT_EQ(Ticked(view->m_codes).size(), 6);

    Tick(view->m_codes, 27, false);
    Tick(view->m_codes, 5, true);   // the owner among its members
    Tick(view->m_codes, 201, true);
    Save(view);
    EXPECT_EQ(Text("select group_concat(id order by id) as str from spr_tvx where kou=5"),
              CString("1,2,3,5,10,11,201"));
    EXPECT_EQ(Ticked(view->m_codes).size(), 7) << "shown again";

    for (int i = 0; i < view->m_codes.GetCount(); ++i)
        view->m_codes.SetCheck(i, 0);
    Save(view);
    EXPECT_EQ(Count("select count(*) as cnt from spr_tvx where kou=5"), 0) << "no member: the group goes";

    view->SetDlgItemText(IDC_VOU, "99");
    EXPECT_EQ(view->m_codes.GetCount(), 0);
    EXPECT_EQ(afxtest::text(view, IDC_VOU_NAME), QString());
    Save(view, "Нет в справочнике", IDOK);
    view->SetDlgItemText(IDC_VOU, " ");
    Save(view, "Укажите код оплат удержаний", IDOK);
}

TEST_F(PayBooks, AContributionWithACommaPercentageAndItsBase)
{
    auto* view = OpenBook<CSprOtchisView>("spr_otchis");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_OTCHIS, "2");
    EXPECT_EQ(afxtest::text(view, IDC_OTCHIS_NAME), QString("Взносы на обязательное социальное страхование"));
    EXPECT_EQ(afxtest::text(view, IDC_KCN_NAME), QString("Обязательное социальное страхование"));
    EXPECT_EQ(afxtest::text(view, IDC_BOOK_PR), QString("2.90"));
    EXPECT_EQ(view->m_poits.GetCurSel(), 2);
    EXPECT_EQ(Ticked(view->m_codes).size(), 10);

    // A new contribution: the fields stay as typed under an unknown code.
    const char* const hostile = "Взнос 'ОМС'\\\nдоп.";
    view->SetDlgItemText(IDC_OTCHIS, "9");
    EXPECT_EQ(view->m_codes.GetCount(), 0);
    struct Case {
        const char* what;
        const char* code;
        const char* name;
        const char* kcn;
        const char* pr;
        const char* message;
    };
    const Case refusals[] = {
        {"no code", "", "x", "1", "1", "Укажите н/п"},
        {"no name", "9", "", "1", "1", "Укажите наименование"},
        {"no purpose", "9", "x", "", "1", "Укажите код целевого назначения"},
        {"an unknown purpose", "9", "x", "8", "1", "Нет в справочнике"},
        {"no percentage", "9", "x", "1", "", "Укажите процент отчислений"},
        {"a percentage that is no number", "9", "x", "1", "13%", "Укажите процент отчислений"},
    };
    for (const Case& c : refusals) {
        SCOPED_TRACE(c.what);
        view->SetDlgItemText(IDC_OTCHIS, c.code);
        view->SetDlgItemText(IDC_OTCHIS_NAME, c.name);
        view->SetDlgItemText(IDC_KCN, c.kcn);
        view->SetDlgItemText(IDC_BOOK_PR, c.pr);
        Save(view, c.message, IDOK);
        EXPECT_EQ(Count("select count(*) as cnt from spr_paymar_otchis where id=9"), 0);
    }
    view->SetDlgItemText(IDC_OTCHIS, "9");
    view->SetDlgItemText(IDC_OTCHIS_NAME, hostile);
    view->SetDlgItemText(IDC_KCN, "3");
    view->SetDlgItemText(IDC_BOOK_PR, "13,5");
    afxtest::chooseEntry(view, IDC_BOOK_POITS, 1);
    Save(view);
    EXPECT_EQ(Text("select concat_ws(':',name,kcn,pr,poits) as str from spr_paymar_otchis where id=9"),
              CString(hostile) + ":3:13.500:1");
    EXPECT_EQ(afxtest::text(view, IDC_BOOK_PR), QString("13.50"));
    EXPECT_EQ(afxtest::text(view, IDC_OTCHIS_NAME), QString(hostile));
    EXPECT_EQ(view->m_codes.GetCount(), 18) << "the base may be ticked now";
    Tick(view->m_codes, 1, true);
    Tick(view->m_codes, 30, true);
    Save(view);
    EXPECT_EQ(Text("select group_concat(kou order by kou) as str from spr_paymar_otchis1 where id=9"), CString("1,30"));

    // A base code the server refuses: the contribution stays as it was.
    Run("create trigger pay_otchis_refuse before insert on spr_paymar_otchis1 for each row "
        "signal sqlstate '45000' set message_text = 'refused'");
    view->SetDlgItemText(IDC_BOOK_PR, "20");
    Tick(view->m_codes, 31, true);
    Save(view);
    Run("drop trigger pay_otchis_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Text("select pr as str from spr_paymar_otchis where id=9"), CString("13.500"));
    EXPECT_EQ(Text("select group_concat(kou order by kou) as str from spr_paymar_otchis1 where id=9"), CString("1,30"));
}

TEST_F(PayBooks, APostingLineChecksItsAccountsAndPercentage)
{
    auto* view = OpenBook<CSpr5prView>("Spr5prView");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_5PR, "2");
    EXPECT_EQ(afxtest::text(view, IDC_5PR_NAME), QString("Удержание налога на доходы"));
    EXPECT_EQ(afxtest::text(view, IDC_BOOK_PR), QString("100"));
    EXPECT_EQ(afxtest::text(view, IDC_5PR_D), QString("130201830"));
    EXPECT_EQ(view->m_bman, 1);
    EXPECT_EQ(Ticked(view->m_codes), QStringList({"+ 201   Налог на доходы физических лиц"}));

    view->SetDlgItemText(IDC_5PR, "7");
    EXPECT_EQ(afxtest::text(view, IDC_5PR_D) + afxtest::text(view, IDC_5PR_NAME), QString()) << "an unknown code";
    EXPECT_EQ(afxtest::text(view, IDC_BOOK_PR), QString("0"));
    EXPECT_EQ(view->m_codes.GetCount(), 0);

    struct Case {
        const char* what;
        const char* pr;
        const char* d;
        const char* k;
        const char* ekr;
        const char* message;
        int answer;
    };
    const Case cases[] = {
        {"no percentage", "", "140102211", "130211730", "", "Укажите процент", IDOK},
        {"a zero percentage", "0,0", "140102211", "130211730", "", "Укажите процент", IDOK},
        {"no debit", "0,5", "", "130211730", "", "Укажите Дебет", IDOK},
        {"no credit", "0,5", "140102211", " ", "", "Укажите Кредит", IDOK},
        {"an unknown debit", "0,5", "999999999", "130211730", "", "Нет такого счета по дебету", IDOK},
        {"an unknown credit", "0,5", "140102211", "13021173x", "", "Нет такого счета по кредиту", IDOK},
        {"an unknown economic code", "0,5", "140102211", "130211730", "999", "Нет в справочнике ЭКР", IDOK},
        {"half a percent", "0,5", "140102211", "130211730", "", "Записать изменения ? ", IDYES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view->SetDlgItemText(IDC_5PR, "7");
        view->SetDlgItemText(IDC_5PR_NAME, "Начисление 'премии'");
        view->SetDlgItemText(IDC_BOOK_PR, c.pr);
        view->SetDlgItemText(IDC_5PR_D, c.d);
        view->SetDlgItemText(IDC_5PR_K, c.k);
        view->SetDlgItemText(IDC_EKR, c.ekr);
        afxtest::chooseEntry(view, IDC_BOOK_POITS, 2);
        Save(view, c.message, c.answer);
    }
    EXPECT_EQ(Text("select concat_ws(':',name,pr,d,k,coalesce(ekr,'-'),bman,poits) as str from spr_paymar_5pr where "
                   "id=7"),
              CString("Начисление 'премии':0.500:140102211:130211730:-:1:2"))
        << "the per-employee box kept what line 2 showed";
    EXPECT_EQ(view->m_poits.GetCurSel(), 2) << "the precision shown again";
    EXPECT_EQ(afxtest::text(view, IDC_BOOK_PR), QString("0.5"));

    // One posting for all, an economic code and the pay codes covered.
    afxtest::setChecked(view, IDC_5PR_BMAN, false);
    view->SetDlgItemText(IDC_EKR, "211000");
    EXPECT_EQ(afxtest::text(view, IDC_EKR_NAME), QString("Заработная плата"));
    view->SetDlgItemText(IDC_5PR_SB_DEB, "1");
    Tick(view->m_codes, 11, true);
    Save(view);
    EXPECT_EQ(Text("select concat_ws(':',ekr,sb_deb,coalesce(sb_kred,'-'),bman) as str from spr_paymar_5pr where id=7"),
              CString("211000:1:-:0"));
    EXPECT_EQ(Text("select group_concat(kou) as str from spr_paymar_5pr1 where id=7"), CString("11"));
}

TEST_F(PayBooks, TheBooksAsTheClerkSeesThem)
{
    const struct {
        const char* document;
        int field;
        const char* code;
    } books[] = {{"SprKalView", IDC_KL, "1"}, {"TvxView", IDC_VOU, "30"}, {"spr_otchis", IDC_OTCHIS, "1"},
                 {"Spr5prView", IDC_5PR, "1"}};
    for (const auto& book : books) {
        auto* view = OpenBook<CView>(book.document);
        ASSERT_NE(view, nullptr);
        view->SetDlgItemText(book.field, book.code);
        Settle();
        QCoreApplication::processEvents();
        const QImage picture = afxtest::grab(view->GetParentFrame());
        EXPECT_GT(afxtest::distinctColours(picture), 20) << book.document;
        EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/" + book.document + ".png"));
    }
}

} // namespace
