// The time-based pay: the hours mode's rows with the hours form's figures as
// defaults and a percentage of 100 shown empty, the norm mode's rows, the
// two-tariff form with its tariffs, the checks of the codes in their order,
// a save as one transaction (Write(0) asking nothing), and the copy of last
// month's records of the form's department only (January from December).
#include "CPovrView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ndbcore.h"
#include "../res/resource.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

using npaymar::CPovrView;
using npaymar::CPovrView0;

class TimePay : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        Fill(g_lYear, g_lMonth);
    }
    // Department 9: 80-83 on position 3 (a salary on sheets 1 and 2, a norm
    // of hours on sheet 2), 84 on position 1 (a salary on sheet 1 only); 85
    // left before the month; 86 works in department 8. 80 has the hours
    // form's figures on sheet 1, 81-83 and 86 time-based pay of the month.
    void Fill(long y, long m)
    {
        g_lYear = y;
        g_lMonth = m;
        SetDPV1(GetOtpD1(y, m));
        SetDPV2(GetOtpD2(y, m));
        const CString first = ChangeDateUS0(GetOtpD1(y, m), 0);
        Run(FormatText(
            "delete from spr_prd where id in (8, 9)\n"
            "insert into spr_prd (id, name) values (8, 'Прачечная'), (9, 'Бассейн')\n"
            "delete from paymar_bux where tn between 80 and 86\n"
            "delete from paymar_trv_chas where tn between 80 and 86\n"
            "delete from paymar_povr\n"
            "delete from paymar_povr_chts\n"
            "delete from paymar_povr0\n"
            "delete from tn where tn between 80 and 86\n"
            "insert into tn (tn, f, i, o, prd, kat, nv, du) values"
            " (80, 'Ершова', 'Ада', 'Ильинична', 9, 1, 1, NULL), (81, 'Жукова', 'Ия', 'Ивановна', 9, 1, 1, NULL),"
            " (82, 'Зуева', 'Ева', 'Петровна', 9, 1, 1, NULL), (83, 'Ильина', 'Ира', 'Львовна', 9, 1, 1, NULL),"
            " (84, 'Карпова', 'Юна', 'Олеговна', 9, 1, 1, NULL),"
            " (85, 'Лосева', 'Ника', 'Юрьевна', 9, 1, 1, %s - interval 1 day),"
            " (86, 'Мухина', 'Зоя', 'Ивановна', 8, 1, 1, NULL)\n"
            "insert into paymar_bux (tn, npp, osn, prd, dol, kat, kou, d1, d2, staj) values"
            " (80, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1), (81, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1),"
            " (82, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1), (83, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1),"
            " (84, 1, 1, 9, 1, 1, 3, '2020-01-01', NULL, 1), (85, 1, 1, 9, 3, 1, 3, '2020-01-01', NULL, 1),"
            " (86, 1, 1, 8, 3, 1, 3, '2020-01-01', NULL, 1)\n"
            "insert into paymar_trv_chas (tn, npp, g, ms, nv, ch, pl) values (80, 1, %ld, %ld, 1, 36, 40),"
            " (80, 1, %ld, %ld, 2, 5, 6)\n"
            "insert into paymar_povr (tn, npp, g, ms, nv, kou, plch, ch, pr) values"
            " (81, 1, %ld, %ld, 1, 2, 30, 20, 100), (82, 1, %ld, %ld, 1, 2, 40, 40, 50),"
            " (83, 1, %ld, %ld, 1, 2, 10, 10, 100), (86, 1, %ld, %ld, 1, 2, 1, 1, 100),"
            " (81, 1, %ld, %ld, 1, 3, 9, 9, 100)",
            first, y, m, y, m, y, m, y, m, y, m, y, m, y, m));
    }
    template <class T = CPovrView>
    T* OpenPay(const char* name, int kind, const char* prd = "9", const char* nv = "1")
    {
        CHelpers::FN_OpenDocument0(name, kind, nullptr);
        T* form = Active<T>();
        if (form) {
            form->SetDlgItemText(IDC_PAY_PRD, prd);
            form->SetDlgItemText(IDC_NV, nv);
        }
        return form;
    }
    static QStringList Rows(CPovrView* form)
    {
        QStringList rows;
        for (long row = 0; row < form->m_grid.GetNRows(); ++row) {
            QStringList cells;
            for (long col : {0L, 3L, 4L, 5L})
                if (col < form->m_grid.GetNCols())
                    cells << form->m_grid.GetCellValue(col, row).ToQString();
            rows << cells.join('|');
        }
        return rows;
    }
    static long RowOf(CPovrView* form, const char* key)
    {
        for (long row = 0; row < form->m_grid.GetNRows(); ++row)
            if (form->m_grid.GetCellValue(0, row) == key)
                return row;
        return -1;
    }
    // The records of a table in the working month, "tn:figures" by tn.
    CString Stored(const char* table, const char* figures, const char* where = "nv=1 and kou=2")
    {
        return Text(FormatText("select group_concat(concat(tn, ':', %s) order by tn separator ' ') as str from %s "
                               "where g=%ld and ms=%ld and %s",
                               figures, table, g_lYear, g_lMonth, where));
    }
    void Save(CPovrView* form)
    {
        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", IDYES);
        afxtest::click(form, IDOK);
        script.verify();
    }
};

