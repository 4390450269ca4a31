#include "LedgerProgram.h"

#include "CLedmark.h"
#include "ndbcore.h"

#include <QDate>

namespace ledgertest {

void LedgerProgram::SetUp()
{
    LedgerDatabase::SetUp();
    g_lYear = QDate::currentDate().year();
    g_lTN = 1;
    SetDPV1(ThisYear("01.01"));
    SetDPV2(ThisYear("31.12"));
    StartProgram();
    EXPECT_EQ(nledmark::CLedmark::Init(), 1);
}

void LedgerProgram::TearDown()
{
    StopProgram();
    LedgerDatabase::TearDown();
}

CString LedgerProgram::ThisYear(const char* dayAndMonth)
{
    return FormatText("%s.%d", dayAndMonth, QDate::currentDate().year());
}

} // namespace ledgertest
