// The postings of a purchase of material values or fixed assets from a
// supplier, shared by the materials receipt and the fixed-asset purchase:
// the line's own posting (or its pair through the capital investments
// 106.01), the pair of the budget obligation through 501.03 and 502.01, the
// VAT on what was bought, and the row of the received-invoice book that the
// purchase may write.
//
// Everything the user must be told is settled before the save's transaction
// opens: the pair's missing economic code or KOSGU code stops the save there,
// and the book row's counterparty is looked up before the question is
// answered; inside the transaction only statements run.
#pragma once
#include "CChartFacts.h"
#include "PostingLines.h"

#include <vector>

namespace nledmark {

// The supplier's side of a purchase: its account with its analytic values as
// the header holds them.
struct CSupplierSide {
    CString account;
    CString values[3];
};

// The line's own postings: debit `stock` (with its analytic values in
// `line.debit1..3`) from the supplier's side, or with `through106` the pair
// "debit 106.01 (KOSGU 310), credit supplier" and "debit stock, credit 106.01
// (KOSGU 410)", the investment account taking the stock account's source
// digit. `line` holds the debit with its values, the amount, the quantity and
// the KBKs; the supplier's analytic values whose book holds economic codes
// take `ekr`.
void AppendOwnPostings(CChartFacts& chart, const CPostingLine& line, const CSupplierSide& supplier,
                       const CString& ekr, bool through106, std::vector<CPostingLine>& out);

// The supplier's analytic values with the line's economic code, when it has
// one, in the dimension whose book holds economic codes.
void SupplierValues(CChartFacts& chart, const CSupplierSide& supplier, const CString& ekr, CString values[3]);

enum class PairOutcome501 { Made, EmptyContract, NoEkr, UnknownDebitTail, UnknownCreditTail };

struct CBudgetPair501 {
    PairOutcome501 outcome = PairOutcome501::EmptyContract;
    CPostingLine posting;
    CString message;  // why the save stops (NoEkr and the unknown tails)
};

// The pair "debit 501.03, credit 502.01" of a purchase line: the economic
// code is the supplier's analytic value whose book holds economic codes, else
// the line's; the contract is the supplier's value whose book holds
// contracts, empty when the account keeps none. A contract dimension left
// empty gives no pair (EmptyContract), which is no fault. Where the chart
// gives 501.03 or 502.01 a dimension of departments, it takes `department`
// (the responsible person's), so the pair is not refused for want of one.
CBudgetPair501 PurchasePair(CChartFacts& chart, const CString& stock, const CSupplierSide& supplier,
                            const CString& lineEkr, const CString& amount, const CString& kbkDebit,
                            const CString& kbkCredit, const CString& department);

// The VAT on what was bought: debit 210.01 (KOSGU 560) of the supplier's
// source with the supplier's first analytic value, credit the supplier.
CPostingLine PurchaseVat(const CSupplierSide& supplier, const CString& amount, const char* note,
                         const CString& kbkDebit, const CString& kbkCredit);

// The row of the received-invoice book a purchase writes.
struct CReceivedInvoiceRow {
    long realId = 0;     // the purchase's stored row (sfp_id), 0 for none
    CString note;        // txt
    CString date;        // dd.mm.yyyy: date_sf and d
    int counterpartyDimension = 0;  // the sb column of the counterparty (1..3)
    CString counterparty;           // its code
    CString counterpartyName;       // icn
    CString account;     // sch_kred
    CString number;
    CString sum;         // "." as decimal point
    int branch = 1;
};

// The dimension (1..3) of the account that keeps counterparties (spr_contr),
// 0 for none; the message the purchase shows when there is none.
int CounterpartyDimension(CChartFacts& chart, const CString& account);
CString NoCounterpartyMessage(const CString& account);

// Writes the row inside the save's transaction: the stored one when it still
// exists, else a new one. The key of the written row, 0 when nothing could be
// written (a failed statement, or an insert that gave no key).
long WriteReceivedInvoice(const CReceivedInvoiceRow& row);

} // namespace nledmark
