// The purchase book entry: a new entry's defaults, its checks, empty amounts
// stored as NULL, "Yes" to the offer turning the form into a new entry with
// the saved row kept, an entry of source 3 loaded with its name, and the
// purchase book of the period listing and printing both entries.
#include "CFormGridView.h"
#include "CKnigaPokView.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kTable = "ledmark_kniga_pokupok";
const QString kContinue = QStringLiteral("Документ успешно записан.\nЖелаете внести новый документ ? ");

class KnigaPokView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_kniga_pokupok");
    }
    CKnigaPokView* OpenNew() { return Open<CKnigaPokView>("книга покупок"); }
    static void Fill(CKnigaPokView* view, const char* number, const char* total, const char* nos20, const char* s20)
    {
        view->SetDlgItemText(IDC_KP_NUMBER, number);
        view->SetDlgItemText(IDC_KP_INVOICE_DATE, ThisYear("02.03"));
        view->SetDlgItemText(IDC_KP_TOTAL, total);
        view->SetDlgItemText(IDC_KP_NOS20, nos20);
        view->SetDlgItemText(IDC_KP_S20, s20);
        view->SetDlgItemText(IDC_SET_ORG, "1");
    }
};

TEST_F(KnigaPokView, TwoEntriesInOneFormAndThePurchaseBookOfThePeriod)
{
    CKnigaPokView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_KP_ACCEPTED), DMGtoStr(COleDateTime::GetCurrentTime()).ToQString());
    EXPECT_EQ(view->m_comboSource.GetCurSel(), 0);
    EXPECT_EQ(afxtest::text(view, IDC_KP_SOURCE_NAME), QStringLiteral("Бюджет"));
    Fill(view, "1187", "1200", "1000", "200");
    EXPECT_EQ(afxtest::text(view, IDC_SET_ORG_NAME), QStringLiteral("ООО \"Продторг\""));
    SaveYes(view, {kContinue});
    EXPECT_EQ(view->GetRealId(), -1) << "Yes: a new entry in the same form";
    EXPECT_EQ(afxtest::text(view, IDC_KP_NUMBER), QString());
    EXPECT_EQ(afxtest::text(view, IDC_KP_TOTAL), QString());
    const long first = (long)Count("select max(real_id) as cnt from ledmark_kniga_pokupok");
    EXPECT_EQ(Stored(kTable, first, "concat_ws('|',number,s,nos20,s20,coalesce(nos18,'NULL'),coalesce(s0,'NULL'),"
                                    "iff,icn,d=d_uch,id)"),
              CString("1187|1200.00|1000.00|200.00|NULL|NULL|1|ООО \"Продторг\"|1|0"));

    view->m_comboSource.SetCurSel(2);
    Fill(view, "54", "550", "", "");
    view->SetDlgItemText(IDC_KP_NOS10, "500");
    view->SetDlgItemText(IDC_KP_S10, "50");
    afxtest::InteractionScript second;
    second.message(QStringLiteral("Записать изменения ? "), IDYES).message(kContinue, IDNO);
    afxtest::click(view, IDOK);
    second.verify();
    const long secondId = view->GetRealId();
    EXPECT_GT(secondId, first) << "No: the form stays on the saved entry";
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_kniga_pokupok"), 2);

    // An entry of source 3 loads with its source and the source's name.
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    view = OpenStored<CKnigaPokView>("КнигаПокупок", secondId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_comboSource.GetCurSel(), 2);
    EXPECT_EQ(afxtest::text(view, IDC_KP_SOURCE_NAME), QStringLiteral("ЦС и БП"));
    EXPECT_EQ(afxtest::text(view, IDC_KP_NUMBER), QStringLiteral("54"));

    // The print opens the purchase book of the working period with both entries and the totals.
    afxtest::click(view, ID_DOCUMENT_PRINT);
    auto* book = Active<CFormGridView>();
    ASSERT_NE(book, nullptr);
    ASSERT_EQ(book->m_grid.GetNRows(), 3);
    EXPECT_EQ(book->m_grid.GetCellValue(2, 0), CString("1187"));
    EXPECT_EQ(book->m_grid.GetCellValue(2, 1), CString("54"));
    EXPECT_EQ(book->m_grid.GetCellValue(4, 2), CString("Итого"));
    EXPECT_EQ(book->m_grid.GetCellValue(5, 2), CString("1750.00"));
    EXPECT_EQ(book->m_grid.GetCellValue(6, 2), CString("250.00"));
    AfxGetMainWnd()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    const QString page = ReportPage();
    for (const char* part : {"Книга покупок", "№ 1187", "№ 54", "ООО \"Продторг\"", "7701234567/770101001", "1200.00",
                             "1750.00", "Всего"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
}

TEST_F(KnigaPokView, WhatASaveRefuses)
{
    CKnigaPokView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    ExpectRefusals(view, {
        {IDC_KP_ACCEPTED, "", "Укажите дату принятия на учет"},
        {IDC_KP_TOTAL, "0", "Укажите сумму с/ф"},
        {IDC_KP_TOTAL, "", "Укажите сумму с/ф"},
        {IDC_SET_ORG, "", "Укажите код Организации"},
        {IDC_SET_ORG, "42", "Нет такой организации"},
    }, [&] {
        view->SetDlgItemText(IDC_KP_ACCEPTED, DMGtoStr(COleDateTime::GetCurrentTime()));
        Fill(view, "9", "100", "", "");
    });
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_kniga_pokupok"), 0);
}

} // namespace
