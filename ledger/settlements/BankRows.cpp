#include "BankRows.h"

#include "ledmark.h"

namespace nledmark {

CString MainAccountOnLeaving(const CString& text)
{
    if (text.Find('.') >= 0 || text.GetLength() < 6)
        return text;
    return text.Left(6) + "000";
}

CString MainAccountCode(const CString& text)
{
    CString code = text;
    code.Trim();
    return GetFullSch(code);
}

CString AccountForCode(CChartFacts& chart, const CString& account, const CString& ekr, int side)
{
    const CString head = account.Left(6);
    return head + chart.Tail(head, ekr, side);
}

void MainSideValues(CChartFacts& chart, const CString& account, const CString& ekr, const CString& activity,
                    const CBankHeader& header, CString values[3])
{
    for (int k = 1; k <= 3; ++k) {
        const CString table = chart.Dimension(account, k);
        CString& value = values[k - 1];
        value.Empty();
        if (table == "spr_ekr")
            value = ekr;
        else if (table == "spr_ls")
            value = header.ls;
        else if (table == "spr_contr")
            value = header.contr;
        else if (table == "spr_vid_pred_deyat")
            value = activity;
    }
}

CString DecimalPoint(const CString& text)
{
    CString number = text;
    number.Trim();
    number.Replace(",", ".");
    return number;
}

CString TransitAccount(CChartFacts& chart, const CString& account, const CString& ekr, int side)
{
    const CString head = account.Left(1) + "20103";
    CString transit = head + chart.Tail(head, ekr, side);
    if (transit.GetLength() != 9)
        transit = head + "000";
    return transit;
}

bool ReceiptRowCounts(const CBankRow& row)
{
    for (int col : {POSTUP_EKR, POSTUP_CREDIT, POSTUP_SUM, POSTUP_KOL, POSTUP_VPD})
        if (!row[col].IsEmpty())
            return true;
    return false;
}

std::vector<CPostingLine> ReceiptPostings(CChartFacts& chart, const CBankHeader& header, const CBankRow& row)
{
    if (header.main.IsEmpty() || row[POSTUP_CREDIT].IsEmpty())
        return {};
    CString ekr = row[POSTUP_EKR];
    ekr.Trim();
    CPostingLine line;
    line.debit = AccountForCode(chart, header.main, ekr, 1);
    CString values[3];
    MainSideValues(chart, line.debit, ekr, row[POSTUP_VPD], header, values);
    line.debit1 = values[0];
    line.debit2 = values[1];
    line.debit3 = values[2];
    line.credit = row[POSTUP_CREDIT];
    line.credit1 = row[POSTUP_SB1];
    line.credit2 = row[POSTUP_SB2];
    line.credit3 = row[POSTUP_SB3];
    line.amount = DecimalPoint(row[POSTUP_SUM]);
    line.quantity = DecimalPoint(row[POSTUP_KOL]);
    line.note = row[POSTUP_CONTENT];
    line.kbkDebit = row[POSTUP_KBK_DEB].IsEmpty() ? header.kbkDebit : row[POSTUP_KBK_DEB];
    line.kbkCredit = row[POSTUP_KBK_KRED].IsEmpty() ? header.kbkCredit : row[POSTUP_KBK_KRED];
    if (!header.through)
        return {line};
    const CString transitDebit = TransitAccount(chart, header.main, ekr, 1);
    if (transitDebit == line.credit)
        return {line};
    // The money passes through 201.03: first it arrives there from the
    // credit account, then it leaves for the main account.
    CPostingLine arrived = line;
    arrived.debit = transitDebit;
    arrived.debit1.Empty();
    arrived.debit2.Empty();
    arrived.debit3.Empty();
    arrived.quantity.Empty();
    CPostingLine passed = line;
    passed.credit = TransitAccount(chart, line.credit, ekr, 2);
    passed.credit1.Empty();
    passed.credit2.Empty();
    passed.credit3.Empty();
    passed.quantity.Empty();
    return {arrived, passed};
}

bool PaymentRowCounts(const CBankRow& row)
{
    for (int col : {SPIS_EKR, SPIS_DEBIT, SPIS_SUM, SPIS_KOL})
        if (!row[col].IsEmpty())
            return true;
    return false;
}

namespace {

// The budget obligation a payment row pays, from the row's analytic values
// by its debit's books: the economic code, the contract, the department.
struct CObligationOfRow {
    CString ekr, contract, department;
};

CObligationOfRow ObligationOf(CChartFacts& chart, const CBankRow& row)
{
    CObligationOfRow o;
    for (int k = 1; k <= 3; ++k) {
        const CString table = chart.Dimension(row[SPIS_DEBIT], k);
        const CString& value = row[SPIS_DEBIT + k];
        if (table == "spr_ekr")
            o.ekr = value;
        else if (table == "spr_dogovora")
            o.contract = value;
        else if (table == "spr_prd")
            o.department = value;
    }
    return o;
}

} // namespace

std::vector<CPostingLine> PaymentPostings(CChartFacts& chart, const CBankHeader& header, const CBankRow& row,
                                          CString& pairFault)
{
    pairFault.Empty();
    if (header.main.IsEmpty() || row[SPIS_DEBIT].IsEmpty())
        return {};
    CString ekr = row[SPIS_EKR];
    ekr.Trim();
    CPostingLine line;
    line.debit = row[SPIS_DEBIT];
    line.debit1 = row[SPIS_SB1];
    line.debit2 = row[SPIS_SB2];
    line.debit3 = row[SPIS_SB3];
    line.credit = AccountForCode(chart, header.main, ekr, 2);
    CString values[3];
    MainSideValues(chart, line.credit, ekr, row[SPIS_VPD], header, values);
    line.credit1 = values[0];
    line.credit2 = values[1];
    line.credit3 = values[2];
    line.amount = DecimalPoint(row[SPIS_SUM]);
    line.quantity = DecimalPoint(row[SPIS_KOL]);
    line.note = row[SPIS_CONTENT];
    line.kbkDebit = row[SPIS_KBK_DEB].IsEmpty() ? header.kbkDebit : row[SPIS_KBK_DEB];
    line.kbkCredit = row[SPIS_KBK_KRED].IsEmpty() ? header.kbkCredit : row[SPIS_KBK_KRED];
    const CObligationOfRow obligation = ObligationOf(chart, row);
    if (!header.through || obligation.contract.IsEmpty())
        return {line};
    const CString pairEkr = obligation.ekr.IsEmpty() ? ekr : obligation.ekr;
    if (pairEkr.IsEmpty()) {
        pairFault = "Не указан ЭКР у счетов " + line.debit + " и " + line.credit;
        return {line};
    }
    const CString debitHead = line.debit.Left(1) + "50103";
    const CString creditHead = header.main.Left(1) + "50201";
    CPostingLine pair = line;
    pair.debit = debitHead + chart.Tail(debitHead, pairEkr, 1);
    pair.credit = creditHead + chart.Tail(creditHead, ekr, 2);
    if (pair.debit.GetLength() != 9) {
        pairFault = "Неизвестен дебетовый хвост для ЭКР " + pairEkr;
        return {line};
    }
    if (pair.credit.GetLength() != 9) {
        pairFault = "Неизвестен кредитовый хвост для ЭКР " + ekr;
        return {line};
    }
    pair.debit1 = pairEkr;
    pair.debit2 = obligation.department;
    pair.debit3.Empty();
    pair.credit1 = ekr;
    pair.credit2 = obligation.contract;
    pair.credit3 = obligation.department;
    pair.quantity.Empty();
    return {line, pair};
}

CString FinancingAccount(CChartFacts& chart, int source, const CString& ekr, int side)
{
    const char* const account = source == 1 ? (side == 1 ? "30405" : "30404") : (side == 1 ? "20101" : "20103");
    return AccountForCode(chart, FormatText("%d%s", source, account), ekr, side);
}

CPostingLine FinancingPosting(CChartFacts& chart, int source, const CString& contr, const CBankRow& row,
                              const CString& kbk)
{
    CString ekr = row[FINANS_EKR];
    ekr.Trim();
    CPostingLine line;
    line.debit = FinancingAccount(chart, source, ekr, 1);
    line.credit = FinancingAccount(chart, source, ekr, 2);
    if (chart.Dimension(line.debit, 1) == "spr_ekr")
        line.debit1 = ekr;
    if (chart.Dimension(line.debit, 2) == "spr_contr")
        line.debit2 = contr;
    if (chart.Dimension(line.credit, 1) == "spr_ekr")
        line.credit1 = ekr;
    if (chart.Dimension(line.credit, 2) == "spr_contr")
        line.credit2 = contr;
    line.amount = DecimalPoint(row[FINANS_SUM]);
    line.note = row[FINANS_CONTENT];
    line.kbkDebit = kbk;
    line.kbkCredit = kbk;
    return line;
}

} // namespace nledmark
