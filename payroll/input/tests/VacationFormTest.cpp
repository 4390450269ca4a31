// The vacation form: a record typed and saved, opened again from the list,
// the checks of a save in their order, the numbers of new records, a save
// that fails keeping what was stored, the delete, the sheets ticked from the
// stored lists, and the pay of the month's accrual run.
#include "AccrualRun.h"
#include "COtpuskView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "VacationFixture.h"
#include "VacationStore.h"
#include "gridbase.h"
#include "res/resource.h"

#include <FreshDatabase.h>

#include <thread>

namespace {

using npaymar::COtpuskView;

class VacationForm : public paytest::VacationProgram {
protected:
    void SetUp() override
    {
        VacationProgram::SetUp();
        Result(2009, 6, 1, 1, "8820.00");
        Result(2009, 5, 1, 1, "8820.00");
        Result(2009, 6, 3, 1, "2940.00");
    }
    COtpuskView* OpenForm()
    {
        CHelpers::FN_OpenDocument0("OtpuskView", 0, nullptr);
        Settle();
        auto views = Open<COtpuskView>();
        return views.empty() ? nullptr : views.back();
    }
    static std::string Shown(CWnd* form, int id) { return afxtest::text(form, id).toStdString(); }
    // The fields of a vacation from 15.07.2009 as the clerk types them.
    void Fill(COtpuskView* form, const char* code, const char* days, const char* code2 = "", const char* days2 = "")
    {
        form->SetDlgItemText(IDC_OTP_NUMBER, "12-о");
        form->SetDlgItemText(IDC_OTP_DATE, "01.07.2009");
        form->SetDlgItemText(IDC_PAY_D1, "15.07.2009");
        form->SetDlgItemText(IDC_PAY_D2, "11.08.2009");
        form->SetDlgItemText(IDC_OTP_DAYS, days);
        form->SetDlgItemText(IDC_OTP_DAYS2, days2);
        form->SetDlgItemText(IDC_VOU, code);
        form->SetDlgItemText(IDC_OTP_KOU2, code2);
        Settle();
    }
    void Save(CWnd* form, UINT answer = IDYES)
    {
        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", answer);
        afxtest::click(form, IDOK);
        script.verify();
        Settle();
    }
    CString Amounts()
    {
        return Text("select group_concat(concat(npp,'/',kou,'/',nv,':',s) order by npp,kou,nv separator ' ') as str "
                    "from paymar_otpusk1 where tn=903");
    }
};

TEST_F(VacationForm, AVacationTypedIsComputedSavedAndOpenedAgain)
{
    COtpuskView* form = OpenForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Отпуска"));
    form->SetDlgItemText(IDC_TN, "903");
    Settle();
    EXPECT_EQ(Shown(form, IDC_FIO), std::string("Отпускная Анна Петровна"));
    EXPECT_EQ(form->m_numbers.GetCount(), 1) << "the blank entry only";
    Fill(form, "30", "", "31", "3");
    // The main days from the dates; both sheets with earnings ticked.
    EXPECT_EQ(Shown(form, IDC_OTP_DAYS), std::string("28"));
    ASSERT_EQ(form->m_sheets[0].GetNRows(), 2);
    EXPECT_EQ(form->m_sheets[0].GetBCheck(0) + form->m_sheets[0].GetBCheck(1), 2);
    // 17640.00 on sheet 1 over 352.8 days: 50.00 a day; 2940.00 on sheet 3: 8.33.
    const npaymar::VacationPart& main = form->Part(0);
    ASSERT_TRUE(main.computed);
    EXPECT_EQ(FormatNumber(main.amount, "", 2), CString("1633.24"));  // (50.00 + 8.33) × 28
    EXPECT_EQ(FormatNumber(form->Part(1).amount, "", 2), CString("174.99"));
    form->SetDlgItemText(IDC_OTP_PERIOD, "2008-2009");
    form->SetDlgItemText(IDC_OTP_OSN, "Заявление 'об отпуске'");
    afxtest::chooseEntry(form, IDC_OTP_TYPE, 1);
    Save(form);
    EXPECT_EQ(Text("select concat_ws('|',npp,calc,dn,dn2,d1,d2,kou,kou2,period,number,d,nv,nv2,tip,osn) as str from "
                   "paymar_otpusk where tn=903"),
              CString("1|1|28.00|3.00|2009-07-15|2009-08-11|30|31|2008-2009|12-о|2009-07-01|1,3|1,3|1|Заявление 'об "
                      "отпуске'"));
    EXPECT_EQ(Amounts(), CString("1/30/1:1400.00 1/30/3:233.24 1/31/1:150.00 1/31/3:24.99"));
    EXPECT_EQ(Text("select sovokup as str from paymar_otpusk where tn=903"), CString("1:1400.00:50.00:17640.00;3:233.24:8.33:2940.00"));
    EXPECT_EQ(form->m_numbers.GetCount(), 2);
    EXPECT_EQ(Shown(form, IDC_REC_NPP), std::string("1"));

    // The employee again: his last record loads.
    form->SetDlgItemText(IDC_TN, "");
    form->SetDlgItemText(IDC_TN, "903");
    Settle();
    EXPECT_EQ(Shown(form, IDC_REC_NPP), std::string("1"));
    EXPECT_EQ(Shown(form, IDC_PAY_D1), std::string("15.07.2009"));
    EXPECT_EQ(Shown(form, IDC_OTP_DAYS2), std::string("3"));
    EXPECT_EQ(Shown(form, IDC_OTP_OSN), std::string("Заявление 'об отпуске'"));
    EXPECT_EQ(form->m_type.GetCurSel(), 1);
    EXPECT_EQ(FormatNumber(form->Part(0).amount, "", 2), CString("1633.24"));

    // Sheet 3 unticked: the main part is recomputed; a save keeps the choice.
    form->m_sheets[0].SetFocus0();
    form->m_sheets[0].SetCurCell(0, 1);
    afxtest::pressKey(form->m_sheets[0].GetQWidget(), Qt::Key_Space);
    ASSERT_EQ(form->m_sheets[0].GetBCheck(1), 0);
    EXPECT_EQ(FormatNumber(form->Part(0).amount, "", 2), CString("1400.00"));
    Save(form);
    EXPECT_EQ(Text("select nv as str from paymar_otpusk where tn=903"), CString("1"));
    EXPECT_EQ(Amounts(), CString("1/30/1:1400.00 1/31/1:150.00 1/31/3:24.99"));
    form->SetDlgItemText(IDC_TN, "");
    form->SetDlgItemText(IDC_TN, "903");
    Settle();
    EXPECT_EQ(form->m_sheets[0].GetBCheck(0), 1);
    EXPECT_EQ(form->m_sheets[0].GetBCheck(1), 0);

    // The blank entry: a second record of the month.
    afxtest::chooseEntry(form, IDC_REC_NPP, 0);
    Settle();
    EXPECT_EQ(Shown(form, IDC_VOU), std::string(""));
    Fill(form, "30", "10");
    Save(form);
    EXPECT_EQ(Count("select count(*) from paymar_otpusk where tn=903"), 2);
    EXPECT_EQ(Shown(form, IDC_REC_NPP), std::string("2"));
}

TEST_F(VacationForm, EachCheckOfASaveRefusesInItsOrderAndNothingIsWritten)
{
    COtpuskView* form = OpenForm();
    ASSERT_NE(form, nullptr);
    const struct {
        const char *tn, *code, *code2, *orderDate, *start, *end, *days, *message;
        int focus;
    } cases[] = {
        {"", "30", "", "01.07.2009", "15.07.2009", "11.08.2009", "", "Укажите Табельный №", IDC_TN},
        {"998", "30", "", "01.07.2009", "15.07.2009", "11.08.2009", "", "Нет такого работника", IDC_TN},
        {"903", "", "", "01.07.2009", "15.07.2009", "11.08.2009", "", "Укажите код оплаты", IDC_VOU},
        {"903", "777", "", "01.07.2009", "15.07.2009", "11.08.2009", "", "Нет такого вида оплаты", IDC_VOU},
        {"903", "30", "777", "01.07.2009", "15.07.2009", "11.08.2009", "", "Нет такого вида оплаты", IDC_OTP_KOU2},
        {"903", "201", "", "01.07.2009", "15.07.2009", "11.08.2009", "", "Код оплат должен быть меньше 200", IDC_VOU},
        {"903", "", "201", "01.07.2009", "15.07.2009", "11.08.2009", "", "Код оплат должен быть меньше 200", IDC_OTP_KOU2},
        {"903", "30", "", "", "15.07.2009", "11.08.2009", "", "Укажите дату приказа", IDC_OTP_DATE},
        {"903", "30", "", "31.06.2009", "15.07.2009", "11.08.2009", "", "Неверная дата: Дата приказа", IDC_OTP_DATE},
        {"903", "30", "", "01.07.2009", "", "11.08.2009", "", "Укажите дату начала", IDC_PAY_D1},
        {"903", "30", "", "01.07.2009", "15.13.2009", "11.08.2009", "", "Неверная дата: Дата начала", IDC_PAY_D1},
        {"903", "30", "", "01.07.2009", "15.07.2009", "", "", "Укажите дату окончания", IDC_PAY_D2},
        {"903", "30", "", "01.07.2009", "15.07.2009", "х", "", "Неверная дата: Дата окончания", IDC_PAY_D2},
        {"903", "30", "", "01.07.2009", "15.07.2009", "14.07.2009", "", "Дата начала должна предшествовать дате окончания",
         IDC_PAY_D1},
        {"903", "30", "", "01.07.2009", "15.07.2009", "11.08.2009", "две", "Укажите число: Дней основного отпуска",
         IDC_OTP_DAYS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        form->SetDlgItemText(IDC_TN, c.tn);
        Settle();
        form->SetDlgItemText(IDC_VOU, c.code);
        form->SetDlgItemText(IDC_OTP_KOU2, c.code2);
        form->SetDlgItemText(IDC_OTP_DATE, c.orderDate);
        form->SetDlgItemText(IDC_PAY_D1, c.start);
        form->SetDlgItemText(IDC_PAY_D2, c.end);
        form->SetDlgItemText(IDC_OTP_DAYS, c.days);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
        Settle();
        EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(c.focus));
        EXPECT_EQ(Count("select count(*) from paymar_otpusk where tn=903"), 0);
    }
    // 200 passes; the additional code alone writes no main pay.
    form->SetDlgItemText(IDC_TN, "903");
    Settle();
    Fill(form, "200", "28");
    Save(form);
    EXPECT_EQ(Text("select kou as str from paymar_otpusk where tn=903"), CString("200"));
    afxtest::chooseEntry(form, IDC_REC_NPP, 0);
    Settle();
    Fill(form, "", "", "31", "3");
    Save(form);
    EXPECT_EQ(Text("select concat_ws('|',coalesce(kou,'-'),kou2,dn) as str from paymar_otpusk where tn=903 and npp=2"),
              CString("-|31"));
    EXPECT_EQ(Count("select count(*) from paymar_otpusk1 where tn=903 and npp=2 and kou<>31"), 0);
    EXPECT_GT(Count("select count(*) from paymar_otpusk1 where tn=903 and npp=2"), 0);
}

TEST_F(VacationForm, AFailedSaveKeepsTheStoredRecordAndTheDeleteRemovesItWhole)
{
    COtpuskView* form = OpenForm();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "903");
    Settle();
    Fill(form, "30", "28");
    Save(form);
    const CString stored = Amounts();
    EXPECT_FALSE(stored.IsEmpty());

