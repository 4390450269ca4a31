// The selection forms of synthetic accounts, analytic accounts and KOSGU
// codes in the program: the arguments refused in the order of their checks
// with nothing opened, and a chosen row answered by message as a text or
// into the caller's control, after which the form closes.
#include "AnswerWindow.h"
#include "CFormGridView.h"
#include "CLedmark.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"

#include <functional>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

class PickerForms : public LedgerProgram {
protected:
    CFormGridView* Form() const { return Active<CFormGridView>(); }
    static QStringList Codes(CFormGridView* form)
    {
        QStringList codes;
        for (long r = 0; r < form->m_grid.GetNRows(); ++r)
            codes << form->m_grid.GetCellValue(0, r).ToQString();
        return codes;
    }
    // The user stands on the row of `code` and chooses it.
    static bool ChooseCode(CFormGridView* form, const QString& code)
    {
        const long row = Codes(form).indexOf(code);
        if (row < 0)
            return false;
        form->m_grid.SetCurCell(0, short(row));
        return form->Choose() != FALSE;
    }
};

TEST_F(PickerForms, MissingAccountPartsAreAskedForAndNothingOpens)
{
    struct Case {
        const char* message;
        std::function<void(CWnd*)> call;
    } cases[] = {
        {"Укажите код синтетического счета", [](CWnd* w) { CLedmark::GetAnalit(w, UINT(-1), 0x464, nullptr); }},
        {"Укажите код синтетического счета", [](CWnd* w) { CLedmark::GetAnalit(w, UINT(-1), 0x464, ""); }},
        {"Укажите код синтетического счета", [](CWnd* w) { CLedmark::GetKOSGU(w, UINT(-1), 0x464, "", nullptr); }},
        {"Укажите код аналитического счета", [](CWnd* w) { CLedmark::GetKOSGU(w, UINT(-1), 0x464, "201", nullptr); }},
        {"Укажите кода аналитического счета", [](CWnd* w) { CLedmark::GetKOSGU(w, UINT(-1), 0x464, "201", ""); }},
    };
    for (const Case& c : cases) {
        CAnswerWindow caller(true);
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        c.call(&caller);
        script.verify();
        EXPECT_EQ(ChildCount(), 0) << c.message;
        EXPECT_TRUE(caller.answers.empty());
    }
}

TEST_F(PickerForms, AChosenRowAnswersByMessageAsTextAndTheFormCloses)
{
    CAnswerWindow caller(true);
    CLedmark::GetKOSGU(&caller, UINT(-1), 0x465, "201", "34");
    CFormGridView* form = Form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Codes(form), QStringList({"510", "610"}));
    EXPECT_EQ(form->m_grid.GetColCaption(1), CString("Наименование"));
    ASSERT_TRUE(ChooseCode(form, "610"));
    Settle();
    ASSERT_EQ(caller.answers.size(), 1u);
    EXPECT_EQ(caller.answers[0].msg, 0x465u);
    EXPECT_EQ(caller.answers[0].text, QStringLiteral("610"));
    EXPECT_EQ(ChildCount(), 0);

    // The analytic form of the synthetic account, answered the same way.
    CLedmark::GetAnalit(&caller, UINT(-1), 0x466, "201");
    ASSERT_NE(Form(), nullptr);
    EXPECT_EQ(Codes(Form()), QStringList({"01", "03", "04", "11", "21", "34", "35"}));
    ASSERT_TRUE(ChooseCode(Form(), "34"));
    Settle();
    ASSERT_EQ(caller.answers.size(), 2u);
    EXPECT_EQ(caller.answers[1].text, QStringLiteral("34"));
}

TEST_F(PickerForms, AChosenSyntheticAccountIsWrittenIntoTheCallersControl)
{
    CWnd caller;
    ASSERT_TRUE(caller.CreateEx(0, nullptr, "Форма", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 100, 25), &caller, 1001));
    CLedmark::GetSint(&caller, 1001, UINT(-1));
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(Codes(Form()).contains("201"));
    EXPECT_FALSE(Codes(Form()).contains("000")) << "only synthetic rows of the chart";
    ASSERT_TRUE(ChooseCode(Form(), "201"));
    Settle();
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, CString("201"));
    caller.DestroyWindow();
}

} // namespace