TEST_F(TimePay, TheHoursModeOffersTheHoursFormsFiguresAndShowsAWholePercentageEmpty)
{
    CPovrView* form = OpenPay("PovrView", 0);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Почасовая оплата"));
    CString code;
    form->GetDlgItemText(IDC_VOU, code);
    EXPECT_EQ(code, CString("2")) << "the code offered";
    EXPECT_EQ(form->m_grid.GetNCols(), 6);
    EXPECT_EQ(form->m_grid.GetColCaption(5), CString("% оплаты"));
    // 85 left before the month, 86 works elsewhere.
    EXPECT_EQ(Rows(form), QStringList({"80.1|40|36|", "81.1|30|20|", "82.1|40|40|50", "83.1|10|10|", "84.1|||"}));
    EXPECT_TRUE(form->m_grid.IsWindowEnabled());

    // Sheet 2: 84's position has no salary there; 80's hours of that sheet.
    form->SetDlgItemText(IDC_NV, "2");
    EXPECT_EQ(Rows(form), QStringList({"80.1|6|5|", "81.1|||", "82.1|||", "83.1|||"}));

    // The percentage of a row with hours starts from 100; of one without, empty.
    for (const auto& [key, preset] : {std::pair{"80.1", "100"}, {"81.1", ""}}) {
        form->m_grid.ForceEditCell(5, RowOf(form, key));
        auto* editor = form->m_grid.GetQWidget()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), QString(preset)) << key;
        form->m_grid.SetCurCell(0, 0);
        Settle();
    }
}

TEST_F(TimePay, ASaveWritesTheDefaultsAndAnEmptyPercentageAsAWholeOne)
{
    CPovrView* form = OpenPay("PovrView", 0);
    ASSERT_NE(form, nullptr);
    form->m_grid.SetCellValue(4, RowOf(form, "81.1"), "7,5");
    form->m_grid.SetCellValue(3, RowOf(form, "83.1"), "");
    form->m_grid.SetCellValue(4, RowOf(form, "83.1"), "0");
    // Write(0) asks nothing.
    afxtest::InteractionScript none;
    EXPECT_EQ(form->Write(0), 1);
    none.verify();
    EXPECT_EQ(Stored("paymar_povr", "plch, '/', ch, '/', pr"),
              CString("80:40.00/36.00/100.000 81:30.00/7.50/100.000 82:40.00/40.00/50.000 86:1.00/1.00/100.000"));
    EXPECT_EQ(Stored("paymar_povr", "ch", "kou=3"), CString("81:9.00")) << "another code stays";
    form->SetDlgItemText(IDC_NV, "");
    form->SetDlgItemText(IDC_NV, "1");
    EXPECT_EQ(Rows(form).at(1), QString("81.1|30|7.5|"));
}

