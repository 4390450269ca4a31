// The calculator: its arithmetic as key sequences, and the dialog driven by
// its buttons and the keyboard.
#include "InteractionScript.h"
#include "dlgkit.h"
#include <QApplication>
#include <gtest/gtest.h>

namespace {

struct Keys {
    const char* keys;
    const char* display;
};

const Keys kKeys[] = {
    { "12+3=", "15" },
    { "2+3*4=", "20" },
    { "7/2=", "3.5" },
    { "0.1+0.2=", "0.3" },
    { "5-8=", "-3" },
    { "3*/2=", "1.5" },
    { "2+=", "4" },
    { "1..5", "1.5" },
    { "98\b\b\b", "0" },
    { "12+3=C", "0" },
    { "1/0=", "Деление на ноль" },
    { "1/0=5", "5" },
    { "1234567890123456", "123456789012345" },
    { "0.5*3=+1=", "2.5" },
};

TEST(CalculatorTest, KeysWorkAsOnAPocketCalculator)
{
    for (const Keys& k : kKeys) {
        SCOPED_TRACE(k.keys);
        dlgkit::CalcEngine calc;
        for (const char* p = k.keys; *p; ++p)
            calc.Press(*p);
        EXPECT_EQ(calc.Display(), CString(k.display));
    }
}

TEST(CalculatorTest, ResultFinishesAPendingOperation)
{
    dlgkit::CalcEngine calc("2,5");
    EXPECT_EQ(calc.Display(), CString("2.5"));
    calc.Press('*');
    calc.Press('4');
    EXPECT_EQ(calc.Result(), CString("10"));
    calc.Press('/');
    calc.Press('0');
    EXPECT_EQ(calc.Result(), CString("")) << "no result after a division by zero";
}

TEST(CalculatorTest, ButtonsAndKeysGiveTheResultBack)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_DLGKIT_CALCULATOR, [](afxtest::DialogStep& d) {
                EXPECT_EQ(d.request().caption, CString("Калькулятор"));
                for (int id : { IDC_CALC_1, IDC_CALC_2, IDC_CALC_PLUS, IDC_CALC_3, IDC_CALC_EQUALS })
                    d.click(id);
                EXPECT_EQ(d.text(IDC_CALC_DISPLAY), QStringLiteral("15"));
                for (Qt::Key key : { Qt::Key_Asterisk, Qt::Key_2, Qt::Key_Return })
                    afxtest::pressKey(QApplication::focusWidget(), key);
                EXPECT_EQ(d.text(IDC_CALC_DISPLAY), QStringLiteral("30"));
                d.click(IDOK);
            })
        .dialog(IDD_DLGKIT_CALCULATOR, [](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_CALC_DISPLAY), QStringLiteral("0"));
            d.click(IDC_CALC_9);
            d.click(IDCANCEL);
        });
    CString result = "старое";
    EXPECT_EQ(GetCalculator(result, nullptr, nullptr), IDOK);
    EXPECT_EQ(result, CString("30"));
    EXPECT_EQ(GetCalculator(result, nullptr, nullptr), IDCANCEL);
    EXPECT_EQ(result, CString("30")) << "closing hands nothing back";
}

} // namespace
