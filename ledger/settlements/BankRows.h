// The rows of a bank statement and the accounts they post on. A statement
// names one main account (the bank or treasury account the money arrived on
// or left), kept with the KOSGU part "000"; each row names the account on the
// other side and an economic code, whose KOSGU code completes both accounts
// of the row's posting.
#pragma once
#include "CChartFacts.h"
#include "PostingLines.h"

#include <vector>

namespace nledmark {

// The functions that read the chart take a CChartFacts: the rows of one
// statement ask it the same questions again and again.

// A row of a statement's grid, one text per column.
using CBankRow = std::vector<CString>;

// What a statement's header gives the postings of its rows.
struct CBankHeader {
    CString date;       // dd.mm.yyyy
    CString main;       // the main account, 9 characters
    CString ls;         // personal account (spr_ls)
    CString contr;      // counterparty (spr_contr)
    CString kbkDebit;   // the header's codes, for rows without their own
    CString kbkCredit;
    BOOL through = FALSE;  // the box 1068 of the statement
    int branch = 1;
};

// The main account as its field keeps it once left: six or more characters
// without a point cut to the first six and "000" (the account as a whole);
// the point form ("304.05.2") and anything shorter as typed.
CString MainAccountOnLeaving(const CString& text);

// The main account as a code: the point form expanded ("304.05.2" is
// "230405000"), anything else as it is.
CString MainAccountCode(const CString& text);

// The posting account of `account` for the row's economic code on a side
// (1 debit, 2 credit): its first six characters and the KOSGU code
// GL_GetTailFromEKR gives them.
CString AccountForCode(CChartFacts& chart, const CString& account, const CString& ekr, int side);

// The analytic values of a side posted on the main account's analytic
// account, by the books of the account's dimensions: the economic code and the
// kind of activity from the row, the personal account and the counterparty
// from the header; a value for any other book stays empty.
void MainSideValues(CChartFacts& chart, const CString& account, const CString& ekr, const CString& activity,
                    const CBankHeader& header, CString values[3]);

// A text typed as a number with "," or "." as the decimal point, with ".".
CString DecimalPoint(const CString& text);

// The account the money passed through (201.03) for a side: the first digit
// of `account`, "20103" and the KOSGU code of the economic code; "000" when
// the chart gives none.
CString TransitAccount(CChartFacts& chart, const CString& account, const CString& ekr, int side);

// Bank receipts: the cells of a row.
enum BankPostupColumn {
    POSTUP_EKR = 0,
    POSTUP_CREDIT,
    POSTUP_SB1,
    POSTUP_SB2,
    POSTUP_SB3,
    POSTUP_SUM,
    POSTUP_CONTENT,
    POSTUP_KBK_DEB,
    POSTUP_KBK_KRED,
    POSTUP_KOL,
    POSTUP_VPD,
    POSTUP_COLUMNS
};

// Whether a receipt row counts: its economic code, credit account, sum,
// quantity or kind of activity is filled.
bool ReceiptRowCounts(const CBankRow& row);

// The postings of a receipt row: debit on the main account's analytic
// account for the row's code, credit on the row's account. With the box
// ticked and a credit account other than the transit account of the debit
// side, two postings through 201.03: the transit account against the credit,
// then the debit against the transit account of the credit side, both without
// quantity. A row's own KBKs, else the header's. None for a row without a
// credit account.
std::vector<CPostingLine> ReceiptPostings(CChartFacts& chart, const CBankHeader& header, const CBankRow& row);

// Bank payments: the cells of a row.
enum BankSpisColumn {
    SPIS_EKR = 0,
    SPIS_DEBIT,
    SPIS_SB1,
    SPIS_SB2,
    SPIS_SB3,
    SPIS_SUM,
    SPIS_CONTENT,
    SPIS_PLPOR,
    SPIS_KBK_DEB,
    SPIS_KBK_KRED,
    SPIS_KOL,
    SPIS_VPD,
    SPIS_COLUMNS
};

// Whether a payment row counts: its economic code, debit account, sum or
// quantity is filled.
bool PaymentRowCounts(const CBankRow& row);

// The postings of a payment row: debit on the row's account with its
// analytic values, credit on the main account's analytic account for the
// row's code. With the box ticked and a debit that keeps a contract, the
// budget obligation follows: 501.03 against 502.01 for the economic code and
// contract, with the department where the debit keeps one. A pair that
// cannot be formed is left out and `pairFault` says why (the row's own
// posting stays). None for a row without a debit account.
std::vector<CPostingLine> PaymentPostings(CChartFacts& chart, const CBankHeader& header, const CBankRow& row,
                                          CString& pairFault);

// Financing received: the cells of a row.
enum BankFinansColumn { FINANS_EKR = 0, FINANS_SUM, FINANS_KBK, FINANS_CONTENT, FINANS_COLUMNS };

// The account of financing received from source `source` for an economic
// code on a side (1 debit, 2 credit): 304.05 against 304.04 for the budget
// (source 1), 201.01 against 201.03 for any other source, with the KOSGU code
// of the economic code.
CString FinancingAccount(CChartFacts& chart, int source, const CString& ekr, int side);

// The posting of a financing row: the accounts of the source and the row's
// code, the economic code and the counterparty where the accounts' first and
// second dimensions keep them, the row's KBK on both sides, no quantity.
CPostingLine FinancingPosting(CChartFacts& chart, int source, const CString& contr, const CBankRow& row,
                              const CString& kbk);

} // namespace nledmark
