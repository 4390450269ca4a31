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

} // namespace afxtest
