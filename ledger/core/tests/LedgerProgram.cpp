#include "LedgerProgram.h"

#include "CLedmark.h"
#include "GuiDriver.h"
#include "ndbcore.h"

#include <QDate>
#include <QMdiArea>

namespace ledgertest {

void LedgerProgram::SetUp()
{
    LedgerDatabase::SetUp();
    g_lYear = QDate::currentDate().year();
    g_lTN = 1;
    SetDPV1(ThisYear("01.01"));
    SetDPV2(ThisYear("31.12"));
    app = new CWinApp("Тест");
    auto* main = new CMDIFrameWnd;
    EXPECT_TRUE(main->LoadFrame(1, WS_OVERLAPPEDWINDOW));
    frame = main;
    app->m_pMainWnd = frame;
    frame->GetQWidget()->resize(1280, 900);
    afxtest::showActive(frame);
    EXPECT_EQ(nledmark::CLedmark::Init(), 1);
}

void LedgerProgram::TearDown()
{
    afxtest::closeProgramWindows(app);
    delete app;
    LedgerDatabase::TearDown();
}

int LedgerProgram::ChildCount() const
{
    return int(frame->GetMdiArea()->subWindowList().size());
}

void LedgerProgram::Settle() const
{
    afxtest::deliverPosted();
    afxtest::flushDeletes();
}

CString LedgerProgram::ThisYear(const char* dayAndMonth)
{
    return FormatText("%s.%d", dayAndMonth, QDate::currentDate().year());
}

} // namespace ledgertest