    // The pay refused after the record was written: neither is kept, and a
    // new record that fails takes no number.
    Run("create trigger paymar_otpusk1_refuse before insert on paymar_otpusk1 for each row "
        "signal sqlstate '45000' set message_text='refused'");
    form->SetDlgItemText(IDC_OTP_DAYS, "14");
    Save(form);
    afxtest::chooseEntry(form, IDC_REC_NPP, 0);
    Settle();
    Fill(form, "30", "5");
    Save(form);
    Run("drop trigger paymar_otpusk1_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(2);
    EXPECT_EQ(Text("select dn as str from paymar_otpusk where tn=903"), CString("28.00"));
    EXPECT_EQ(Count("select count(*) from paymar_otpusk where tn=903"), 1);
    EXPECT_EQ(Amounts(), stored);

    // Delete: asked, both tables' rows gone; a number not stored asks nothing.
    afxtest::chooseEntry(form, IDC_REC_NPP, 1);
    Settle();
    {
        afxtest::InteractionScript script;
        script.message("Удалить ? ", IDYES);
        afxtest::click(form, IDC_REC_DELETE);
        script.verify();
    }
    EXPECT_EQ(Count("select count(*) from paymar_otpusk where tn=903"), 0);
    EXPECT_EQ(Count("select count(*) from paymar_otpusk1 where tn=903"), 0);
    EXPECT_EQ(form->m_numbers.GetCount(), 1);
    form->m_numbers.SetWindowText("7");
    afxtest::InteractionScript script;
    afxtest::click(form, IDC_REC_DELETE);
    script.verify();
}

TEST_F(VacationForm, TwoClerksSavingNewRecordsAtOnceGetTwoNumbers)
{
    // The first save's record takes half a second to write, so the second
    // save asks for its number in the middle of it.
    Run("create trigger paymar_otpusk_slow before insert on paymar_otpusk for each row "
        "set @slept = sleep(if(new.npp=1, 0.5, 0))");
    auto record = [] {
        npaymar::VacationRecord r;
        r.tn = "903";
        r.dn = "28";
        r.dn2 = "NULL";
        r.d1 = "'2009-07-15'";
        r.d2 = "'2009-08-11'";
        r.d = "'2009-07-01'";
        r.kou = "30";
        r.amounts.push_back({"1", 100.50, "30"});
        return r;
    };
    npaymar::VacationRecord records[2] = {record(), record()};
    npaymar::VacationStored written[2] = {npaymar::VacationStored::Failed, npaymar::VacationStored::Failed};
    std::thread first([&] {
        CDbThreadSession session;
        written[0] = npaymar::StoreVacation(records[0]);
    });
    _ConnectionPtr watch = vornal::testing::OpenRawConnection();
    EXPECT_TRUE(vornal::testing::WaitForCount(
        watch, "select count(*) from information_schema.processlist where state='User sleep'",
        [](long long n) { return n == 1; }));
    std::thread second([&] {
        CDbThreadSession session;
        written[1] = npaymar::StoreVacation(records[1]);
    });
    first.join();
    second.join();
    watch->Close();
    Run("drop trigger paymar_otpusk_slow");
    EXPECT_EQ(written[0], npaymar::VacationStored::Written);
    EXPECT_EQ(written[1], npaymar::VacationStored::Written);
    EXPECT_EQ(records[0].npp, CString("1"));
    EXPECT_EQ(records[1].npp, CString("2"));
    EXPECT_EQ(Amounts(), CString("1/30/1:100.50 2/30/1:100.50"));

    // A stored record another clerk deleted meanwhile is not written again.
    Run("delete from paymar_otpusk where tn=903 and npp=2");
    EXPECT_EQ(npaymar::StoreVacation(records[1]), npaymar::VacationStored::Gone);
    EXPECT_EQ(Count("select count(*) from paymar_otpusk1 where tn=903 and npp=2"), 1);
}

TEST_F(VacationForm, TheSheetGridsTickTheStoredListsOrEverySheet)
{
    Result(2009, 6, 2, 1, "1000.00");
    Run(FormatText("insert into paymar_otpusk (g,ms,tn,npp,calc,dn,d1,d2,kou,kou2,nv,nv2) values "
                   "(%ld,%ld,903,1,1,28,'2009-07-15','2009-08-11',30,31,',1,3,','')",
                   g_lYear, g_lMonth));
    COtpuskView* form = OpenForm();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "903");
    Settle();
    const auto ticks = [](const CCellwork& grid) {
        QString ticks;
        for (long row = 0; row < grid.GetNRows(); ++row)
            ticks += grid.GetCellValue(0, row).ToQString() + (grid.GetBCheck(row) ? "+" : "-") + " ";
        return ticks.trimmed();
    };
    EXPECT_EQ(ticks(form->m_sheets[0]), QString("1+ 2- 3+"));
    EXPECT_EQ(ticks(form->m_sheets[1]), QString("1+ 2+ 3+")) << "an empty list ticks every sheet";
    EXPECT_EQ(form->m_results[0].GetNCols(), 3 + 4 * 2 + 1);

