// What the chart says of several accounts at once, for checks that ask it of
// every account of a document.
#pragma once
#include "LedmarkApi.h"
#include <afx.h>

#include <vector>

// Per account, in the order given, a line "zab valid kol book1 book2 book3"
// as GL_IsZab, GL_Valid_Sch(account, 0, -1), GL_Should_Have_Kol and GL_Get_SB
// 1..3 answer for it; "" when the script fails (the user has been told).
LEDMARK_API CString GL_AccountFacts(const std::vector<CString>& accounts);
