#include "JournalRules.h"

#include "CHelpers.h"
#include "ndbcore.h"

#include <algorithm>

namespace nledmark {

namespace {

bool IsNegative(const _variant_t& value)
{
    return value.vt != VT_NULL && value.vt != VT_EMPTY && double(value) < 0;
}

} // namespace

CJournalSide JournalDebit()
{
    return CJournalSide(CHelpers::GL_SqlDeb(), "ledmark_provodki.deb0", "ledmark_provodki.deb1",
                        "ledmark_provodki.deb2", "ledmark_provodki.deb3");
}

CJournalSide JournalCredit()
{
    return CJournalSide(CHelpers::GL_SqlKred(), "ledmark_provodki.kred0", "ledmark_provodki.kred1",
                        "ledmark_provodki.kred2", "ledmark_provodki.kred3");
}

CString AccountCondition(const CJournalSide& side, const CString& account)
{
    if (account.IsEmpty())
        return CString();
    // The parts are 1, 3, 2 and 3 characters wide: nine digits name each part
    // exactly as their joined text does.
    if (side.columns[0] && account.GetLength() == 9 && account.SpanIncluding("0123456789") == account) {
        static const int kStart[] = {0, 1, 4, 6};
        static const int kWidth[] = {1, 3, 2, 3};
        CString condition;
        for (int part = 0; part < 4; ++part)
            condition += FormatText("%s%s='%s'", part ? " and " : "", side.columns[part],
                                    MakeSqlStr(account.Mid(kStart[part], kWidth[part])));
        return condition;
    }
    return FormatText("%s='%s'", side.expression, MakeSqlStr(account));
}

void AddCondition(CString& where, const CString& condition)
{
    if (condition.IsEmpty())
        return;
    where += where.IsEmpty() ? "where " : " and ";
    where += condition;
}

CString JournalWhere(const CJournalFilter& filter, const CJournalSide& debit, const CJournalSide& credit)
{
    CString dateCondition;
    if (!filter.dateAfter.IsEmpty()) {
        const CString date = ChangeDateUS0(filter.dateAfter, 0);
        dateCondition = FormatText(" and (d0>%s or d1>%s)", date, date);
    }
    CString where;
    AddCondition(where, AccountCondition(debit, filter.debit));
    AddCondition(where, AccountCondition(credit, filter.credit));
    AddCondition(where, "ledmark_provodki.d is not null" + dateCondition);
    return where;
}

CString AccountListQuery(bool debitSide, const CJournalFilter& filter, const CString& from, const CString& to,
                         const CJournalSide& debit, const CJournalSide& credit)
{
    CString where = FormatText("where d>=%s and d<=%s", ChangeDateUS0(from, 0), ChangeDateUS0(to, 0));
    if (debitSide) {
        AddCondition(where, AccountCondition(credit, filter.credit));
        return FormatText("select distinct %s as sch,deb1,deb0,deb2,deb3 from ledmark_provodki %s "
                          "order by deb0,deb1,deb2,deb3",
                          debit.expression, where);
    }
    AddCondition(where, AccountCondition(debit, filter.debit));
    return FormatText("select distinct %s as sch,kred1,kred0,kred2,kred3 from ledmark_provodki %s "
                      "order by kred0,kred1,kred2,kred3",
                      credit.expression, where);
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
