// The small program the frame tests run: an application object, an MDI main
// frame, a document/view pair on a form of the tests' resource script, and a
// record of which object handled which command.
#pragma once
#include "GuiDriver.h"
#include "afx.h"
#include "res/resource.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join(", ").toStdString() << ']'; }

namespace frametest {

// What ran, in order ("view:33001", "doc:33002"...).
QStringList& log();
// Objects alive, by name ("doc", "view", "child"): their destructors count down.
int& alive(const char* what);

class TestApp : public CWinApp {
public:
    TestApp() : CWinApp("Тестовая бухгалтерия") {}
    afx_msg void OnAppCmd() { log() << QStringLiteral("app:%1").arg(ID_APP_CMD); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnDisabled() { log() << QStringLiteral("app:disabled ran"); }
    DECLARE_MESSAGE_MAP()
};

class MainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(MainFrame)
public:
    afx_msg void OnFrameCmd() { log() << QStringLiteral("frame:%1").arg(ID_FRAME_CMD); }
    afx_msg void OnPrint() { log() << QStringLiteral("frame:print"); }
    DECLARE_MESSAGE_MAP()
};

class TestDoc : public CDocument {
    DECLARE_DYNCREATE(TestDoc)
public:
    TestDoc() { ++alive("doc"); }
    ~TestDoc() override { --alive("doc"); }
    BOOL OnNewDocument() override;
    int m_nNewCalls = 0;
    afx_msg void OnDocCmd() { log() << QStringLiteral("doc:%1").arg(ID_DOC_CMD); }
    DECLARE_MESSAGE_MAP()
};

class ChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(ChildFrame)
public:
    ChildFrame() { ++alive("child"); }
    ~ChildFrame() override { --alive("child"); }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        cs.cx = 700;
        cs.cy = 270;
        return CMDIChildWnd::PreCreateWindow(cs);
    }
};

class PkoView : public CFormView {
    DECLARE_DYNCREATE(PkoView)
public:
    PkoView() : CFormView(IDD_PKO) { ++alive("view"); }
    ~PkoView() override { --alive("view"); }
    CString m_number = "17";
    int m_kind = 1;
    int m_nInitialUpdates = 0;
    void OnInitialUpdate() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnViewCmd() { log() << QStringLiteral("view:%1").arg(ID_VIEW_CMD); }
    afx_msg void OnSave();
    DECLARE_MESSAGE_MAP()
};

// A view built on a dialog other than its template's id.
class SharedView : public CFormView {
    DECLARE_DYNCREATE(SharedView)
public:
    SharedView() : CFormView(IDD_SHARED) {}
};

// The program: application, main frame (shown and active) and the two templates.
class Program {
public:
    Program();
    ~Program();
    TestApp* app;
    MainFrame* frame;
    CMultiDocTemplate* pko;
    CMultiDocTemplate* bank;
    TestDoc* open(CMultiDocTemplate* t = nullptr);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
};

// An application with a main frame of class Frame loaded from IDR_MAINFRAME,
// shown and active.
template <class Frame>
struct FrameProgram {
    TestApp app;
    Frame* frame = new Frame;
    FrameProgram()
    {
        EXPECT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
        app.m_pMainWnd = frame;
        frame->GetQWidget()->resize(900, 600);
        afxtest::showActive(frame);
    }
    ~FrameProgram()
    {
        frame->DestroyWindow();
        afxtest::flushDeletes();
    }
    FrameProgram(const FrameProgram&) = delete;
    FrameProgram& operator=(const FrameProgram&) = delete;
};

// The first view of a document.
CView* firstView(CDocument* doc);

} // namespace frametest