TEST_F(TimePay, TheCodesAreCheckedInOrderAndABadRowOrAFailedOneWritesNothing)
{
    CPovrView* form = OpenPay("PovrView", 0);
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* prd;
        const char* nv;
        const char* vou;
        int field;
        const char* message;
    };
    const Case cases[] = {
        {"", "1", "2", IDC_PAY_PRD, "Укажите подразделение"},
        {"77", "1", "2", IDC_PAY_PRD, "Нет такого подразделения"},
        {"9", "", "2", IDC_NV, "Укажите ведомость"},
        {"9", "77", "2", IDC_NV, "Нет такой ведомости"},
        {"9", "1", "", IDC_VOU, "Укажите код оплат"},
        {"9", "1", "777", IDC_VOU, "Нет такого кода оплат"},
    };
    const CString before = Stored("paymar_povr", "plch, '/', ch, '/', pr", "1=1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        form->SetDlgItemText(IDC_PAY_PRD, c.prd);
        form->SetDlgItemText(IDC_NV, c.nv);
        form->SetDlgItemText(IDC_VOU, c.vou);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        EXPECT_EQ(form->Write(1), 0);
        script.verify();
        EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(c.field));
    }
    form->SetDlgItemText(IDC_PAY_PRD, "9");
    form->SetDlgItemText(IDC_NV, "1");
    form->SetDlgItemText(IDC_VOU, "2");
    form->m_grid.SetCellValue(5, RowOf(form, "83.1"), "abc");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES)
        .message("Строка 4, таб. № 83: в графе «% оплаты» не число: «abc»", IDOK);
    EXPECT_EQ(form->Write(1), 0);
    script.verify();
    form->m_grid.SetCellValue(5, RowOf(form, "83.1"), "");

    // The insert of 84 refused: the inserts and updates before it are taken back.
    form->m_grid.SetCellValue(4, RowOf(form, "84.1"), "3");
    Run("create trigger paymar_povr_refuse before insert on paymar_povr for each row "
        "set new.nv=if(new.tn=84, NULL, new.nv)");
    EXPECT_EQ(form->Write(0), 0);
    Run("drop trigger paymar_povr_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Stored("paymar_povr", "plch, '/', ch, '/', pr", "1=1"), before);
}

TEST_F(TimePay, TheNormModeListsThePositionsWithANormOrHours)
{
    Run(FormatText("insert into paymar_povr_chts (tn, npp, g, ms, nv, kou, ch) values (81, 1, %ld, %ld, 3, 2, 3)",
                   g_lYear, g_lMonth));
    CPovrView* form = OpenPay("PovrView", 1, "9", "2");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Часы по норме"));
    EXPECT_EQ(form->m_grid.GetNCols(), 5);
    // Position 3 has a norm on sheet 2, position 1 no rate there at all.
    EXPECT_EQ(Rows(form), QStringList({"80.1|95.5|", "81.1|95.5|", "82.1|95.5|", "83.1|95.5|"}));
    // Sheet 3 keeps a salary of position 3 but no norm: only the hours entered.
    form->SetDlgItemText(IDC_NV, "3");
    EXPECT_EQ(Rows(form), QStringList({"81.1||3"}));
    form->SetDlgItemText(IDC_NV, "2");
    form->m_grid.SetCellValue(4, 0, "12,5");
    Save(form);
    EXPECT_EQ(Stored("paymar_povr_chts", "ch", "nv=2 and kou=2"), CString("80:12.50"));
    EXPECT_EQ(Stored("paymar_povr_chts", "ch", "nv=3 and kou=2"), CString("81:3.00"));
}

TEST_F(TimePay, TheTwoTariffFormWritesItsTariffsToEveryRow)
{
    Run(FormatText("insert into paymar_povr0 (tn, npp, g, ms, nv, kou, ch1, ch2, tar1, tar2) values"
                   " (81, 1, %ld, %ld, 1, 2, 100, 20, 1.2, 1.5)",
                   g_lYear, g_lMonth));
    auto* form = OpenPay<CPovrView0>("PovrView0", 0);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Оплата по двум тарифам"));
    EXPECT_TRUE(form->GetDlgItem(IDC_POVR_TAR1)->IsWindowVisible());
    EXPECT_EQ(form->m_grid.GetColCaption(5), CString("старш."));
    const QString salary = Text("select okl as str from spr_paymar_dol1 where id=3 and nv=1").ToQString();
    EXPECT_EQ(Rows(form).at(1), QString("81.1|%1|100|20").arg(salary));
    CString tar1, tar2;
    form->GetDlgItemText(IDC_POVR_TAR1, tar1);
    form->GetDlgItemText(IDC_POVR_TAR2, tar2);
    EXPECT_EQ(tar1 + "/" + tar2, CString("1.2/1.5")) << "the stored pair, though the last row has none";

    form->m_grid.SetCellValue(4, 0, "80,5");
    form->SetDlgItemText(IDC_POVR_TAR2, "1,75");
    Save(form);
    EXPECT_EQ(Stored("paymar_povr0", "ch1, '/', coalesce(ch2, 'NULL'), '/', tar1, '/', tar2"),
              CString("80:80.50/NULL/1.2000/1.7500 81:100.00/20.00/1.2000/1.7500"));

    form->SetDlgItemText(IDC_POVR_TAR1, "x");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES).message("В поле «Коэф.1» не число: «x»", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_POVR_TAR1));
}

