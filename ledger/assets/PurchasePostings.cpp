#include "PurchasePostings.h"

#include "ndbcore.h"

namespace nledmark {

namespace {

const char* const kEconomicCodes = "spr_ekr";
const char* const kContracts = "spr_dogovora";
const char* const kCounterparties = "spr_contr";
const char* const kDepartments = "spr_prd";

// The value of the supplier's dimension that keeps `book`; `kept` tells
// whether the account keeps that book at all.
CString SupplierValueOf(CChartFacts& chart, const CSupplierSide& supplier, const char* book, bool* kept = nullptr)
{
    if (kept)
        *kept = false;
    for (int k = 1; k <= 3; ++k) {
        if (chart.Dimension(supplier.account, k) == book) {
            if (kept)
                *kept = true;
            return supplier.values[k - 1];
        }
    }
    return CString();
}

} // namespace

void SupplierValues(CChartFacts& chart, const CSupplierSide& supplier, const CString& ekr, CString values[3])
{
    for (int k = 1; k <= 3; ++k)
        values[k - 1] = chart.Dimension(supplier.account, k) == kEconomicCodes && !ekr.IsEmpty()
                            ? ekr
                            : supplier.values[k - 1];
}

void AppendOwnPostings(CChartFacts& chart, const CPostingLine& line, const CSupplierSide& supplier,
                       const CString& ekr, bool through106, std::vector<CPostingLine>& out)
{
    CString credit[3];
    SupplierValues(chart, supplier, ekr, credit);
    if (!through106) {
        CPostingLine p = line;
        p.credit = supplier.account;
        p.credit1 = credit[0];
        p.credit2 = credit[1];
        p.credit3 = credit[2];
        out.push_back(p);
        return;
    }
    const CString investments = line.debit.Left(1) + "10601";
    CPostingLine in;
    in.debit = investments + "310";
    in.credit = supplier.account;
    in.credit1 = credit[0];
    in.credit2 = credit[1];
    in.credit3 = credit[2];
    in.amount = line.amount;
    in.kbkDebit = line.kbkDebit;
    in.kbkCredit = line.kbkCredit;
    out.push_back(in);
    CPostingLine stock = line;
    stock.credit = investments + "410";
    stock.credit1 = stock.credit2 = stock.credit3 = CString();
    out.push_back(stock);
}

CBudgetPair501 PurchasePair(CChartFacts& chart, const CString& stock, const CSupplierSide& supplier,
                            const CString& lineEkr, const CString& amount, const CString& kbkDebit,
                            const CString& kbkCredit, const CString& department)
{
    CBudgetPair501 pair;
    bool keepsContracts = false;
    const CString contract = SupplierValueOf(chart, supplier, kContracts, &keepsContracts);
    if (keepsContracts && contract.IsEmpty()) {
        pair.outcome = PairOutcome501::EmptyContract;
        return pair;
    }
    CString ekr = SupplierValueOf(chart, supplier, kEconomicCodes);
    if (ekr.IsEmpty())
        ekr = lineEkr;
    if (ekr.IsEmpty()) {
        pair.outcome = PairOutcome501::NoEkr;
        pair.message = "Не указан ЭКР у " + supplier.account;
        return pair;
    }
    const CString limits = supplier.account.Left(1) + "50103";
    const CString obligations = stock.Left(1) + "50201";
    CPostingLine& p = pair.posting;
    p.debit = limits + chart.Tail(limits, ekr, 1);
    if (p.debit.GetLength() < 9) {
        pair.outcome = PairOutcome501::UnknownDebitTail;
        pair.message = "Неизвестен дебетовый хвост для ЭКР " + ekr;
        return pair;
    }
    p.credit = obligations + chart.Tail(obligations, ekr, 2);
    if (p.credit.GetLength() < 9) {
        pair.outcome = PairOutcome501::UnknownCreditTail;
        pair.message = "Неизвестен кредитовый хвост для ЭКР " + ekr;
        return pair;
    }
    p.debit1 = ekr;
    p.credit1 = ekr;
    p.credit2 = contract;
    CString* departments[] = {&p.debit2, &p.debit3, &p.credit2, &p.credit3};
    const CString* accounts[] = {&p.debit, &p.debit, &p.credit, &p.credit};
    for (int i = 0; i < 4; ++i)
        if (chart.Dimension(*accounts[i], 2 + i % 2) == kDepartments && departments[i]->IsEmpty())
            *departments[i] = department;
    p.amount = amount;
    p.kbkDebit = kbkDebit;
    p.kbkCredit = kbkCredit;
    pair.outcome = PairOutcome501::Made;
    return pair;
}

CPostingLine PurchaseVat(const CSupplierSide& supplier, const CString& amount, const char* note,
                         const CString& kbkDebit, const CString& kbkCredit)
{
    CPostingLine p;
    p.debit = supplier.account.Left(1) + "21001560";
    p.debit1 = supplier.values[0];
    p.credit = supplier.account;
    p.credit1 = supplier.values[0];
    p.credit2 = supplier.values[1];
    p.credit3 = supplier.values[2];
    p.amount = amount;
    p.note = note;
    p.kbkDebit = kbkDebit;
    p.kbkCredit = kbkCredit;
    return p;
}

int CounterpartyDimension(CChartFacts& chart, const CString& account)
{
    for (int k = 1; k <= 3; ++k)
        if (chart.Dimension(account, k) == kCounterparties)
            return k;
    return 0;
}

CString NoCounterpartyMessage(const CString& account)
{
    return "У счета " + account + " отсуствует субконто контрагентов ";
}

long WriteReceivedInvoice(const CReceivedInvoiceRow& row)
{
    const int k = row.counterpartyDimension;
    if (k < 1 || k > 3)
        return 0;
    const CString counterparty = NullInt0(row.counterparty);
    if (row.realId > 0
        && ExecuteCount(FormatText("select count(*) as cnt from ledmark_sch_fak_poluch where real_id=%d", row.realId))
               > 0) {
        const CString update = FormatText(
            "update ledmark_sch_fak_poluch set txt=%s,date_sf=%s,sb%d=%s,sch_kred='%s',d=%s,number='%s',s=%s,"
            "icn='%s',fil_id=%d,m0=%d,d0=%s where real_id=%d",
            NullStr(row.note), ChangeDateUS0(row.date, 0), k, counterparty, MakeSqlStr(row.account),
            ChangeDateUS0(row.date, 0), MakeSqlStr(row.number), DB_Digit(row.sum), MakeSqlStr(row.counterpartyName),
            row.branch, g_lTN, GetCurDateUS0(1), row.realId);
        return ExecuteSql(update) ? row.realId : 0;
    }
    const CString insert = FormatText(
        "insert into ledmark_sch_fak_poluch (txt,date_sf,sb%d,sch_kred,d,number,s,icn,fil_id,m0,d0) values "
        "\t\t\t\t\t(%s,%s,%s,'%s',%s,'%s',%s,'%s',%d,%d,%s)",
        k, NullStr(row.note), ChangeDateUS0(row.date, 0), counterparty, MakeSqlStr(row.account),
        ChangeDateUS0(row.date, 0), MakeSqlStr(row.number), DB_Digit(row.sum), MakeSqlStr(row.counterpartyName),
        row.branch, g_lTN, GetCurDateUS0(1));
    if (!ExecuteSql(insert))
        return 0;
    const long key = LastInsertId();
    return key > 0 ? key : 0;
}

} // namespace nledmark
