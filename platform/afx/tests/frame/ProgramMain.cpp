// A small program on AfxWinMain, run by the tests as a process of its own:
// it shows its command line, opens a document in its MDI frame, closes the
// frame from the event loop and ends with ExitInstance's code.
#include "afx.h"
#include "res/resource.h"
#include <cstdio>

namespace {

class ReportView : public CFormView {
    DECLARE_DYNCREATE(ReportView)
public:
    ReportView() : CFormView(IDD_SHARED) {}
};

IMPLEMENT_DYNCREATE(ReportView, CFormView)

class ProgramApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        std::printf("args=[%s]\nline=[%s]\n", m_lpCmdLine, GetCommandLine());
        char number[32];
        std::snprintf(number, sizeof number, "%.2f", 12.5);
        std::printf("number=%s\nname=%s\n", number, m_pszAppName);
        auto* frame = new CMDIFrameWnd;
        if (!frame->LoadFrame(IDR_MAINFRAME))
            return FALSE;
        m_pMainWnd = frame;
        AddDocTemplate(new CMultiDocTemplate(IDR_BANK, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CMDIChildWnd),
                                             RUNTIME_CLASS(ReportView)));
        POSITION pos = GetFirstDocTemplatePosition();
        if (!GetNextDocTemplate(pos)->OpenDocumentFile(nullptr))
            return FALSE;
        frame->ShowWindow(SW_SHOW);
        // Closed from the event loop: the program ends when its frame goes.
        frame->PostMessage(WM_CLOSE);
        return TRUE;
    }
    int ExitInstance() override
    {
        std::printf("documents at exit=%d\n", GetOpenDocumentCount());
        CWinApp::ExitInstance();
        return 7;
    }
};

ProgramApp theApp;

} // namespace

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
