// The postings journal's rules apart from its window: the where clause its
// filters make, where the list stands after a refresh, and the colour of a
// row. The journal view (CProvodkiView) applies them to its grid.
#pragma once
#include "afx.h"
#include "ado.h"

namespace nledmark {

// The texts of the three filters: the debit and credit lists and the
// "recorded after" date (dd.mm.yyyy).
struct CJournalFilter {
    CString debit;
    CString credit;
    CString dateAfter;
    bool operator==(const CJournalFilter& o) const
    {
        return debit == o.debit && credit == o.credit && dateAfter == o.dateAfter;
    }
};

// One side of the postings in SQL: the expression of its account, and the
// four columns the account is made of (source, synthetic account, analytic
// account, KOSGU code), when it is made of them.
struct CJournalSide {
    CString expression;
    const char* columns[4] = {nullptr, nullptr, nullptr, nullptr};
    CJournalSide(const CString& accountExpression) : expression(accountExpression) {}
    CJournalSide(const CString& accountExpression, const char* source, const char* synthetic, const char* analytic,
                 const char* kosgu)
        : expression(accountExpression), columns{source, synthetic, analytic, kosgu}
    {
    }
};
// The debit and credit sides of ledmark_provodki.
CJournalSide JournalDebit();
CJournalSide JournalCredit();

// The condition of one account list, or "" when the list's text is empty: a
// full account of digits as one condition per column, so an index on the
// columns serves it, else "<expression>='<account>'"; the account reaches SQL
// as a literal.
CString AccountCondition(const CJournalSide& side, const CString& account);
// Adds a condition to a where clause: "where c" for an empty clause, else " and c".
void AddCondition(CString& where, const CString& condition);

// The where clause of the journal's query: the debit and credit conditions,
// the postings that have a date, and for a date after which the document's
// row was created or changed " and (d0>date or d1>date)".
CString JournalWhere(const CJournalFilter& filter, const CJournalSide& debit, const CJournalSide& credit);

// The accounts a filter list offers: those posted on its side in the period
// (dd.mm.yyyy bounds), narrowed by the other side's filter.
CString AccountListQuery(bool debitSide, const CJournalFilter& filter, const CString& from, const CString& to,
                         const CJournalSide& debit, const CJournalSide& credit);

// Whether a refresh keeps the list where it stood: not when a filter was set
// to another non-empty text; clearing a filter keeps it.
bool KeepsJournalPosition(const CJournalFilter& now, const CJournalFilter& last);

// Where the list stands after a refresh over `records` records in a grid
// showing `gridRows` rows: the record (from 1) shown in the first row and the
// row to make current. With no kept position (0) the last record is on the
// last row the list fills; a kept position stays on the row it was on
// (`currentRow`), as far as the new list allows.
struct CJournalPlace {
    long firstRecord = 1;
    long row = 0;
};
CJournalPlace PlaceJournal(long records, long gridRows, long currentRow, long keptPosition);

// Red (255) for a posting with a negative quantity or amount, else black (0).
COLORREF JournalRowColour(const _variant_t& kol, const _variant_t& s);

} // namespace nledmark
