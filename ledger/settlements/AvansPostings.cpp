#include "AvansPostings.h"

#include "AccountDimensions.h"
#include "CAvansOtchRecord.h"
#include "ledmark.h"

namespace nledmark {

namespace {

const char* const kEmployees = "tn";
const char* const kEconomicCodes = "spr_ekr";
const char* const kContracts = "spr_dogovora";
const char* const kDepartments = "spr_prd";

} // namespace

CString CAvansChart::Dimension(const CString& account, int k)
{
    const auto key = std::make_pair(account, k);
    auto found = m_dimensions.find(key);
    if (found == m_dimensions.end())
        found = m_dimensions.emplace(key, DimensionTable(account, k)).first;
    return found->second;
}

CString CAvansChart::Tail(const CString& head, const CString& ekr, int side)
{
    const auto key = std::make_tuple(head, ekr, side);
    auto found = m_tails.find(key);
    if (found == m_tails.end())
        found = m_tails.emplace(key, head + GL_GetTailFromEKR(head, ekr, side)).first;
    return found->second;
}

CString LineCredit(const CString& lineCredit, const CAvansHeader& header)
{
    return lineCredit.IsEmpty() ? header.account : lineCredit;
}

CPostingLine MainPosting(const CString* cells, const CAvansHeader& header, CAvansChart& chart)
{
    CPostingLine p;
    p.debit = cells[AV_DEBIT];
    p.debit1 = cells[AV_DEBIT1];
    p.debit2 = cells[AV_DEBIT2];
    p.debit3 = cells[AV_DEBIT3];
    p.credit = LineCredit(cells[AV_CREDIT], header);
    CString* credit[3] = {&p.credit1, &p.credit2, &p.credit3};
    for (int k = 1; k <= 3; ++k) {
        const CString table = chart.Dimension(p.credit, k);
        if (table == kEmployees)
            *credit[k - 1] = header.tn;
        else if (table == kEconomicCodes)
            *credit[k - 1] = cells[AV_EKR];
    }
    p.amount = cells[AV_ACCEPTED];
    p.quantity = cells[AV_QUANTITY];
    p.note = cells[AV_NOTE];
    p.kbkDebit = header.kbkDebit;
    p.kbkCredit = header.kbkCredit;
    return p;
}

CAvansPair PairPosting(const CString* cells, const CAvansHeader& header, CAvansChart& chart)
{
    CAvansPair pair;
    const CString debit = cells[AV_DEBIT];
    const CString credit = LineCredit(cells[AV_CREDIT], header);
    CString ekr, contract;
    for (int k = 1; k <= 3; ++k) {
        const CString table = chart.Dimension(debit, k);
        if (table == kEconomicCodes)
            ekr = cells[AV_DEBIT1 + k - 1];
        else if (table == kContracts)
            contract = cells[AV_DEBIT1 + k - 1];
    }
    if (ekr.IsEmpty())
        ekr = cells[AV_EKR];
    if (contract.IsEmpty()) {
        pair.outcome = PairOutcome::NoContract;
        return pair;
    }
    if (ekr.IsEmpty()) {
        pair.outcome = PairOutcome::NoEkr;
        pair.message = "Не указан ЭКР у счетов " + debit + " и " + credit;
        return pair;
    }
    const CString limits = credit.Left(1) + "50103";
    const CString obligations = debit.Left(1) + "50201";
    CPostingLine& p = pair.posting;
    p.debit = chart.Tail(limits, ekr, 1);
    if (p.debit.GetLength() != 9) {
        pair.outcome = PairOutcome::UnknownDebitTail;
        pair.message = "Неизвестен дебетовый хвост для ЭКР " + ekr;
        return pair;
    }
    p.credit = chart.Tail(obligations, cells[AV_EKR], 2);
    if (p.credit.GetLength() != 9) {
        pair.outcome = PairOutcome::UnknownCreditTail;
        pair.message = "Неизвестен кредитовый хвост для ЭКР " + cells[AV_EKR];
        return pair;
    }
    p.debit1 = ekr;
    p.debit2 = chart.Dimension(p.debit, 2) == kDepartments ? header.department : CString();
    p.debit3 = chart.Dimension(p.debit, 3) == kDepartments ? header.department : CString();
    p.credit1 = ekr;
    p.credit2 = contract;
    p.credit3 = chart.Dimension(p.credit, 3) == kDepartments ? header.department : CString();
    p.amount = cells[AV_ACCEPTED];
    p.kbkDebit = header.kbkDebit;
    p.kbkCredit = header.kbkCredit;
    pair.outcome = PairOutcome::Made;
    return pair;
}

} // namespace nledmark
