// The payroll time sheet: which rows each mode lists, the figures checked
// before anything is written, the save of a whole sheet as one transaction,
// the hours kept on the employee's main pay sheet only, and a kind that is no
// mode.
#include "CTrvView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "MonthlyGrid.h"
#include "PayrollProgram.h"
#include "ndbcore.h"
#include "../res/resource.h"

#include <QCoreApplication>

#include <string>
#include <vector>

namespace {

using npaymar::CTrvView;

class TimeSheet : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        const CString first = ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0);
        const long y = g_lYear;
        const long m = g_lMonth;
        // Department 9: 80 on an open row, 81 dismissed before the month, 82
        // and 83 with every row ended before it (83 with days), 84 without
        // rows, 85 on a row ending on its first day, 86 without a category,
        // 87 with an allowance, 88 with the days of a row.
        Run(FormatText(
            "delete from spr_prd where id=9\n"
            "insert into spr_prd (id, name) values (9, 'Бассейн')\n"
            "delete from paymar_bux where tn between 80 and 88\n"
            "delete from paymar_trv where tn between 80 and 88\n"
            "delete from paymar_trv_dol where tn between 80 and 88\n"
            "delete from paymar_trv_chas where tn between 80 and 88\n"
            "delete from paymar_dopl where tn between 80 and 88\n"
            "delete from tn where tn between 80 and 88\n"
            "insert into tn (tn, f, i, o, prd, kat, nv, du) values"
            " (80, 'Ершова', 'Ада', 'Ильинична', 9, 1, 1, NULL), (81, 'Жукова', 'Ия', 'Ивановна', 9, 1, 1, %s - interval 1 day),"
            " (82, 'Зуева', 'Ева', 'Петровна', 9, 1, 1, NULL), (83, 'Ильина', 'Ира', 'Львовна', 9, 1, 1, NULL),"
            " (84, 'Карпова', 'Юна', 'Олеговна', 9, 1, NULL, NULL), (85, 'Лосева', 'Ника', 'Юрьевна', 9, 1, 1, NULL),"
            " (86, 'Мухина', 'Зоя', 'Ивановна', 9, NULL, 1, NULL), (87, 'Носова', 'Фея', 'Ильинична', 9, 1, 1, NULL),"
            " (88, 'Орлова', 'Яна', 'Петровна', 9, 1, 1, NULL)\n"
            "insert into paymar_bux (tn, npp, osn, prd, dol, kat, kou, d1, d2, staj) values"
            " (80, 1, 1, 9, 3, 1, 1, '2020-01-01', NULL, 0), (80, 2, 0, 9, 4, 1, 2, '2020-01-01', NULL, 1),"
            " (82, 1, 1, 9, 3, 1, 1, '2020-01-01', %s - interval 1 day, 0),"
            " (83, 1, 1, 9, 3, 1, 1, '2020-01-01', %s - interval 1 day, 0),"
            " (85, 1, 1, 9, 4, 1, 3, '2020-01-01', %s, 0),"
            " (87, 1, 1, 9, 3, 1, 1, '2020-01-01', NULL, 0), (88, 1, 1, 9, 3, 1, 1, '2020-01-01', NULL, 0)\n"
            "insert into paymar_trv (tn, g, ms, dn, kl) values (83, %ld, %ld, 3, 3)\n"
            "insert into paymar_trv_dol (tn, npp, g, ms, dn) values (88, 1, %ld, %ld, 7.5)\n"
            "insert into paymar_dopl (tn, npp, nv, kou, s) values (87, 1, 1, 10, 100)\n"
            "insert into paymar_trv_chas (tn, npp, g, ms, nv, ch, pl) values"
            " (85, 1, %ld, %ld, 1, 10, 40), (85, 1, %ld, %ld, 2, 5, 20), (88, 1, %ld, %ld, 2, 6, NULL)",
            first, first, first, first, y, m, y, m, y, m, y, m, y, m));
    }
    CTrvView* OpenSheet(int kind, const char* prd = "9")
    {
        CHelpers::FN_OpenDocument0("TrvView", kind, nullptr);
        CTrvView* form = Active<CTrvView>();
        if (form)
            form->SetDlgItemText(IDC_PAY_PRD, prd);
        return form;
    }
    static QStringList Keys(CTrvView* form)
    {
        QStringList keys;
        for (long row = 0; row < form->m_grid.GetNRows(); ++row)
            keys << form->m_grid.GetCellValue(0, row).ToQString();
        return keys;
    }
    static long RowOf(CTrvView* form, const char* key)
    {
        for (long row = 0; row < form->m_grid.GetNRows(); ++row)
            if (form->m_grid.GetCellValue(0, row) == key)
                return row;
        return -1;
    }
    static void Type(CTrvView* form, const char* key, long col, const char* text)
    {
        const long row = RowOf(form, key);
        ASSERT_GE(row, 0) << key;
        form->m_grid.SetCellValue(col, row, text);
    }
    void Save(CTrvView* form)
    {
        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", IDYES);
        afxtest::click(form, IDOK);
        script.verify();
    }
    CString Stored(const char* sql) { return Text(FormatText(sql, g_lYear, g_lMonth)); }
};

