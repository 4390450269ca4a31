// Command routing through view, document, frame and application, update
// handlers that disable a command, and a form's buttons and keys.
#include "FrameTestKit.h"
#include "GuiDriver.h"
#include <gtest/gtest.h>

using namespace frametest;

TEST(RoutingTest, AMenuCommandReachesViewDocumentFrameOrApplication)
{
    Program p;
    p.open();
    struct Case {
        UINT id;
        QString ran;
    } cases[] = {
        { ID_VIEW_CMD, "view:33001" },
        { ID_DOC_CMD, "doc:33002" },
        { ID_FRAME_CMD, "frame:33003" },
        { ID_APP_CMD, "app:33004" },
    };
    for (const Case& c : cases) {
        log().clear();
        p.frame->SendMessage(WM_COMMAND, c.id, 0);
        EXPECT_EQ(log(), QStringList { c.ran }) << c.id;
    }
    log().clear();
    p.frame->SendMessage(WM_COMMAND, ID_DISABLED_CMD, 0);
    EXPECT_TRUE(log().isEmpty()) << "a command its update handler disables does not run";

    // Update-UI asks the same chain; a command nobody handles has no handler.
    CTestCmdUI state;
    state.m_nID = ID_DISABLED_CMD;
    EXPECT_TRUE(p.frame->OnCmdMsg(ID_DISABLED_CMD, (int)CN_UPDATE_COMMAND_UI, &state, nullptr));
    EXPECT_FALSE(state.m_bEnabled);
    AFX_CMDHANDLERINFO info = { nullptr, nullptr };
    EXPECT_TRUE(p.frame->OnCmdMsg(ID_DOC_CMD, CN_COMMAND, nullptr, &info));
    EXPECT_NE(dynamic_cast<TestDoc*>(info.pTarget), nullptr);
    EXPECT_FALSE(p.frame->OnCmdMsg(45000, CN_COMMAND, nullptr, &info));
}

TEST(RoutingTest, WithoutAChildTheFrameAndApplicationStillTakeCommands)
{
    Program p;
    p.frame->SendMessage(WM_COMMAND, ID_VIEW_CMD, 0);
    p.frame->SendMessage(WM_COMMAND, ID_APP_CMD, 0);
    EXPECT_EQ(log(), QStringList { "app:33004" });
}

TEST(RoutingTest, AFormsButtonsAndKeys)
{
    Program p;
    CView* view = firstView(p.open());
    afxtest::typeInto(view, IDC_NUMBER, QStringLiteral("42"));
    afxtest::click(view, IDOK);
    afxtest::click(view, ID_PRINT);
    EXPECT_EQ(log(), (QStringList { "view:save 42", "frame:print" }))
        << "a button the view and document do not take goes to the frame";

    log().clear();
    afxtest::typeInto(view, IDC_NUMBER, QStringLiteral("43"));
    afxtest::pressKey(view, IDC_NUMBER, Qt::Key_Return);
    EXPECT_EQ(log(), QStringList { "view:save 43" }) << "Enter presses the form's default button";
    afxtest::pressKey(view, IDC_NUMBER, Qt::Key_Tab);
    EXPECT_EQ(CWnd::GetFocus(), view->GetDlgItem(IDC_KIND)) << "Tab moves to the next control";
}
