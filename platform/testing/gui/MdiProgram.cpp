#include "MdiProgram.h"

#include "GuiDriver.h"

#include <QMdiArea>
#include <gtest/gtest.h>

namespace afxtest {

void MdiProgram::StartProgram()
{
    app = new CWinApp("Тест");
    auto* main = new CMDIFrameWnd;
    EXPECT_TRUE(main->LoadFrame(1, WS_OVERLAPPEDWINDOW));
    frame = main;
    app->m_pMainWnd = frame;
    frame->GetQWidget()->resize(1280, 900);
    showActive(frame);
}

void MdiProgram::StopProgram()
{
    closeProgramWindows(app);
    delete app;
    app = nullptr;
    frame = nullptr;
}

int MdiProgram::ChildCount() const
{
    return int(frame->GetMdiArea()->subWindowList().size());
}

void MdiProgram::Settle() const
{
    deliverPosted();
    flushDeletes();
}

std::vector<CView*> MdiProgram::OpenViews() const
{
    std::vector<CView*> views;
    POSITION t = app->GetFirstDocTemplatePosition();
    while (t) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(t);
        POSITION d = docTemplate->GetFirstDocPosition();
        while (d) {
            CDocument* document = docTemplate->GetNextDoc(d);
            POSITION v = document->GetFirstViewPosition();
            while (v)
                views.push_back(document->GetNextView(v));
        }
    }
    return views;
}

CView* MdiProgram::OpenView(CRuntimeClass* viewClass)
{
    // Each test form is a form of its own: a new document of its template.
    POSITION t = app->GetFirstDocTemplatePosition();
    while (t) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(t);
        if (docTemplate->m_pViewClass != viewClass)
            continue;
        CDocument* document = docTemplate->OpenDocumentFile(nullptr);
        POSITION v = document ? document->GetFirstViewPosition() : nullptr;
        return v ? document->GetNextView(v) : nullptr;
    }
    return nullptr;
}

} // namespace afxtest