TEST_F(TimeSheet, EachModeListsTheRowsItWants)
{
    struct Case {
        int kind;
        const char* title;
        QStringList keys;
        const char* figureCaption;
    };
    const Case cases[] = {
        // 81 dismissed, 82 ended without days, 86 without a category.
        {0, "Табель", {"80", "83", "84", "85", "87", "88"}, "Дней"},
        // 80.2 by the piece, 85.1 by the hour, 87.1 with an allowance, 88.1 with
        // days; 80.1 has none of them, 82.1 and 83.1 ended.
        {1, "Табель по должностям", {"80.2", "85.1", "87.1", "88.1"}, "Дней"},
        // 80.2 paid by the hour, 85.1 with hours on the main sheet; 88.1's
        // hours are on another sheet.
        {2, "Табель в часах", {"80.2", "85.1"}, "Часы"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        CTrvView* form = OpenSheet(c.kind);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString(c.title));
        EXPECT_EQ(Keys(form), c.keys);
        EXPECT_TRUE(form->m_grid.IsWindowEnabled());
        EXPECT_EQ(form->m_grid.GetCurRow(), 0);
        EXPECT_EQ(form->m_grid.GetCurCol(), 3);
        EXPECT_EQ(form->m_grid.GetNCols(), c.kind == 0 ? 5 : 4);
        form->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
    CTrvView* days = OpenSheet(0);
    ASSERT_NE(days, nullptr);
    const long row = RowOf(days, "83");
    EXPECT_EQ(days->m_grid.GetCellValue(1, row), CString("Ильина Ира Львовна"));
    EXPECT_EQ(days->m_grid.GetCellValue(3, row), CString("3"));
    EXPECT_EQ(days->m_grid.GetCellValue(4, row), CString("3"));
    CTrvView* hours = OpenSheet(2);
    ASSERT_NE(hours, nullptr);
    EXPECT_EQ(hours->m_grid.GetCellValue(3, RowOf(hours, "85.1")), CString("10")) << "the main sheet's hours";
    EXPECT_EQ(hours->m_grid.GetCellValue(2, RowOf(hours, "85.1")), CString("Младший воспитатель"));

    // No department, or one the book lacks: an empty, closed grid.
    for (const char* prd : {"", "77", "9x"}) {
        days->SetDlgItemText(IDC_PAY_PRD, prd);
        EXPECT_EQ(days->m_grid.GetNRows(), 0) << prd;
        EXPECT_FALSE(days->m_grid.IsWindowEnabled()) << prd;
    }
}

TEST_F(TimeSheet, DaysWithACommaAreSavedAndClearedCellsDeleteOrEmpty)
{
    CTrvView* form = OpenSheet(0);
    ASSERT_NE(form, nullptr);
    Type(form, "80", 3, "20,5");
    Type(form, "80", 4, "31");
    Type(form, "84", 3, "21");
    Type(form, "83", 3, "");
    Type(form, "83", 4, "");
    Save(form);
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_PAY_PRD));
    EXPECT_EQ(Stored("select dn as str from paymar_trv where tn=80 and g=%ld and ms=%ld"), CString("20.50"));
    EXPECT_EQ(Stored("select kl as str from paymar_trv where tn=80 and g=%ld and ms=%ld"), CString("31.00"));
    EXPECT_EQ(Stored("select kl as str from paymar_trv where tn=84 and g=%ld and ms=%ld"), CString(""));
    EXPECT_EQ(Stored("select count(*) as str from paymar_trv where tn=83 and g=%ld and ms=%ld"), CString("0"))
        << "both cells cleared";

    // One cell cleared: the other stays.
    form->SetDlgItemText(IDC_PAY_PRD, "");
    form->SetDlgItemText(IDC_PAY_PRD, "9");
    EXPECT_EQ(form->m_grid.GetCellValue(3, RowOf(form, "80")), CString("20.5"));
    Type(form, "80", 3, "");
    Save(form);
    EXPECT_EQ(Stored("select concat(coalesce(dn, 'NULL'), '/', kl) as str from paymar_trv where tn=80 and g=%ld and "
                     "ms=%ld"),
              CString("NULL/31.00"));
}