class TimePayCopy : public TimePay {
protected:
    // January of 2030 as the working month, the records above in December
    // of 2029, and in January the department's own record of 81 that the copy
    // replaces.
    void SetUp() override
    {
        PayrollProgram::SetUp();
        Fill(2029, 12);
        Run("insert into paymar_povr_chts (tn, npp, g, ms, nv, kou, ch) values (81, 1, 2029, 12, 2, 2, 7)\n"
            "insert into paymar_povr0 (tn, npp, g, ms, nv, kou, ch1, ch2, tar1, tar2) values"
            " (81, 1, 2029, 12, 1, 2, 100, 20, 1.2, 1.5), (86, 1, 2029, 12, 1, 2, 1, 1, 1, 1)");
        g_lYear = 2030;
        g_lMonth = 1;
        SetDPV1(GetOtpD1(2030, 1));
        SetDPV2(GetOtpD2(2030, 1));
        Run("insert into paymar_povr (tn, npp, g, ms, nv, kou, plch, ch, pr) values"
            " (84, 1, 2030, 1, 1, 2, 5, 5, 100), (86, 1, 2030, 1, 1, 2, 2, 2, 100), (84, 1, 2030, 1, 1, 3, 9, 9, 100)");
    }
    void Copy(CPovrView* form)
    {
        afxtest::InteractionScript script;
        script.message("Перекинуть данные с прошлого месяца ? ", IDYES);
        afxtest::click(form, IDC_POVR_COPY);
        script.verify();
    }
};

TEST_F(TimePayCopy, JanuaryTakesDecemberOfTheDepartmentsPositionsOnTheSheetAndCode)
{
    CPovrView* form = OpenPay("PovrView", 0);
    ASSERT_NE(form, nullptr);
    Copy(form);
    // 84's record of January went; 86 works in another department.
    EXPECT_EQ(Stored("paymar_povr", "plch, '/', ch, '/', pr"),
              CString("81:30.00/20.00/100.000 82:40.00/40.00/50.000 83:10.00/10.00/100.000 86:2.00/2.00/100.000"));
    EXPECT_EQ(Stored("paymar_povr", "ch", "kou=3"), CString("84:9.00")) << "another code stays";
    EXPECT_EQ(Rows(form).at(1), QString("81.1|30|20|")) << "the form reloaded";

    CPovrView* norm = OpenPay("PovrView", 1, "9", "2");
    ASSERT_NE(norm, nullptr);
    Copy(norm);
    EXPECT_EQ(Stored("paymar_povr_chts", "ch", "nv=2 and kou=2"), CString("81:7.00"));

    auto* tariffs = OpenPay<CPovrView0>("PovrView0", 0);
    ASSERT_NE(tariffs, nullptr);
    Copy(tariffs);
    EXPECT_EQ(Stored("paymar_povr0", "ch1, '/', ch2, '/', tar1, '/', tar2"),
              CString("81:100.00/20.00/1.2000/1.5000"));
}

TEST_F(TimePayCopy, AFailedInsertLeavesTheMonthAsItWas)
{
    CPovrView* form = OpenPay("PovrView", 0);
    ASSERT_NE(form, nullptr);
    const CString before = Stored("paymar_povr", "plch, '/', ch, '/', pr", "1=1");
    Run("create trigger paymar_povr_refuse before insert on paymar_povr for each row "
        "set new.nv=if(new.tn=83, NULL, new.nv)");
    Copy(form);
    Run("drop trigger paymar_povr_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Stored("paymar_povr", "plch, '/', ch, '/', pr", "1=1"), before);
}

TEST_F(TimePay, TheHourlyPayOfADepartmentInEachForm)
{
    const struct {
        const char* name;
        int kind;
        const char* nv;
        const char* file;
    } forms[] = {{"PovrView", 0, "1", "hourly_pay"}, {"PovrView", 1, "2", "hours_by_norm"},
                 {"PovrView0", 0, "1", "two_tariffs"}};
    for (const auto& f : forms) {
        CPovrView* form = OpenPay(f.name, f.kind, "9", f.nv);
        ASSERT_NE(form, nullptr);
        EXPECT_GT(form->m_grid.GetNRows(), 0);
        Settle();
        QCoreApplication::processEvents();
        const QImage picture = afxtest::grab(form->GetParentFrame());
        EXPECT_GT(afxtest::distinctColours(picture), 20);
        EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/" + f.file + ".png"));
    }
}

} // namespace
