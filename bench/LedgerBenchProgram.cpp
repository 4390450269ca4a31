#include "LedgerBenchProgram.h"

#include "CLedmark.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>

CMDIFrameWnd* StartLedgerProgram(int year)
{
    g_lYear = year;
    g_lTN = 1;
    SetDPV1(FormatText("01.01.%d", year));
    SetDPV2(FormatText("31.12.%d", year));
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

CView* OpenLedgerForm(CMDIFrameWnd* frame, const char* docName, int kind)
{
    if (CHelpers::FN_OpenDocument0(docName, kind, nullptr) != 1)
        return nullptr;
    QApplication::processEvents();
    CMDIChildWnd* child = frame->MDIGetActive();
    return child ? child->GetActiveView() : nullptr;
}
