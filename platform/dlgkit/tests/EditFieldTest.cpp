// The edit field kinds as a user meets them: keys typed one by one, then the
// field left for another.
#include "InteractionScript.h"
#include "TestForm.h"
#include "res/resource.h"
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct Typing {
    int id;
    const char* typed;
    const char* shown;   // after the keys
    const char* left;    // after the field was left
    int beeps;
};

const Typing kTyping[] = {
    { IDC_PLAIN, "Иванов Х00000000", "Иванов Х00000000", "Иванов Х00000000", 0 },
    { IDC_PLAIN, "304.05,2", "304.05,2", "304.05,2", 0 },
    { IDC_DATE, "01022024", "01.02.2024", "01.02.2024", 0 },
    { IDC_DATE, "1.2.2024", "1.2.2024", "01.02.2024", 0 },
    { IDC_DATE, "15,3,2024", "15.3.2024", "15.03.2024", 0 },
    { IDC_DATE, "1x.", "1.", "1.", 2 },
    { IDC_DATE, "31.02.2024", "31.02.2024", "31.02.2024", 1 },
    { IDC_DECIMAL, "-12,345", "-12.345", "-12.345", 0 },
    { IDC_DECIMAL, "1-2x.5.", "12.5", "12.5", 3 },
    { IDC_AMOUNT, "1,5", "1.5", "1.50", 0 },
    { IDC_AMOUNT, "-1234.567", "-1234.56", "-1234.56", 1 },
    { IDC_AMOUNT, "12", "12", "12.00", 0 },
    { IDC_AMOUNT, "-0,001", "-0.00", "0.00", 1 },
    { IDC_AMOUNT, "-", "-", "", 0 },
    { IDC_DECIMAL, "12.", "12.", "12", 0 },
    { IDC_AMOUNT, "абв", "", "", 3 },
};

class EditFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create(IDD_TEST_FORM));
        afxtest::showActive(&form);
    }
    void leave() { form.GetDlgItem(IDC_OTHER)->SetFocus(); }

    afxtest::InteractionScript script;
    TestForm form;
};

TEST_F(EditFieldTest, EachKindTakesWhatItAllowsAndTidiesTheTextOnLeaving)
{
    for (const Typing& c : kTyping) {
        SCOPED_TRACE(testing::Message() << "field " << c.id << " typed \"" << c.typed << "\"");
        int beepsBefore = int(script.beeps().size());
        form.GetDlgItem(c.id)->SetWindowText("");
        afxtest::typeInto(&form, c.id, QString::fromUtf8(c.typed));
        EXPECT_EQ(afxtest::text(&form, c.id), QString::fromUtf8(c.shown));
        leave();
        EXPECT_EQ(afxtest::text(&form, c.id), QString::fromUtf8(c.left));
        EXPECT_EQ(int(script.beeps().size()) - beepsBefore, c.beeps);
    }
}

TEST_F(EditFieldTest, AFormsOwnFieldReadsTheTidiedTextAfterTheBase)
{
    afxtest::typeInto(&form, IDC_ACCOUNT, "1,5");
    leave();
    EXPECT_EQ(form.log, (std::vector<std::string> { "form:1.50", "field:1.50" }));
}

TEST_F(EditFieldTest, PastedNumberTakesThePointAndPastedWordsAreRefused)
{
    QApplication::clipboard()->setText(QStringLiteral("1234,5"));
    afxtest::pressKey(&form, IDC_AMOUNT, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(afxtest::text(&form, IDC_AMOUNT), QStringLiteral("1234.5"));
    QApplication::clipboard()->setText(QStringLiteral("сто"));
    afxtest::pressKey(&form, IDC_AMOUNT, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(afxtest::text(&form, IDC_AMOUNT), QStringLiteral("1234.5"));
}

TEST_F(EditFieldTest, TextSetByTheProgramIsLeftAloneAndSetFocus0SelectsIt)
{
    form.m_amount.SetWindowText("1234.5");
    form.m_amount.SetFocus0();
    leave();
    EXPECT_EQ(afxtest::text(&form, IDC_AMOUNT), QStringLiteral("1234.5"));
    form.m_amount.SetFocus0();
    afxtest::typeKeys(nullptr, "7");
    EXPECT_EQ(afxtest::text(&form, IDC_AMOUNT), QStringLiteral("7"));
}

TEST_F(EditFieldTest, PasswordFieldHidesWhatIsTyped)
{
    afxtest::typeInto(&form, IDC_PASSWORD, "пароль1");
    auto* line = qobject_cast<QLineEdit*>(form.m_password.GetQWidget());
    ASSERT_TRUE(line);
    EXPECT_EQ(line->echoMode(), QLineEdit::Password);
    CString typed;
    form.m_password.GetWindowText(typed);
    EXPECT_EQ(typed, CString("пароль1"));
}

} // namespace
