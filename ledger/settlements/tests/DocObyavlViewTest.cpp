// The cash deposit announcement: a typed "100,50" stored as 100.50, a sum
// that rounds to zero or is negative refused, a source given as text alone
// stored without a code, a chosen code replacing the text with its name, the
// personal accounts offered of the chosen branch only, and the print
// through the report file.
#include "CDocObyavlView.h"
#include "ChooserForm.h"
#include "SettlementsProgram.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kTable = "ledmark_obyavl";

class DocObyavlView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_obyavl");
    }
    CDocObyavlView* OpenNew() { return Open<CDocObyavlView>("Объяв.Взн.Нал."); }
    static void Fill(CDocObyavlView* view)
    {
        view->SetDlgItemText(IDC_SET_ACCOUNT, "2");
        view->SetDlgItemText(IDC_OB_SUM, "100,50");
        view->SetDlgItemText(IDC_SET_SOURCE, "");
        view->SetDlgItemText(IDC_SET_SOURCE_NAME, "Выручка столовой");
        view->SetDlgItemText(IDC_SET_ORG, "1");
    }
};

TEST_F(DocObyavlView, ADepositIsStoredWithItsSourceAsTextOrAsACodeAndPrinted)
{
    CDocObyavlView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Fill(view);
    EXPECT_EQ(afxtest::text(view, IDC_SET_ACCOUNT_NUMBER), QStringLiteral("20234012345"));
    SaveYes(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Stored(kTable, realId, "concat_ws('|',s,coalesce(cn,'NULL'),icn,ls,org,id)"),
              CString("100.50|NULL|Выручка столовой|2|1|0"));

    // A code chosen from the book replaces the text with the code's name.
    afxtest::InteractionScript source;
    source.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2   "}); });
    afxtest::click(view, IDC_SET_SOURCE_PICK);
    source.verify();
    EXPECT_EQ(afxtest::text(view, IDC_SET_SOURCE_NAME), QStringLiteral("Родительская плата"));
    view->SetDlgItemText(IDC_OB_SUM, "1500,75");
    SaveYes(view);
    EXPECT_EQ(Stored(kTable, realId, "concat_ws('|',s,cn,icn)"), CString("1500.75|2|Родительская плата"));

    // Reopened as saved; printed through the report file.
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    view = OpenStored<CDocObyavlView>("Объяв.Взн.Нал.", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_OB_SUM), QStringLiteral("1500.75"));
    EXPECT_EQ(afxtest::text(view, IDC_SET_SOURCE), QStringLiteral("2"));
    afxtest::click(view, ID_DOCUMENT_PRINT);
    const QString page = ReportPage();
    for (const char* part : {"ОБЪЯВЛЕНИЕ НА ВЗНОС НАЛИЧНЫМИ № 1", "0402001", "20234012345", "ООО \"Продторг\"",
                             "Родительская плата", "1500.75", "Одна тысяча пятьсот рублей 75 копеек"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
}

TEST_F(DocObyavlView, WhatASaveRefuses)
{
    CDocObyavlView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    ExpectRefusals(view, {
        {IDC_SET_DATE_TEXT, "", "Укажите Дату"},
        {IDC_NUMBER, "", "Укажите № документа"},
        {IDC_SET_ACCOUNT, "", "Укажите код лицевого счета"},
        {IDC_SET_ACCOUNT, "99", "Нет такого кода лицевого счета"},
        {IDC_OB_SUM, "0,004", "Укажите сумму"},
        {IDC_OB_SUM, "-50", "Сумма взноса должна быть больше нуля"},
        {IDC_SET_SOURCE_NAME, "", "Укажите целевое назначение", IDC_SET_SOURCE},
        {IDC_SET_SOURCE, "555", "Нет такого кода целевого назначения"},
        {IDC_SET_ORG, "", "Укажите кому даете деньги"},
        {IDC_SET_ORG, "1'", "Нет такого кода организации"},
    }, [&] {
        view->SetDlgItemText(IDC_SET_DATE_TEXT, DMGtoStr(COleDateTime::GetCurrentTime()));
        view->SetDlgItemText(IDC_NUMBER, "3");
        Fill(view);
    });
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_obyavl"), 0);
}

// The account chooser offers the accounts of the branch in the list only.
TEST_F(DocObyavlView, TheAccountChooserListsTheBranchsAccounts)
{
    CDocObyavlView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    for (int i = 0; i < view->m_comboFil.GetCount(); ++i)
        if (view->m_comboFil.GetItemData(i) == DWORD_PTR(2))
            view->m_comboFil.SetCurSel(i);
    QStringList rows;
    afxtest::InteractionScript accounts;
    accounts.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
        rows = pickertest::Rows(d);
        pickertest::ClickRows(d, {"3   "});
    });
    afxtest::click(view, IDC_OB_ACCOUNT_PICK);
    accounts.verify();
    ASSERT_EQ(rows.size(), 1) << rows.join("\n").toStdString();
    EXPECT_TRUE(rows[0].startsWith("3   "));
    EXPECT_EQ(afxtest::text(view, IDC_SET_ACCOUNT), QStringLiteral("3"));
}

} // namespace
