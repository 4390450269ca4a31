// A form's fields take their values through the data exchange, as the
// modules' dialogs and views bind them.
#include "InteractionScript.h"
#include "TestForm.h"
#include "res/resource.h"
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

TEST(FormDataTest, FieldsGiveTheirValuesToTheForm)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_TEST_FORM, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.text(IDC_AMOUNT), QStringLiteral("10.00"));
        d.type(IDC_PLAIN, "Петров");
        d.type(IDC_AMOUNT, "250,5");
        d.type(IDC_DATE, "05062024");
        d.type(IDC_PASSWORD, "тайна1");
        d.choose(IDC_BRANCH, "Все филиалы");
        afxtest::clearDate(d.window(), IDC_DAY);
        d.click(IDOK);
    });
    TestForm form;
    form.m_strAmount = "10.00";
    form.m_nBranch = 1;
    form.m_dtDay = COleDateTime(2024, 3, 1, 0, 0, 0);
    ASSERT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(form.m_strPlain, CString("Петров"));
    EXPECT_EQ(form.m_strAmount, CString("250.50"));
    EXPECT_EQ(form.m_strDate, CString("05.06.2024"));
    EXPECT_EQ(form.m_strPassword, CString("тайна1"));
    EXPECT_EQ(form.m_nBranch, 0);
    EXPECT_EQ(form.m_nBranchId, -2) << "the id of all branches comes back negative";
    EXPECT_EQ(form.m_dtDay.GetStatus(), COleDateTime::invalid) << "an empty date field";
}

TEST(FormDataTest, CheckListTicksByProgramAndByUser)
{
    afxtest::InteractionScript script;
    TestForm form;
    ASSERT_TRUE(form.Create(IDD_TEST_FORM));
    afxtest::showActive(&form);
    CString item;
    form.m_list.GetText(1, item);
    EXPECT_EQ(item, CString(" 1234   Петрова")) << "the blank flag of \"% 4d\" puts a blank before a positive number";
    EXPECT_EQ(form.m_list.GetItemData(0), (DWORD_PTR)7);
    form.m_list.SetCheck(1, 1);
    EXPECT_EQ(form.m_list.GetCheck(1), 1);
    EXPECT_TRUE(form.log.empty()) << "the program's tick tells nobody";

    auto* list = qobject_cast<QListWidget*>(form.m_list.GetQWidget());
    ASSERT_TRUE(list);
    list->setCurrentRow(0);
    afxtest::pressKey(&form, IDC_LIST, Qt::Key_Space);
    EXPECT_EQ(form.m_list.GetCheck(0), 1);
    EXPECT_EQ(form.log, (std::vector<std::string> { "checked" }));
}

} // namespace