TEST_F(TimeSheet, AFigureThatIsNoNumberOrAKeyWithoutItsRowStopsTheSaveBeforeAnyWrite)
{
    CTrvView* form = OpenSheet(0);
    ASSERT_NE(form, nullptr);
    Type(form, "80", 3, "22");
    Type(form, "85", 4, "abc");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES)
        .message("Строка 4, таб. № 85: в графе «Кал-х» не число: «abc»", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(form->m_grid.GetCurRow(), 3);
    EXPECT_EQ(form->m_grid.GetCurCol(), 4);
    EXPECT_EQ(Stored("select count(*) as str from paymar_trv where tn=80 and g=%ld and ms=%ld"), CString("0"))
        << "the row before it is not written either";

    CTrvView* positions = OpenSheet(1);
    ASSERT_NE(positions, nullptr);
    Type(positions, "80.2", 3, "5");
    positions->m_grid.SetCellValue(0, RowOf(positions, "87.1"), "87");
    script.message("Записать изменения ? ", IDYES).message("Строка 3: «87» не указывает должность работника", IDOK);
    afxtest::click(positions, IDOK);
    script.verify();
    EXPECT_EQ(Stored("select count(*) as str from paymar_trv_dol where tn=80 and g=%ld and ms=%ld"), CString("0"));

    struct Key {
        const char* text;
        bool split;
        const char* tn;
        const char* npp;
    };
    for (const Key& k : {Key{"12.3", true, "12", "3"}, Key{" 12.03", true, "12", "3"}, Key{"12", false, "", ""},
                         Key{"12.x", false, "", ""}, Key{"", false, "", ""}}) {
        CString tn, npp;
        EXPECT_EQ(npaymar::SplitPositionKey(k.text, tn, npp), k.split) << k.text;
        if (k.split) {
            EXPECT_EQ(tn, CString(k.tn));
            EXPECT_EQ(npp, CString(k.npp));
        }
    }
}

