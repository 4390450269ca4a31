// The entries of the payroll's smaller reference books as their forms write
// them: a calendar's month (spr_kl1), a pay-code group (spr_tvx), a
// contribution with its base codes (spr_paymar_otchis, spr_paymar_otchis1)
// and a payroll posting line with the codes it covers (spr_paymar_5pr,
// spr_paymar_5pr1). Each write is one transaction: on a failure (reported)
// nothing changes. Values arrive as typed; one that is not what its column
// takes fails without a statement, as the forms check them first.
#pragma once
#include "afx.h"

#include <vector>

namespace npaymar {

// A calendar's figures for one month: whole days for pay and for sick pay,
// and whole hours ("" stores none).
struct CalendarMonth {
    CString code;
    long year = 0, month = 0;
    CString dn, bol, ch;
};
// The month's row replaced.
bool WriteCalendarMonth(const CalendarMonth& month);

// The members of the owner code's group replaced (none: the group goes).
bool WritePayCodeGroup(const CString& owner, const std::vector<long>& members);

// A contribution: code, name, target purpose, percentage ("13,5" reads as
// 13.5), decimals of the amount, and the pay codes of its base.
struct ContributionRecord {
    CString code, name, kcn, pr, poits;
    std::vector<long> codes;
};
// Updates the contribution of the code or inserts it, then its base codes.
bool WriteContribution(const ContributionRecord& record);

// A payroll posting line: code, name, percentage, debit and credit accounts,
// economic code ("" for none), sub-accounts, one posting per employee or not,
// decimals, and the pay codes it covers.
struct PostingLineRecord {
    CString code, name, pr, d, k, ekr, sbDeb, sbKred;
    int bman = 0;
    CString poits;
    std::vector<long> codes;
};
// Updates the line of the code or inserts it, then its pay codes.
bool WritePostingLine(const PostingLineRecord& record);

// Whether a typed percentage is a number other than zero ("0,5" is).
bool NonZeroNumber(const CString& text);

} // namespace npaymar
