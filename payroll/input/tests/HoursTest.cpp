// The month's plan and worked hours per pay sheet: which positions the form
// lists, the save of a whole grid as a table of cases (the record goes only
// when both figures are empty or zero), the figures checked before anything
// is written, and a failed statement that leaves the month as it was.
#include "CChasView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ndbcore.h"
#include "../res/resource.h"

#include <QCoreApplication>

namespace {

using npaymar::CChasView;

class Hours : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        const CString first = ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0);
        const long y = g_lYear;
        const long m = g_lMonth;
        // Department 9. Position 3 has a salary on sheets 1 and 2, position 1
        // on sheet 1 only. 80-85 are paid by the hour; 86 too, as position 1;
        // 87 is not paid by the hour, 88 not either but holds hours on sheet
        // 2; 89 left before the month. 83 and 84 hold hours on sheet 2, 83
        // also on sheet 1.
        Run(FormatText(
            "delete from spr_prd where id=9\n"
            "insert into spr_prd (id, name) values (9, 'Бассейн')\n"
            "delete from paymar_bux where tn between 80 and 89\n"
            "delete from paymar_trv_chas where tn between 80 and 89\n"
            "delete from tn where tn between 80 and 89\n"
            "insert into tn (tn, f, i, o, prd, kat, nv, du) values"
            " (80, 'Ершова', 'Ада', 'Ильинична', 9, 1, 1, NULL), (81, 'Жукова', 'Ия', 'Ивановна', 9, 1, 1, NULL),"
            " (82, 'Зуева', 'Ева', 'Петровна', 9, 1, 1, NULL), (83, 'Ильина', 'Ира', 'Львовна', 9, 1, 1, NULL),"
            " (84, 'Карпова', 'Юна', 'Олеговна', 9, 1, 1, NULL), (85, 'Лосева', 'Ника', 'Юрьевна', 9, 1, 1, NULL),"
            " (86, 'Мухина', 'Зоя', 'Ивановна', 9, 1, 1, NULL), (87, 'Носова', 'Фея', 'Ильинична', 9, 1, 1, NULL),"
            " (88, 'Орлова', 'Яна', 'Петровна', 9, 1, 1, NULL), (89, 'Панова', 'Ия', 'Олеговна', 9, 1, 1, %s - interval 1 day)\n"
            "insert into paymar_bux (tn, npp, osn, prd, dol, kat, kou, d1, d2, staj) values"
            " (80, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1), (81, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1),"
            " (82, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1), (83, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1),"
            " (84, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1), (85, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1),"
            " (86, 1, 1, 9, 1, 1, 3, '2020-01-01', NULL, 1), (87, 1, 1, 9, 3, 1, 1, '2020-01-01', NULL, 0),"
            " (88, 1, 1, 9, 3, 1, 1, '2020-01-01', NULL, 0), (89, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1)\n"
            "insert into paymar_trv_chas (tn, npp, g, ms, nv, ch, pl) values"
            " (83, 1, %ld, %ld, 2, 36, 40), (84, 1, %ld, %ld, 2, 10, 10), (83, 1, %ld, %ld, 1, 18, 20),"
            " (88, 1, %ld, %ld, 2, 4, NULL)",
            first, y, m, y, m, y, m, y, m));
    }
    CChasView* OpenHours(const char* prd = "9", const char* nv = "2")
    {
        CHelpers::FN_OpenDocument0("paymar_chas", 0, nullptr);
        CChasView* form = Active<CChasView>();
        if (form) {
            form->SetDlgItemText(IDC_PAY_PRD, prd);
            form->SetDlgItemText(IDC_NV, nv);
        }
        return form;
    }
    static QStringList Rows(CChasView* form)
    {
        QStringList rows;
        for (long row = 0; row < form->m_grid.GetNRows(); ++row) {
            QStringList cells;
            for (long col : {0, 3, 4})
                cells << form->m_grid.GetCellValue(col, row).ToQString();
            rows << cells.join('|');
        }
        return rows;
    }
    static long RowOf(CChasView* form, const char* key)
    {
        for (long row = 0; row < form->m_grid.GetNRows(); ++row)
            if (form->m_grid.GetCellValue(0, row) == key)
                return row;
        return -1;
    }
    CString Stored(long tn, long nv)
    {
        return Text(FormatText("select concat(coalesce(pl, 'NULL'), '/', coalesce(ch, 'NULL')) as str from "
                               "paymar_trv_chas where tn=%ld and npp=1 and nv=%ld and g=%ld and ms=%ld",
                               tn, nv, g_lYear, g_lMonth));
    }
};