TEST_F(TimeSheet, PositionDaysAreWrittenPerRowOfTheKey)
{
    CTrvView* form = OpenSheet(1);
    ASSERT_NE(form, nullptr);
    Type(form, "80.2", 3, "12.5");
    Type(form, "88.1", 3, "");
    Save(form);
    EXPECT_EQ(Stored("select dn as str from paymar_trv_dol where tn=80 and npp=2 and g=%ld and ms=%ld"),
              CString("12.50"));
    EXPECT_EQ(Stored("select count(*) as str from paymar_trv_dol where tn=80 and npp=1 and g=%ld and ms=%ld"),
              CString("0"));
    EXPECT_EQ(Stored("select count(*) as str from paymar_trv_dol where tn=88 and g=%ld and ms=%ld"), CString("0"));
}

TEST_F(TimeSheet, HoursAreTheMainSheetsAndThePlanAndOtherSheetsStay)
{
    CTrvView* form = OpenSheet(2);
    ASSERT_NE(form, nullptr);
    Type(form, "85.1", 3, "12");
    Type(form, "80.2", 3, "8");
    Save(form);
    const char* hours = "select concat(coalesce(ch, 'NULL'), '/', coalesce(pl, 'NULL')) as str from paymar_trv_chas "
                        "where g=%ld and ms=%ld and ";
    EXPECT_EQ(Stored((std::string(hours) + "tn=85 and npp=1 and nv=1").c_str()), CString("12.00/40.00"));
    EXPECT_EQ(Stored((std::string(hours) + "tn=85 and npp=1 and nv=2").c_str()), CString("5.00/20.00"));
    EXPECT_EQ(Stored((std::string(hours) + "tn=80 and npp=2 and nv=1").c_str()), CString("8.00/NULL"));

    Type(form, "85.1", 3, "");
    Type(form, "80.2", 3, "");
    Save(form);
    EXPECT_EQ(Stored((std::string(hours) + "tn=85 and npp=1 and nv=1").c_str()), CString("NULL/40.00"))
        << "the plan stays";
    EXPECT_EQ(Stored((std::string(hours) + "tn=85 and npp=1 and nv=2").c_str()), CString("5.00/20.00"));
    EXPECT_EQ(Stored("select count(*) as str from paymar_trv_chas where tn=80 and g=%ld and ms=%ld"), CString("0"));

    // An employee without a main sheet keeps no hours: said before any write.
    Run("update tn set nv=NULL where tn=80");
    Type(form, "85.1", 3, "9");
    Type(form, "80.2", 3, "8");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES)
        .message("Строка 1, таб. № 80: у работника не указана основная ведомость", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(Stored((std::string(hours) + "tn=85 and npp=1 and nv=1").c_str()), CString("NULL/40.00"));
}

TEST_F(TimeSheet, AFailedStatementLeavesTheWholeSheetAsItWas)
{
    CTrvView* form = OpenSheet(0);
    ASSERT_NE(form, nullptr);
    Type(form, "83", 3, "4");
    Type(form, "84", 3, "21");
    Run("create trigger paymar_trv_refuse before insert on paymar_trv for each row "
        "signal sqlstate '45000' set message_text='refused'");
    Save(form);
    Run("drop trigger paymar_trv_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Stored("select dn as str from paymar_trv where tn=83 and g=%ld and ms=%ld"), CString("3.00"))
        << "the update before the failed insert is taken back";
}

TEST_F(TimeSheet, AKindThatIsNoModeIsSaidAndShowsNothing)
{
    afxtest::InteractionScript script;
    script.message("Нет такого вида табеля: 3", IDOK);
    CTrvView* form = OpenSheet(3);
    script.verify();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->m_grid.GetNRows(), 0);
    EXPECT_FALSE(form->m_grid.IsWindowEnabled());
    afxtest::click(form, IDOK);
    EXPECT_EQ(Count("select count(*) from paymar_trv where tn between 80 and 88"), 1);
}

TEST_F(TimeSheet, TheSheetOfADepartment)
{
    CTrvView* form = OpenSheet(0, "1");
    ASSERT_NE(form, nullptr);
    EXPECT_GT(form->m_grid.GetNRows(), 0);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(form->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/time_sheet.png"));
}

} // namespace
