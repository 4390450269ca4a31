#include "MonthBenchProgram.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>

CMDIFrameWnd* StartMonthProgram(const char* appName, int year, int month)
{
    g_lYear = year;
    g_lMonth = month;
    g_lTN = 1;
    SetDPV1(GetOtpD1(year, month));
    SetDPV2(GetOtpD2(year, month));
    new CWinApp(appName);
    auto* frame = new CMDIFrameWnd;
    if (!frame->LoadFrame(1, WS_OVERLAPPEDWINDOW))
        return nullptr;
    AfxGetApp()->m_pMainWnd = frame;
    frame->GetQWidget()->resize(1280, 900);
    frame->ShowWindow(SW_SHOW);
    QApplication::processEvents();
    return frame;
}