TEST_F(Hours, TheFormListsThePositionsWithASalaryOnTheSheetPaidByTheHourOrHoldingHours)
{
    CChasView* form = OpenHours();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Часы"));
    // 86 has no salary on sheet 2, 87 is not paid by the hour, 89 left.
    EXPECT_EQ(Rows(form), QStringList({"80.1||", "81.1||", "82.1||", "83.1|40|36", "84.1|10|10", "85.1||",
                                       "88.1||4"}));
    EXPECT_EQ(form->m_grid.GetCellValue(1, 0), CString("Ершова Ада Ильинична"));
    EXPECT_EQ(form->m_grid.GetCurCol(), 3);
    EXPECT_TRUE(form->m_grid.IsWindowEnabled());

    form->SetDlgItemText(IDC_NV, "1");
    EXPECT_EQ(form->m_grid.GetCellValue(3, RowOf(form, "83.1")), CString("20")) << "sheet 1's hours";
    EXPECT_GE(RowOf(form, "86.1"), 0);
    EXPECT_LT(RowOf(form, "88.1"), 0);

    // A code missing or not in its book: an empty, closed grid.
    for (const auto& [prd, nv] : {std::pair{"9", ""}, {"", "2"}, {"9", "77"}, {"77", "2"}, {"9", "2x"}}) {
        form->SetDlgItemText(IDC_PAY_PRD, prd);
        form->SetDlgItemText(IDC_NV, nv);
        EXPECT_EQ(form->m_grid.GetNRows(), 0) << prd << "/" << nv;
        EXPECT_FALSE(form->m_grid.IsWindowEnabled());
    }
}

TEST_F(Hours, ASaveWritesEachRowsFiguresAndRemovesARecordOnlyWhenBothAreEmptyOrZero)
{
    CChasView* form = OpenHours();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* key;
        const char* plan;
        const char* hours;
        long tn;
        const char* stored;
    };
    const Case cases[] = {
        {"80.1", "40", "", 80, "40.00/NULL"},       // a plan before the hours are known stays
        {"81.1", "", "36", 81, "NULL/36.00"},       // worked hours only
        {"82.1", "40", "7,5", 82, "40.00/7.50"},    // both, with a decimal comma
        {"83.1", "", "", 83, ""},                   // both cleared
        {"84.1", "0", "0", 84, ""},                 // both zero
        {"85.1", "", "", 85, ""},                   // nothing typed, nothing stored
    };
    for (const Case& c : cases) {
        const long row = RowOf(form, c.key);
        ASSERT_GE(row, 0) << c.key;
        form->m_grid.SetCellValue(3, row, c.plan);
        form->m_grid.SetCellValue(4, row, c.hours);
    }
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_PAY_PRD));
    for (const Case& c : cases)
        EXPECT_EQ(Stored(c.tn, 2), CString(c.stored)) << c.key;
    EXPECT_EQ(Stored(83, 1), CString("20.00/18.00")) << "another sheet's hours stay";
    EXPECT_EQ(Stored(88, 2), CString("NULL/4.00"));

    // The question answered "No" writes nothing.
    form->m_grid.SetCellValue(3, RowOf(form, "80.1"), "1");
    script.message("Записать изменения ? ", IDNO);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(Stored(80, 2), CString("40.00/NULL"));
}

TEST_F(Hours, AFigureThatIsNoNumberOrAFailedStatementLeavesTheMonthAsItWas)
{
    CChasView* form = OpenHours();
    ASSERT_NE(form, nullptr);
    form->m_grid.SetCellValue(3, RowOf(form, "80.1"), "40");
    form->m_grid.SetCellValue(4, RowOf(form, "83.1"), "");
    form->m_grid.SetCellValue(3, RowOf(form, "85.1"), "abc");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES)
        .message("Строка 6, таб. № 85: в графе «План» не число: «abc»", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(form->m_grid.GetCurRow(), 5);
    EXPECT_EQ(form->m_grid.GetCurCol(), 3);
    EXPECT_EQ(Stored(80, 2), CString(""));
    EXPECT_EQ(Stored(83, 2), CString("40.00/36.00"));

    // The insert of 85.1 refused by the server: the update of 83.1 and the
    // insert of 80.1 before it are taken back.
    form->m_grid.SetCellValue(3, RowOf(form, "85.1"), "12");
    Run("create trigger paymar_chas_refuse before insert on paymar_trv_chas for each row "
        "set new.nv=if(new.tn=85, NULL, new.nv)");
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(form, IDOK);
    script.verify();
    Run("drop trigger paymar_chas_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Stored(80, 2), CString(""));
    EXPECT_EQ(Stored(83, 2), CString("40.00/36.00"));
    EXPECT_EQ(Stored(85, 2), CString(""));
}

TEST_F(Hours, TheHoursOfADepartment)
{
    CChasView* form = OpenHours();
    ASSERT_NE(form, nullptr);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(form->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/hours.png"));
}

} // namespace
