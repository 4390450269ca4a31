// The fragment search dialog driven as a user answers it.
#include "InteractionScript.h"
#include "dlgkit.h"
#include <gtest/gtest.h>

namespace {

struct SirchAnswer {
    const char* name;
    const char* typed;   // nullptr: the field is left as it came
    bool whole;
    int button;
    int result;
    const char* text;    // the fragment afterwards
    int option2;
};

const SirchAnswer kAnswers[] = {
    { "confirmed", "Петр", true, IDOK, IDOK, "Петр", 1 },
    { "cancelled after typing", "Сидор", true, IDCANCEL, IDCANCEL, "Иван", 0 },
    { "confirmed as it came", nullptr, false, IDOK, IDOK, "Иван", 0 },
};

TEST(SirchDlgTest, ConfirmTakesTheFragmentAndOptionsCancelChangesNothing)
{
    for (const SirchAnswer& a : kAnswers) {
        SCOPED_TRACE(a.name);
        afxtest::InteractionScript script;
        script.dialog(IDD_DLGKIT_SIRCH, [&a](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_SIRCH_PROMPT), QStringLiteral("Укажите фрагменты Фамилии"));
            EXPECT_EQ(d.text(IDC_SIRCH_TEXT), QStringLiteral("Иван"));
            EXPECT_EQ(d.item(IDC_SIRCH_WHOLE)->SendMessage(BM_GETCHECK), BST_UNCHECKED);
            if (a.typed)
                d.type(IDC_SIRCH_TEXT, QString::fromUtf8(a.typed));
            d.check(IDC_SIRCH_WHOLE, a.whole);
            d.click(a.button);
        });
        CSirchDlg dlg;
        dlg.m_strPrompt = "Укажите фрагменты Фамилии";
        dlg.m_strText = "Иван";
        dlg.m_nOption1 = 7;
        EXPECT_EQ(dlg.DoModal(), a.result);
        EXPECT_EQ(dlg.m_strText, CString(a.text));
        EXPECT_EQ(dlg.m_nOption1, 7) << "the first option comes back as it went";
        EXPECT_EQ(dlg.m_nOption2, a.option2);
    }
}

TEST(SirchDlgTest, RunsAgainWithTheLastFragmentAndEnterConfirms)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_DLGKIT_SIRCH, [](afxtest::DialogStep& d) {
                EXPECT_EQ(d.text(IDC_SIRCH_PROMPT), QStringLiteral("Укажите фрагменты поиска"));
                d.type(IDC_SIRCH_TEXT, "бум");
                d.key(IDC_SIRCH_TEXT, Qt::Key_Return);
            })
        .dialog(IDD_DLGKIT_SIRCH, [](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_SIRCH_TEXT), QStringLiteral("бум"));
            afxtest::typeKeys(nullptr, "6");
            d.click(IDOK);
        });
    CSirchDlg dlg;
    dlg.m_nOption2 = 5;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, CString("бум"));
    EXPECT_EQ(dlg.m_nOption2, 1) << "a non-zero option shows ticked and comes back as 1";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, CString("6")) << "the fragment is selected, so typing replaces it";
}

} // namespace
