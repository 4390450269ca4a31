// The main book made without windows, so a test or a benchmark builds it as
// the form does: for one account (a page per KBK of the list) or for every
// account with postings up to the period's end (a page per account and KBK),
// each month of the period with its opening balance, the turnovers by
// correspondent and by the correspondent's KOSGU codes and the closing
// balance, then the totals and the signatures.
#pragma once
#include "LimitReportText.h"
#include "afx.h"

#include <vector>

namespace nledmark {

struct CMainBookRequest {
    COleDateTime from, to;
    CString branches;    // a checked id list, "" = all branches
    CString account;     // nine digits, in single-account mode
    CString kbkList;     // the typed KBK list, single-account mode
    bool allAccounts = false;
};

// A page's KBK: a checked spr_kbk id, "" for no restriction, or kNoKbk for
// the postings without a KBK.
extern const char* const kNoKbk;

// The KBK pages of a typed list: one unrestricted page ("") for a list
// without codes, else one per code of its non-empty parts. False when a part
// is no whole number.
bool MainBookKbkPages(const CString& list, std::vector<CString>& pages);

// True for an account of the chart that may be posted, or for a level of the
// chart it describes: source 0 (every source), sub-account "00" (the whole
// synthetic account) or KOSGU "000" (every code), which the book prints whole.
bool MainBookAccountKnown(const CString& account);

// The months of a period, each cut to the period: the first starts at the
// period's start, the last ends at its end; none when the start is later.
struct CBookMonth {
    COleDateTime from, to;
};
std::vector<CBookMonth> PeriodMonths(const COleDateTime& from, const COleDateTime& to);

// The query of the accounts and KBK that get a page in all-accounts mode.
CString MainBookAccountsSql(const CMainBookRequest& request, const CString& branchFilter);

// One page: `dropEmpty` gives an empty page for an account without
// correspondents in the period and with a zero opening in every month;
// `breakBefore` starts it on a new printed page.
LimitPage BuildMainBookPage(const CMainBookRequest& request, const CString& account, const CString& kbk,
                            bool dropEmpty, bool breakBefore);

// The whole report of a request whose lists were checked.
LimitPage BuildMainBook(const CMainBookRequest& request);

} // namespace nledmark
