#include "LedgerBenchProgram.h"

#include "CLedmark.h"

#include <appcore.h>

#include <QApplication>

CMDIFrameWnd* StartLedgerProgram()
{
    new CWinApp("Бухгалтерия");
    auto* frame = new CMDIFrameWnd;
    if (!frame->LoadFrame(1, WS_OVERLAPPEDWINDOW))
        return nullptr;
    AfxGetApp()->m_pMainWnd = frame;
    frame->GetQWidget()->resize(1280, 900);
    frame->ShowWindow(SW_SHOW);
    QApplication::processEvents();
    return nledmark::CLedmark::Init() == 1 ? frame : nullptr;
}
