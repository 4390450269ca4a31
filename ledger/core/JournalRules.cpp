#include "JournalRules.h"

#include "ndbcore.h"

#include <algorithm>

namespace nledmark {

namespace {

bool IsNegative(const _variant_t& value)
{
    return value.vt != VT_NULL && value.vt != VT_EMPTY && double(value) < 0;
}

} // namespace

CString AccountCondition(const CString& expression, const CString& account)
{
    if (account.IsEmpty())
        return CString();
    return FormatText("%s='%s'", expression, MakeSqlStr(account));
}

void AddCondition(CString& where, const CString& condition)
{
    if (condition.IsEmpty())
        return;
    where += where.IsEmpty() ? "where " : " and ";
    where += condition;
}

CString JournalWhere(const CJournalFilter& filter, const CString& debitExpression, const CString& creditExpression)
{
    CString dateCondition;
    if (!filter.dateAfter.IsEmpty()) {
        const CString date = ChangeDateUS0(filter.dateAfter, 0);
        dateCondition = FormatText(" and (d0>%s or d1>%s)", date, date);
    }
    CString where;
    AddCondition(where, AccountCondition(debitExpression, filter.debit));
    AddCondition(where, AccountCondition(creditExpression, filter.credit));
    AddCondition(where, "ledmark_provodki.d is not null" + dateCondition);
    return where;
}

CString AccountListQuery(bool debitSide, const CJournalFilter& filter, const CString& from, const CString& to,
                         const CString& debitExpression, const CString& creditExpression)
{
    CString where = FormatText("where d>=%s and d<=%s", ChangeDateUS0(from, 0), ChangeDateUS0(to, 0));
    if (debitSide) {
        AddCondition(where, AccountCondition(creditExpression, filter.credit));
        return FormatText("select distinct %s as sch,deb1,deb0,deb2,deb3 from ledmark_provodki %s "
                          "order by deb0,deb1,deb2,deb3",
                          debitExpression, where);
    }
    AddCondition(where, AccountCondition(debitExpression, filter.debit));
    return FormatText("select distinct %s as sch,kred1,kred0,kred2,kred3 from ledmark_provodki %s "
                      "order by kred0,kred1,kred2,kred3",
                      creditExpression, where);
}

bool KeepsJournalPosition(const CJournalFilter& now, const CJournalFilter& last)
{
    auto moved = [](const CString& a, const CString& b) { return !a.IsEmpty() && a != b; };
    return !moved(now.debit, last.debit) && !moved(now.credit, last.credit) && !moved(now.dateAfter, last.dateAfter);
}

CJournalPlace PlaceJournal(long records, long gridRows, long currentRow, long keptPosition)
{
    CJournalPlace place;
    if (records <= 0)
        return place;
    long row = std::max(currentRow, 0L);
    long position = keptPosition;
    if (position <= 0) {
        position = records;
        row = std::min(std::max(gridRows, 1L), records) - 1;
    }
    position = std::min(position, records);
    // A record near the top of a shorter list cannot stay on a lower row.
    row = std::min(row, position - 1);
    place.firstRecord = position - row;
    place.row = row;
    return place;
}

COLORREF JournalRowColour(const _variant_t& kol, const _variant_t& s)
{
    return IsNegative(kol) || IsNegative(s) ? RGB(255, 0, 0) : RGB(0, 0, 0);
}

} // namespace nledmark
