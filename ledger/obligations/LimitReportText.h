// What the reports on limits of budget obligations share: the filters typed
// on their forms turned into SQL conditions of checked numbers, the period as
// a date range, the order of the economic codes, the turnover call read as
// two numbers, and the signature lines under a page.
#pragma once
#include "LedgerFilters.h"
#include "afx.h"

#include <set>
#include <vector>

namespace nledmark {

// A page as built: `complete` false when a query or a turnover failed, so the
// page says it is incomplete and carries no totals or signatures.
struct LimitPage {
    CString html;
    bool complete = true;
};

// " and <column>='<value>'" for a checked number compared with a text column.
CString TextColumnEquals(const char* column, long value);

// " and d>=<from> and d<=<to>" for two dd.mm.yyyy texts.
CString DateRange(const CString& from, const CString& to);
// The first and the last day of a month of `year` (1-12), or of the year (0), as dd.mm.yyyy.
CString FirstDay(long year, int month);
CString LastDay(long year, int month);

// The order of the economic codes' book.
extern const char* const kEkrOrderSql;

// The economic codes of `codes` in the order of the book spr_ekr, then those
// the book lacks, ascending. `ok` turns false when the book could not be read.
std::vector<long> CodesInBookOrder(const std::set<long>& codes, bool& ok);

// A turnover answer "debit@credit" read as two numbers; false for an empty
// or malformed answer (the turnover failed).
bool ReadTurnover(const CString& answer, double& debit, double& credit);

// "И. О. Фамилия" from a full name "Фамилия Имя Отчество": the initials
// of the words after the first, then the first; "" for an empty name.
CString InitialsFirst(const CString& fullName);

// The line under the monthly reports: the position and name of the user who
// prints (g_lTN) and today's date.
CString ExecutorFooter();
// The line under the monthly reports for a given position, name and date.
CString ExecutorFooter(const CString& position, const CString& name, const COleDateTime& date);

// The head's and chief accountant's signatures (the head of `branch`, the
// constant ORG_GL_BUH) and the date line of `date`, each a row of the page's
// outer table.
CString HeadSignatures(int branch, const COleDateTime& date);

// What an incomplete page ends with in place of its totals and signatures.
CString IncompleteNotice();

} // namespace nledmark
