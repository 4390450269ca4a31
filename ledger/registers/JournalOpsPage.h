// The journal of operations made without windows, so a test or a benchmark
// builds it as the form's OK does: the header with the institution, period
// and accounts, the incoming balance, every posting of the period on the
// journal's accounts, the turnovers, the outgoing balance and the signatures,
// optionally broken down by the codes of one analytic dimension. The layout by
// KBK is the same build with balances and turnovers held per KBK and code and
// the balance rows naming the account with its KBK.
#pragma once
#include "JournalChoice.h"
#include "LimitReportText.h"

#include <map>
#include <vector>

namespace nledmark {

// Debit and credit amounts and quantities of a balance or a turnover.
struct JournalFigures {
    double debit = 0, credit = 0, debitQuantity = 0, creditQuantity = 0;
    bool IsZero() const;
    void Add(const JournalFigures& other);
};

// The keys of the balances and turnovers: the analytic code, or in the layout
// by KBK the KBK, "," and the code ("" for the postings without a KBK).
using JournalFigureMap = std::map<CString, JournalFigures>;

// Orders two keys: the code's numeric value first, then the KBK's; keys that
// still compare equal (codes that are no numbers, KBKs too long to read as a
// number) by the code's text, then the KBK's, so the page is the same every time.
int CompareAccountKeys(const CString& a, const CString& b);
// The keys of a map in that order.
std::vector<CString> SortMapByAccount(const JournalFigureMap& map);

// The whole page of a choice whose lists were checked; `complete` false (the
// page then ends with the incomplete mark in place of totals and signatures)
// when the postings or a balance could not be read.
LimitPage BuildJournalHtml(const JournalChoice& choice);

} // namespace nledmark
