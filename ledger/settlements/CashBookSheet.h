// The insert sheet of the cash book (form 440) for one day, made without
// windows so a test or a benchmark builds it as the form does.
//
// Cash postings are those on 201.04 on either side. The sheet's lines are
// the cash postings of the day with the document that wrote them, found
// through the stored-document kinds that write postings. Money of source 1
// stands in the budget columns, of every other source in the off-budget
// ones; the opening budget balance is that of 120104000 and the off-budget
// one the rest of 020104000, so each group closes at its opening plus its
// receipts less its payments. A KBK list filters the debit KBK of receipts
// and the credit KBK of payments, in the lines, the balances and the sheet
// counts alike.
#pragma once
#include "LedgerFilters.h"
#include "afx.h"

#include <array>

namespace nledmark {

// " and (fil_id=1 or fil_id=3)" of a checked list, "" for none.
CString BranchFilter(const CString& ids);
// " and (kbk_deb=1 or kbk_deb=3)" for side "deb" (or "kred"), "" for none.
CString KbkFilter(const CString& ids, const char* side);

// The filters of a sheet: checked lists of branches and KBK ids.
struct CCashBookFilter {
    CString branches;
    CString kbks;
};

// The days with cash postings of the date's year up to the date (the sheet
// number), of its month and of its whole year.
struct CCashBookCounts {
    long sheet = 0;
    long month = 0;
    long year = 0;
};
CCashBookCounts CountCashSheets(const COleDateTime& date, const CCashBookFilter& filter);
// The queries of those three counts (sheet, month, year) of a valid date.
std::array<CString, 3> CashSheetCountSql(const COleDateTime& date, const CCashBookFilter& filter);

// The query of the day's cash postings with their documents.
CString CashBookLinesSql(const COleDateTime& date, const CCashBookFilter& filter);

// The last day with cash postings up to `until`; an invalid date when none.
COleDateTime LastCashDay(const COleDateTime& until);

struct CCashBookSheet {
    COleDateTime date;
    CCashBookFilter filter;
    long number = 0;
    // The month's and year's sheet counts, printed on a month's last sheet.
    bool lastDayOfMonth = false;
    CString monthSheets;
};

struct CCashBookPage {
    CString html;
    // FALSE when a balance or the day's postings could not be read: the page
    // says so and leaves out what it could not count.
    BOOL complete = TRUE;
};
CCashBookPage BuildCashBookPage(const CCashBookSheet& sheet);

} // namespace nledmark