    // Twelve sheets, all ticked, each with its four columns.
    for (int nv = 4; nv <= 12; ++nv) {
        Run(FormatText("insert ignore into nv (id,name) values (%d,'Ведомость %d')", nv, nv));
        Result(2009, 6, nv, 1, "100.00");
    }
    Run("update paymar_otpusk set nv=null where tn=903");
    form->SetDlgItemText(IDC_TN, "");
    form->SetDlgItemText(IDC_TN, "903");
    Settle();
    ASSERT_EQ(form->m_sheets[0].GetNRows(), 12);
    EXPECT_EQ(form->Part(0).sheets.size(), 12u);
    EXPECT_EQ(form->m_results[0].GetNCols(), 3 + 4 * 12 + 1);
    EXPECT_EQ(form->m_results[0].GetCellValue(3 + 4 * 11, 0), CString("Ведомость 12"));
}

// The month's run pays the month's vacations under each part's code on the
// employee's main row, each sheet's pay once; another month's stay out.
TEST_F(VacationForm, TheMonthsRunPaysTheMonthsVacationPayOnce)
{
    const long g = g_lYear, ms = g_lMonth;
    const long pg = ms == 1 ? g - 1 : g, pms = ms == 1 ? 12 : ms - 1;
    Run("update paymar_bux set osn=0 where tn=903\n"
        "insert into paymar_bux (tn,npp,osn,kou,d1) values (903,2,1,1,'2005-01-10')");
    Run(FormatText("insert into paymar_otpusk1 (g,ms,tn,npp,nv,s,kou) values (%ld,%ld,903,1,1,500.10,30),"
                   "(%ld,%ld,903,1,1,100.00,30),(%ld,%ld,903,1,3,20.05,31),(%ld,%ld,903,2,3,7.00,31),"
                   "(%ld,%ld,903,1,1,999.00,30)",
                   g, ms, g, ms, g, ms, g, ms, pg, pms));
    const auto rows = [&](const char* table) {
        return Text(FormatText("select group_concat(concat(npp,'/',nv,'/',kou,':',s) order by npp,nv,kou separator ' ') "
                               "as str from %s where g=%ld and ms=%ld and tn=903 and kou in (30,31)",
                               table, g, ms));
    };
    for (int round = 0; round < 2; ++round) {
        npaymar::AccrualRun run;
        run.year = g;
        run.month = ms;
        std::thread worker([&] { npaymar::RunAccrualOnThisThread(run); });
        worker.join();
        ASSERT_TRUE(run.succeeded) << "run " << round;
        EXPECT_EQ(rows("paymar_nu"), CString("2/1/30:600.10 2/3/31:27.05")) << "run " << round;
        EXPECT_EQ(rows("paymar_nuz"), CString("2/1/30:600.10 2/3/31:27.05")) << "run " << round;
    }
}

} // namespace
