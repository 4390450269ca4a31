// The budget-classification picker restricted to a branch (or a list of
// branches) and to the source of financing of an account.
#pragma once
#include "LedmarkApi.h"
#include <afx.h>

class CWnd;

// `account` may be an account code or the source digit alone; source 0 (or no
// digit) does not restrict. Branch -2 = all branches. The choice goes into
// control `ctrlId`, or with -1 to the parent as message `msg`; `flag` 1 lets
// several codes be chosen. `extra` is not read.
LEDMARK_API void GL_GetDefKBKList(CWnd* parent, int ctrlId, const char* account, int branch, UINT msg,
                                  const char* extra, int flag);
LEDMARK_API void GL_GetDefKBKList(CWnd* parent, int ctrlId, const char* account, const char* branchIds, UINT msg,
                                  const char* extra, int flag);

// The filters the two pickers open with (the where clause on spr_kbk; "" = all).
CString KbkFilterOfBranch(const char* account, int branch);
CString KbkFilterOfBranches(const char* account, const char* branchIds);
