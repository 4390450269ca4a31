// The power of attorney to receive a cheque: the breakdown from its choosers
// (the personal account's number, the economic code's key) with its total,
// empty cheque number, series and note stored as NULL, the total kept by a
// save without changes, "&Новый" turning it into a second document with its
// own number and date check, the print, and the list that reopens it.
#include "CDovPoluchCheckaView.h"
#include "CFormGridView.h"
#include "ChooserForm.h"
#include "SettlementsProgram.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kTable = "ledmark_dov_pol_cheka";

class DovPoluchCheckaView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_dov_pol_cheka");
    }
    CDovPoluchCheckaView* OpenNew() { return Open<CDovPoluchCheckaView>("Дов.пол.чека"); }
    static void Choose(CDovPoluchCheckaView* view, short col, short row)
    {
        view->m_grid.SetCurCell(col, row);
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(col), AfxEventArg(row)});
    }
};

TEST_F(DovPoluchCheckaView, WrittenWithItsBreakdownCopiedIntoANewOnePrintedAndListed)
{
    CDovPoluchCheckaView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_grid.GetNRows(), 30);
    view->SetDlgItemText(IDC_SET_TN, "2");
    EXPECT_EQ(afxtest::text(view, IDC_SET_FIO), QStringLiteral("Иванова Мария Петровна"));
    afxtest::InteractionScript choosers;
    choosers.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2   "}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"226000   "}); });
    Choose(view, DOVCH_ACCOUNT, 0);
    Choose(view, DOVCH_EKR, 0);
    choosers.verify();
    EXPECT_EQ(view->m_grid.GetCellValue(DOVCH_ACCOUNT, 0), CString("20234012345")) << "the account's number";
    EXPECT_EQ(view->m_grid.GetCellValue(DOVCH_EKR, 0), CString("226000"));
    view->m_grid.SetCellValue(DOVCH_SUM, 0, "1200,50");
    view->m_grid.SetCellValue(DOVCH_ACCOUNT, 1, "03234012345");
    view->m_grid.SetCellValue(DOVCH_EKR, 1, "211000");
    view->m_grid.SetCellValue(DOVCH_SUM, 1, "300");
    EXPECT_EQ(afxtest::text(view, IDC_DOVCH_TOTAL), QStringLiteral("1500.50"));
    SaveYes(view);
    const long first = view->GetRealId();
    ASSERT_GT(first, 0);
    EXPECT_EQ(Stored(kTable, first, "concat_ws('|',number,tn,icn,s,coalesce(n,'NULL'),coalesce(ser,'NULL'),"
                                    "coalesce(prim,'NULL'),id)"),
              CString("1|2|Иванова Мария Петровна|1500.50|NULL|NULL|NULL|0"));

    // Reopened, the total is the lines' again, and a save without changes keeps it.
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    view = OpenStored<CDovPoluchCheckaView>("Дов.пол.чека", first);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_DOVCH_TOTAL), QStringLiteral("1500.50"));
    view->SetDlgItemText(IDC_DOVCH_SERIES, "АБ");
    view->SetDlgItemText(IDC_DOVCH_CHEQUE, "4455");
    SaveYes(view);
    EXPECT_EQ(Stored(kTable, first, "concat_ws('|',s,ser,n)"), CString("1500.50|АБ|4455"));

    // "&Новый" keeps every field, gives the next number of the working year and
    // checks the copy on its own date only.
    // The source now lies in a closed period.
    const int year = COleDateTime::GetCurrentTime().GetYear();
    Run(FormatText("update %s set d='%d-01-10' where real_id=%d", kTable, year - 1, first));
    Run(FormatText("insert into system_const (name, val) values ('system_actual_date', '31.12.%d')", year - 1));
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    view = OpenStored<CDovPoluchCheckaView>("Дов.пол.чека", first);
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript copy;
    copy.message(QStringLiteral("Ввести новый документ на основании текущего ? "), IDYES);
    afxtest::click(view, ID_DOCUMENT_NEW);
    copy.verify();
    EXPECT_EQ(view->GetRealId(), -1);
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("1")) << "the source is of last year";
    EXPECT_EQ(afxtest::text(view, IDC_SET_TN), QStringLiteral("2"));
    view->SetDlgItemText(IDC_SET_DATE_TEXT, DMGtoStr(COleDateTime::GetCurrentTime()));
    SaveYes(view);
    const long second = view->GetRealId();
    EXPECT_NE(second, first);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_dov_pol_cheka"), 2);
    EXPECT_EQ(Stored(kTable, second, "concat_ws('|',number,tn,s,ser,n,grid=(select grid from ledmark_dov_pol_cheka "
                                     "where real_id=" + utoa(first) + "))"),
              CString("1|2|1500.50|АБ|4455|1"));

    // The print: the employee's passport, the cheque and the amount in words.
    afxtest::click(view, ID_DOCUMENT_PRINT);
    const QString page = ReportPage();
    for (const char* part : {"ДОВЕРЕННОСТЬ № 1", "Иванова Мария Петровна", "паспорт серии 4511 № 654321",
                             "чеку серии АБ № 4455", "1500.50", "Одна тысяча пятьсот рублей 50 копеек", "20234012345",
                             "226000"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();

    // The list of the working period shows the one of this year and opens it.
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    ASSERT_EQ(CHelpers::FN_OpenDocument0("СписокДовПолЧека", 0, nullptr), 1);
    auto* list = Active<CFormGridView>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->m_grid.GetNRows(), 1);
    EXPECT_EQ(list->m_grid.GetCellValue(0, 0), utoa(second));
    list->m_grid.SetCurCell(0, 0);
    afxtest::click(list, IDOK);
    auto* reopened = Active<CDovPoluchCheckaView>();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->GetRealId(), second);
}

TEST_F(DovPoluchCheckaView, WhatASaveRefuses)
{
    CDovPoluchCheckaView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    ExpectRefusals(view, {
        {IDC_SET_DATE_TEXT, "", "Укажите Дату"},
        {IDC_NUMBER, "", "Укажите № документа"},
        {IDC_SET_TN, "", "Укажите Кому выдана доверенность"},
        {IDC_SET_TN, "2; drop table tn", "Нет такого Работника"},
    }, [&] {
        view->SetDlgItemText(IDC_SET_DATE_TEXT, DMGtoStr(COleDateTime::GetCurrentTime()));
        view->SetDlgItemText(IDC_NUMBER, "1");
        view->SetDlgItemText(IDC_SET_TN, "2");
    });
    // "No" to the question writes nothing.
    view->SetDlgItemText(IDC_SET_TN, "2");
    afxtest::InteractionScript no;
    no.message(QStringLiteral("Записать изменения ? "), IDNO);
    afxtest::click(view, IDOK);
    no.verify();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_dov_pol_cheka"), 0);
}

} // namespace
