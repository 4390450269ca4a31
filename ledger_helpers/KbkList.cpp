#include "KbkList.h"
#include "SqlText.h"
#include <appcore.h>

namespace {

// The source digit of an account ("" for source 0 or no digit).
CString SourceOf(const char* account)
{
    char digit = account ? account[0] : '\0';
    return digit >= '1' && digit <= '9' ? CString(digit) : CString();
}

// A row of spr_kbk belongs to branch `id` when its list of branches holds it:
// the list is the id itself, begins or ends with it, or holds it between commas.
CString BranchHolds(const CString& id)
{
    return FormatText("(fil_id='%s' or fil_id like '%s,%%' or fil_id like '%%,%s,%%' or fil_id like '%%,%s')", id, id,
                      id, id);
}

bool IsId(const CString& text)
{
    return text.GetLength() <= 9 && IsDigitsOnly(text);
}

} // namespace

CString KbkFilterOfBranch(const char* account, int branch)
{
    CString source = SourceOf(account);
    CString clause = source.IsEmpty() ? CString() : " and isf=" + source;
    return FormatText("where ((%d=-2 or %s) %s)", branch, BranchHolds(FormatText("%d", branch)), clause);
}

CString KbkFilterOfBranches(const char* account, const char* branchIds)
{
    CString filter;
    CString list = CString(branchIds ? branchIds : "").Trim();
    for (int start = 0; !list.IsEmpty() && start <= list.GetLength();) {
        int comma = list.Find(',', start);
        CString id = (comma < 0 ? list.Mid(start) : list.Mid(start, comma - start)).Trim();
        // Only branch numbers reach the filter; anything else in the list is left out.
        if (IsId(id))
            filter += (filter.IsEmpty() ? "where (" : " or ") + BranchHolds(id);
        if (comma < 0)
            break;
        start = comma + 1;
    }
    if (!filter.IsEmpty())
        filter += ")";
    else if (!list.IsEmpty())
        filter = "where (1=0)"; // a list of no branch numbers offers no code, not every code
    CString source = SourceOf(account);
    if (!source.IsEmpty())
        filter += (filter.IsEmpty() ? "where isf=" : " and isf=") + source;
    return filter;
}

void GL_GetDefKBKList(CWnd* parent, int ctrlId, const char* account, int branch, UINT msg, const char*, int flag)
{
    CHelpers::GetInSpr("spr_kbk", parent, ctrlId, KbkFilterOfBranch(account, branch), msg, 0, flag, nullptr, nullptr,
                       0);
}

void GL_GetDefKBKList(CWnd* parent, int ctrlId, const char* account, const char* branchIds, UINT msg, const char*,
                      int flag)
{
    CString filter = KbkFilterOfBranches(account, branchIds);
    CHelpers::GetInSpr("spr_kbk", parent, ctrlId, filter.IsEmpty() ? nullptr : (const char*)filter, msg, 0, flag,
                       nullptr, nullptr, 0);
}
