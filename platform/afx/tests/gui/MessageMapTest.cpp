// Message maps through a class chain, command routing, update-UI, posted
// messages from another thread, event sink maps and the handle table.
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "afx.h"
#include <QLineEdit>
#include <QTest>
#include <QThread>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

const UINT WM_PICKED = WM_USER + 100;  // 0x464: a chooser's answer
const UINT ID_SAVE = 1;
const UINT ID_DELETE = 32790;
const UINT ID_PAGE_FIRST = 32800;
const UINT ID_PAGE_LAST = 32809;
const UINT ID_DOC_ONLY = 40020;

// A document-like target that the window routes commands on to.
class TestDocument : public CCmdTarget {
public:
    QStringList* log = nullptr;
    afx_msg void OnNew() { *log << "doc:new"; }
    afx_msg void OnSave() { *log << "doc:save"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDocument, CCmdTarget)
    ON_COMMAND(ID_DOC_ONLY, OnNew)
    ON_COMMAND(ID_SAVE, OnSave)
END_MESSAGE_MAP()

class BaseWnd : public CWnd {
public:
    QStringList log;
    bool deleteEnabled = true;
    std::function<void()> onPicked;
    afx_msg void OnSave() { log << "base:save"; }
    afx_msg void OnDelete() { log << "base:delete"; }
    afx_msg void OnUpdateDelete(CCmdUI* pCmdUI) { pCmdUI->Enable(deleteEnabled); }
    afx_msg void OnPage(UINT id) { log << QStringLiteral("base:page %1").arg(id - ID_PAGE_FIRST); }
    afx_msg LRESULT OnPicked(WPARAM w, LPARAM l)
    {
        log << QStringLiteral("base:picked %1 %2").arg(w).arg(l);
        if (onPicked)
            onPicked();
        return 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_COMMAND(ID_SAVE, OnSave)
    ON_COMMAND(ID_DELETE, OnDelete)
    ON_UPDATE_COMMAND_UI(ID_DELETE, OnUpdateDelete)
    ON_COMMAND_RANGE(ID_PAGE_FIRST, ID_PAGE_LAST, OnPage)
    ON_MESSAGE(WM_PICKED, OnPicked)
END_MESSAGE_MAP()

// Overrides one command of the base map, adds key and size handlers, and
// routes commands it has no handler for on to its document.
class ViewWnd : public BaseWnd {
public:
    TestDocument doc;
    std::vector<UINT> keys;
    int lastWidth = -1;
    bool swallowF7 = true;
    ViewWnd() { doc.log = &log; }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        if (BaseWnd::OnCmdMsg(nID, nCode, pExtra, pInfo))
            return TRUE;
        return doc.OnCmdMsg(nID, nCode, pExtra, pInfo);
    }
    afx_msg void OnSave() { log << "view:save"; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        keys.push_back(nChar);
        if (nChar != VK_F7 || !swallowF7)
            CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnSize(UINT, int cx, int) { lastWidth = cx; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ViewWnd, BaseWnd)
    ON_COMMAND(ID_SAVE, OnSave)
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(view.CreateEx(0, nullptr, "Вид", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 200, 30), &view, 1052));
    }
    ViewWnd view;
    CEdit edit;
};

TEST_F(MessageMapTest, CommandsRunTheMostDerivedHandlerThenRouteOn)
{
    struct Case {
        UINT id;
        const char* expected;
    } cases[] = {
        { ID_SAVE, "view:save" },             // the derived map wins over the base and the document
        { ID_DELETE, "base:delete" },         // found in the base class's map
        { ID_PAGE_FIRST + 3, "base:page 3" }, // a range handler gets the id
        { ID_DOC_ONLY, "doc:new" },           // routed on to the document
    };
    for (const Case& c : cases) {
        view.log.clear();
        afxtest::command(&view, c.id);
        EXPECT_EQ(view.log, QStringList { c.expected }) << c.id;
    }
    view.log.clear();
    afxtest::command(&view, 55555);
    EXPECT_TRUE(view.log.isEmpty());
}

TEST_F(MessageMapTest, UpdateHandlerDisablesACommand)
{
    view.deleteEnabled = false;
    afxtest::command(&view, ID_DELETE);
    EXPECT_TRUE(view.log.isEmpty());

    CTestCmdUI state;
    state.m_nID = ID_DELETE;
    EXPECT_TRUE(view.OnCmdMsg(ID_DELETE, (int)CN_UPDATE_COMMAND_UI, &state, nullptr));
    EXPECT_FALSE(state.m_bEnabled);
    AFX_CMDHANDLERINFO info = { nullptr, nullptr };
    EXPECT_TRUE(view.OnCmdMsg(ID_DOC_ONLY, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &view.doc);
    EXPECT_TRUE(view.log.isEmpty()) << "finding a handler does not run it";
}

TEST_F(MessageMapTest, SendMessageAnswersAndPostMessageArrivesFromAnotherThread)
{
    EXPECT_EQ(view.SendMessage(WM_PICKED, 5, 6), 7);
    view.log.clear();
    HWND h = view.m_hWnd;
    std::thread worker([h] {
        for (int i = 0; i < 3; ++i)
            ::PostMessage(h, WM_PICKED, i, 100);
        ::PostMessage(h, WM_COMMAND, ID_SAVE, 0);
    });
    worker.join();
    EXPECT_TRUE(view.log.isEmpty()) << "posted messages wait for the event loop";
    afxtest::deliverPosted();
    EXPECT_EQ(view.log,
              (QStringList { "base:picked 0 100", "base:picked 1 100", "base:picked 2 100", "view:save" }));
}

TEST_F(MessageMapTest, SendMessageFromAnotherThreadRunsOnTheInterfaceThread)
{
    Qt::HANDLE uiThread = QThread::currentThreadId();
    Qt::HANDLE ranOn = nullptr;
    view.onPicked = [&] { ranOn = QThread::currentThreadId(); };
    std::atomic<LRESULT> answer { 0 };
    HWND h = view.m_hWnd;
    std::thread worker([&] { answer = ::SendMessage(h, WM_PICKED, 1, 2); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.load() != 0; }, 5000));
    worker.join();
    EXPECT_EQ(answer.load(), 7);
    EXPECT_EQ(ranOn, uiThread);
}

TEST_F(MessageMapTest, PeekMessageRemovesPendingMessages)
{
    view.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
    view.PostMessage(WM_PICKED, 1, 2);
    MSG msg;
    EXPECT_TRUE(PeekMessage(&msg, view.m_hWnd, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_KEYDOWN);
    EXPECT_FALSE(PeekMessage(&msg, view.m_hWnd, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    afxtest::deliverPosted();
    EXPECT_EQ(view.log, QStringList { "base:picked 1 2" });
}

TEST_F(MessageMapTest, KeysReachTheHandlerAndOnlyDefaultLetsThemThrough)
{
    afxtest::showActive(&view);
    auto* line = qobject_cast<QLineEdit*>(edit.GetQWidget());
    edit.SetFocus();
    // The edit has no key handler of its own: the view's map is not asked for
    // the edit's keys (Windows sends WM_KEYDOWN to the focused window only).
    afxtest::typeKeys(line, QStringLiteral("Ёж"));
    EXPECT_EQ(line->text(), QStringLiteral("Ёж"));
    EXPECT_TRUE(view.keys.empty());

    view.SetFocus();
    afxtest::pressKey(view.GetQWidget(), Qt::Key_F7);
    afxtest::pressKey(view.GetQWidget(), Qt::Key_F3);
    EXPECT_EQ(view.keys, (std::vector<UINT> { VK_F7, VK_F3 }));
}

TEST_F(MessageMapTest, ResizeSendsWmSize)
{
    view.MoveWindow(0, 0, 321, 100);
    afxtest::showActive(&view);
    EXPECT_EQ(view.lastWidth, 321);
}

TEST_F(MessageMapTest, HandleOfAGoneWindowNamesNothing)
{
    HWND h = edit.m_hWnd;
    CString asText;
    asText.Format("%d", (int)(INT_PTR)h);
    HWND back = (HWND)(INT_PTR)atol(asText);
    EXPECT_EQ(CWnd::FromHandle(back), &edit);
    EXPECT_TRUE(IsWindow(back));
    EXPECT_EQ(view.GetDlgItem(1052), &edit);

    edit.DestroyWindow();
    EXPECT_FALSE(IsWindow(back)) << "closing windows are gone for other code at once";
    EXPECT_EQ(CWnd::FromHandle(back), nullptr);
    EXPECT_FALSE(::PostMessage(back, WM_PICKED, 0, 0));
    EXPECT_EQ(view.GetDlgItem(1052), nullptr);
    afxtest::flushDeletes();
    EXPECT_EQ(edit.m_hWnd, nullptr);
}

class GridHolder : public CWnd {
public:
    QString seen;
    void OnEditStart(short col, short row, CString* text, BOOL* cancel)
    {
        seen = QStringLiteral("%1,%2 %3").arg(col).arg(row).arg(text->ToQString());
        *text = "100";
        *cancel = TRUE;
    }
    void OnCellChanged(long col, long row, CString* text) { seen = QStringLiteral("changed %1,%2").arg(col).arg(row); }
    void OnDblClick() { seen = "dblclick"; }
    DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(GridHolder, CWnd)
    ON_EVENT(GridHolder, 10051, 3, OnEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PBOOL)
    ON_EVENT(GridHolder, 10051, 8, OnCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(GridHolder, 10051, DISPID_DBLCLICK, OnDblClick, VTS_NONE)
END_EVENTSINK_MAP()

TEST(EventSinkTest, ControlEventsReachTheHolderWithArgumentsByReference)
{
    GridHolder holder;
    ASSERT_TRUE(holder.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), nullptr, 0));
    CWnd grid;
    ASSERT_TRUE(grid.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &holder, 10051));

    CString text = "Ёлка";
    bool cancel = false;  // a flag of another width is copied back
    EXPECT_TRUE(AfxFireEvent(&grid, 3, { AfxEventArg((short)2), AfxEventArg((short)5), AfxEventArg(&text),
                                          AfxEventArg(&cancel) }));
    EXPECT_EQ(holder.seen, QStringLiteral("2,5 Ёлка"));
    EXPECT_EQ(text, CString("100"));
    EXPECT_TRUE(cancel);

    EXPECT_TRUE(AfxFireEvent(&grid, 8, { AfxEventArg(1), AfxEventArg(4), AfxEventArg(&text) }));
    EXPECT_EQ(holder.seen, QStringLiteral("changed 1,4"));
    EXPECT_TRUE(AfxFireEvent(&grid, DISPID_DBLCLICK, {}));
    EXPECT_EQ(holder.seen, QStringLiteral("dblclick"));
    EXPECT_FALSE(AfxFireEvent(&grid, 17, {})) << "no handler for event 17";
}

class ThrowingWnd : public CWnd {
public:
    afx_msg void OnSave() { throw std::runtime_error("lost connection"); }
    afx_msg void OnDelete() { AfxThrowUserException(); }
    afx_msg void OnPage(UINT) { throw new CFileException(CFileException::fileNotFound, -1, "отчет.html"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
    ON_COMMAND(ID_SAVE, OnSave)
    ON_COMMAND(ID_DELETE, OnDelete)
    ON_COMMAND_RANGE(ID_PAGE_FIRST, ID_PAGE_LAST, OnPage)
END_MESSAGE_MAP()

TEST(DispatchTest, AnExceptionFromAHandlerIsShownAndTheProgramGoesOn)
{
    ThrowingWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100), nullptr, 0));
    afxtest::InteractionScript script;
    script.message("*** Unhandled Exception from ThrowingWnd ***\nlost connection", IDOK).messageContaining("отчет.html", IDOK);
    // One at a time: a message box takes pending posted messages, as a modal loop does.
    for (UINT id : { ID_SAVE, ID_DELETE /* the user was told already: nothing more */, ID_PAGE_FIRST }) {
        w.PostMessage(WM_COMMAND, id, 0);
        afxtest::deliverPosted();
    }
    EXPECT_TRUE(script.finished()) << script.shown().join('\n').toStdString();
}

} // namespace

namespace {

// An edit that reacts to losing the focus, as the account-code edit does
// (calling the base first), inside a window that watches its notifications.
class CodeEdit : public CEdit {
public:
    CWnd* lostTo = nullptr;
    afx_msg void OnKillFocus(CWnd* pNewWnd)
    {
        CEdit::OnKillFocus(pNewWnd);
        lostTo = pNewWnd;
        SetWindowText("230405000");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CodeEdit, CEdit)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

class FocusForm : public CWnd {
public:
    QStringList log;
    afx_msg void OnCodeKill() { log << "kill 1"; }
    afx_msg void OnNameSet() { log << "set 2"; }
    afx_msg void OnCodeChange() { log << "change 1"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FocusForm, CWnd)
    ON_EN_KILLFOCUS(1, OnCodeKill)
    ON_EN_SETFOCUS(2, OnNameSet)
    ON_EN_CHANGE(1, OnCodeChange)
END_MESSAGE_MAP()

TEST(FocusTest, KillFocusNamesTheNewWindowAndTheParentHearsOfIt)
{
    FocusForm form;
    ASSERT_TRUE(form.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0));
    CEdit created;
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(5, 5, 100, 25), &form, 1));
    CEdit name;
    ASSERT_TRUE(name.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(5, 35, 100, 55), &form, 2));
    CodeEdit code;
    created.Detach();  // the member object takes the control, as DDX_Control does
    ASSERT_TRUE(code.SubclassDlgItem(1, &form));
    afxtest::showActive(&form);
    code.SetFocus();
    form.log.clear();
    name.SetFocus();
    EXPECT_EQ(code.lostTo, &name);
    EXPECT_EQ(form.log, (QStringList { "kill 1", "change 1", "set 2" }));
}

} // namespace
