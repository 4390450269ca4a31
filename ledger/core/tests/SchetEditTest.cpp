// The account field expanding a short account when it loses the focus: the
// side's script is asked, a "." form is left alone, an unchanged answer is
// not written back, an empty field is asked too, and a failed script keeps
// what was typed.
#include "CSchetEdit.h"
#include "GuiDriver.h"
#include "tests/LedgerScripts.h"

#include <gtest/gtest.h>

namespace {

using nledmark::CSchetEdit;

const char kStandIns[] = R"lua(
function GL_GetFullSchDeb(text) if text == "" then return "000000000" end return "1" .. text .. "510" end
function GL_GetFullSchKred(text) if text == "same" then return text end
  if text == "broken" then error("сбой") end return "1" .. text .. "610" end
)lua";

class CFieldForm : public CWnd {
public:
    CFieldForm()
    {
        CreateEx(0, nullptr, "Форма", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 120), nullptr, 0);
        account.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 200, 30), this, 1020);
        other.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 40, 200, 60), this, 1021);
    }
    ~CFieldForm() override { DestroyWindow(); }

    // Types into the account field and leaves it for the other field.
    QString Leave(const char* typed)
    {
        afxtest::showActive(this);
        account.SetFocus();
        account.SetWindowText(typed);
        changes = 0;
        other.SetFocus();
        CString text;
        account.GetWindowText(text);
        return text.ToQString();
    }

    CSchetEdit account;
    CEdit other;
    int changes = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == 1020 && HIWORD(wParam) == EN_CHANGE)
            ++changes;
        return CWnd::OnCommand(wParam, lParam);
    }
};

TEST(SchetEdit, ExpandsAShortAccountByTheFieldsSide)
{
    ledmark_test::LedgerScripts scripts(false);
    ASSERT_TRUE(scripts.Define(kStandIns));
    struct Case {
        int debit;
        const char* typed;
        const char* shown;
        const char* call;   // "" when no script is asked
        int changes;
    } cases[] = {
        {1, "20134", "120134510", "GL_GetFullSchDeb(\"20134\")", 1},
        {0, "20134", "120134610", "GL_GetFullSchKred(\"20134\")", 1},
        {1, "304.05.2", "304.05.2", "", 0},
        {0, "same", "same", "GL_GetFullSchKred(\"same\")", 0},
        {1, "", "000000000", "GL_GetFullSchDeb(\"\")", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        CFieldForm form;
        form.account.m_bDebit = c.debit;
        scripts.Clear();
        EXPECT_EQ(form.Leave(c.typed), QString::fromUtf8(c.shown));
        EXPECT_EQ(form.changes, c.changes);
        if (*c.call) {
            ASSERT_EQ(scripts.calls.size(), 1u);
            EXPECT_EQ(scripts.calls[0].call, c.call);
            EXPECT_EQ(scripts.calls[0].context, scripts.Workplace());
        } else {
            EXPECT_TRUE(scripts.calls.empty());
        }
    }
}

TEST(SchetEdit, AFailedScriptKeepsWhatWasTyped)
{
    ledmark_test::LedgerScripts scripts(false);
    ASSERT_TRUE(scripts.Define(kStandIns));
    CFieldForm form;
    form.account.m_bDebit = 0;
    EXPECT_EQ(form.Leave("broken"), QStringLiteral("broken"));
    EXPECT_EQ(form.changes, 0);
    EXPECT_EQ(scripts.errors.size(), 1u);
}

} // namespace
