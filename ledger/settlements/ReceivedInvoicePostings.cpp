#include "ReceivedInvoicePostings.h"

namespace nledmark {

CPostingLine ReceivedLinePosting(const CReceivedLine& line, const CReceivedHeader& header)
{
    CPostingLine p;
    p.debit = line.account;
    p.debit1 = line.values[0];
    p.debit2 = line.values[1];
    p.debit3 = line.values[2];
    p.credit = header.supplier;
    p.credit1 = header.values[0];
    p.credit2 = header.values[1];
    p.credit3 = header.values[2];
    p.amount = line.sum;
    p.quantity = line.quantity;
    p.kbkDebit = line.kbk;
    p.kbkCredit = header.kbk;
    return p;
}

CReceivedPair ReceivedInvoicePair(CChartFacts& chart, const CReceivedLine& line, const CReceivedHeader& header)
{
    CReceivedPair pair;
    CString ekr, contract = "1", department;
    bool keepsContracts = false;
    for (int k = 1; k <= 3; ++k) {
        const CString table = chart.Dimension(header.supplier, k);
        if (table == "spr_ekr")
            ekr = header.values[k - 1];
        else if (table == "spr_dogovora") {
            contract = header.values[k - 1];
            keepsContracts = true;
        } else if (table == "spr_prd")
            department = header.values[k - 1];
    }
    if (keepsContracts && contract.IsEmpty())
        return pair;
    // The line's own values stand in for what the supplier's account does
    // not keep: its department, and its economic code after column 7.
    for (int k = 1; k <= 3 && department.IsEmpty(); ++k)
        if (chart.Dimension(line.account, k) == "spr_prd")
            department = line.values[k - 1];
    if (ekr.IsEmpty())
        ekr = line.ekr;
    if (ekr.IsEmpty())
        for (int k = 1; k <= 3; ++k)
            if (chart.Dimension(line.account, k) == "spr_ekr" && !line.values[k - 1].IsEmpty())
                ekr = line.values[k - 1];
    pair.outcome = ReceivedPairOutcome::Fault;
    if (ekr.IsEmpty()) {
        pair.message = "Не указан ЭКР у счетов " + line.account + " и " + header.supplier;
        return pair;
    }
    const CString creditEkr = line.ekr.IsEmpty() ? ekr : line.ekr;
    const CString limits = header.supplier.Left(1) + "50103";
    const CString obligations = line.account.Left(1) + "50201";
    CPostingLine& p = pair.posting;
    p.debit = limits + chart.Tail(limits, ekr, 1);
    if (p.debit.GetLength() != 9) {
        pair.message = "Неизвестен дебетовый хвост для ЭКР " + ekr;
        return pair;
    }
    p.credit = obligations + chart.Tail(obligations, creditEkr, 2);
    if (p.credit.GetLength() != 9) {
        pair.message = "Неизвестен кредитовый хвост для ЭКР " + creditEkr;
        return pair;
    }
    p.debit1 = ekr;
    p.debit2 = department;
    p.credit1 = ekr;
    p.credit2 = contract;
    p.credit3 = department;
    p.amount = line.sum;
    p.kbkDebit = line.kbk;
    p.kbkCredit = header.kbk;
    pair.outcome = ReceivedPairOutcome::Made;
    return pair;
}

} // namespace nledmark
