// The turnover-and-balance sheet made without windows, so a test or a
// benchmark builds it as the form does: the groups (a KBK and an account down
// to the analytic level) with postings up to the period's end, the figures of
// each group written into tmp_0 by the workplace script fn_ledmark_prn_osv and
// read back under this connection's id, netted, one row a group (with its
// KOSGU rows when asked), the totals of the balance accounts and the
// signatures.
#pragma once
#include "LimitReportText.h"
#include "afx.h"

namespace nledmark {

struct CTurnoverSheetRequest {
    COleDateTime from, to;
    CString branches;  // a checked id list, "" = all branches
    CString kbkList;   // the typed KBK list, "" = every KBK
    int source = 0;    // 0 every source of financing, 1-4 its digit
    bool expand = false;  // "Раскрывать КОСГУ"
};

// A group of the sheet as the group query reads it; kbk is the spr_kbk id, or
// kNoKbk (MainBookPage.h) for the postings without a KBK.
struct CTurnoverGroup {
    CString kbk, ikbk, name, sch0, sch1, sch2;
};

// The group query over the debit and credit KBK filters and the branch fragment.
CString TurnoverGroupsSql(const CTurnoverSheetRequest& request, const CString& kbkDeb, const CString& kbkKred,
                          const CString& branchFilter);
// The debit-side condition of a group's postings, the branch fragment at its end.
CString TurnoverGroupCondition(const CTurnoverGroup& group, const CString& branchFilter);
// The call of the workplace script for a group in mode 0 (analytic level) or 1 (KOSGU).
CString TurnoverScriptCall(const CTurnoverSheetRequest& request, int mode, const CString& condition,
                           long connection, const CString& kbk, const CString& branchFilter);

// The whole sheet of a request whose lists were checked, for the connection
// whose server id is `connection`. A failed query or script call ends the
// sheet there: the page built so far says it is incomplete.
LimitPage BuildTurnoverSheet(const CTurnoverSheetRequest& request, long connection);

} // namespace nledmark
