#include "OperByHandLines.h"

#include "CChartFacts.h"
#include "ScriptReadCache.h"
#include "ledmark.h"

#include <cstdlib>

namespace nledmark {

const char* const kAnalyticPlaceholder = "<...>";

namespace {

double NumberOf(const CString& text)
{
    return std::atof(text);
}

BOOL Fail(COperLineFault& fault, int row, int column, const char* message)
{
    fault.row = row;
    fault.column = column;
    fault.message = message;
    return FALSE;
}

// Check 1: the posting script's own test; it tells the user why it refuses.
BOOL PassesPostingTest(const COperLine& l, const CString& date, int branch)
{
    return GL_TestProvodka(date, l[OPER_DEBIT], l[OPER_DEB_SB1], l[OPER_DEB_SB1 + 1], l[OPER_DEB_SB1 + 2],
                           l[OPER_CREDIT], l[OPER_KRED_SB1], l[OPER_KRED_SB1 + 1], l[OPER_KRED_SB1 + 2], l[OPER_SUM],
                           l[OPER_KOL], 1, l[OPER_KBK_DEB], l[OPER_KBK_KRED], branch) == 0;
}

// Checks 2 to 5: the accounts of the line.
BOOL CheckAccounts(const COperLine& l, int row, CChartFacts& chart, COperLineFault& fault)
{
    const CString& debit = l[OPER_DEBIT];
    const CString& credit = l[OPER_CREDIT];
    if (debit.IsEmpty() && credit.IsEmpty())
        return Fail(fault, row, OPER_DEBIT, "Укажите счет дебета или кредита");
    const bool zabDebit = chart.Of(debit).zab;
    const bool zabCredit = chart.Of(credit).zab;
    if (!debit.IsEmpty() && !credit.IsEmpty() && zabDebit != zabCredit)
        return Fail(fault, row, OPER_DEBIT, "Корреспондируют забалансовый и не забалансовый счета");
    if (!zabDebit && !zabCredit) {
        if (debit.IsEmpty())
            return Fail(fault, row, OPER_DEBIT, "Укажите счет по дебету");
        if (credit.IsEmpty())
            return Fail(fault, row, OPER_CREDIT, "Укажите счет по кредиту");
    }
    if (!debit.IsEmpty() && !chart.Of(debit).valid)
        return Fail(fault, row, OPER_DEBIT, "Нет такого счета");
    if (!credit.IsEmpty() && !chart.Of(credit).valid)
        return Fail(fault, row, OPER_CREDIT, "Нет такого счета");
    if (debit == credit)
        return Fail(fault, row, OPER_CREDIT, "Одинаковые счета по дебету и кредиту");
    return TRUE;
}

// Checks 6 and 7: the analytic values of one side.
BOOL CheckAnalytics(COperLine& l, int row, int accountColumn, const char* side, CChartFacts& chart,
                    COperLineFault& fault)
{
    const CString account = l[accountColumn];
    for (short k = 1; k <= 3; ++k) {
        CString& cell = l[accountColumn + k];
        if (!chart.Of(account).book[k - 1]) {
            cell.Empty();
            continue;
        }
        if (cell.IsEmpty())
            return Fail(fault, row, accountColumn + k, FormatText("Укажите субконто%d по %s", (int)k, side));
        if (!chart.ValueExists(account, k, cell))
            return Fail(fault, row, accountColumn + k, FormatText("Нет такого субконто%d по %s", (int)k, side));
    }
    return TRUE;
}

// Checks 8 and 9: quantity and amount.
BOOL CheckQuantityAndAmount(COperLine& l, int row, CChartFacts& chart, COperLineFault& fault)
{
    const bool kept = chart.Of(l[OPER_DEBIT]).kol || chart.Of(l[OPER_CREDIT]).kol;
    if (kept && l[OPER_KOL].IsEmpty())
        return Fail(fault, row, OPER_KOL, "Укажите Количество");
    if (!kept)
        l[OPER_KOL].Empty();
    if (NumberOf(l[OPER_KOL]) == 0 && NumberOf(l[OPER_SUM]) == 0)
        return Fail(fault, row, OPER_SUM, "Укажите Сумму");
    return TRUE;
}

} // namespace

bool IsEmptyOperLine(const COperLine& line)
{
    return line[OPER_DEBIT].IsEmpty() && line[OPER_CREDIT].IsEmpty() && NumberOf(line[OPER_KOL]) == 0
           && NumberOf(line[OPER_SUM]) == 0;
}

namespace {

// The accounts the non-empty lines name.
std::vector<CString> AccountsOf(const std::vector<COperLine>& lines)
{
    std::vector<CString> accounts;
    for (const COperLine& l : lines) {
        if (IsEmptyOperLine(l))
            continue;
        accounts.push_back(l[OPER_DEBIT]);
        accounts.push_back(l[OPER_CREDIT]);
    }
    return accounts;
}

// The analytic values the non-empty lines name.
std::vector<CChartFacts::ValueAsk> AnalyticValues(const std::vector<COperLine>& lines)
{
    std::vector<CChartFacts::ValueAsk> asks;
    for (const COperLine& l : lines) {
        if (IsEmptyOperLine(l))
            continue;
        for (short k = 1; k <= 3; ++k) {
            asks.push_back({l[OPER_DEBIT], k, l[OPER_DEB_SB1 + k - 1]});
            asks.push_back({l[OPER_CREDIT], k, l[OPER_KRED_SB1 + k - 1]});
        }
    }
    return asks;
}

} // namespace

BOOL CheckOperLines(std::vector<COperLine>& lines, const CString& date, int branch, COperLineFault& fault)
{
    fault = COperLineFault();
    // The checks only read: the chart and the reference books are read once per
    // query (the save keeps one scope for its checks and statements).
    appcore::CScriptReadCache reads;
    CChartFacts chart;
    // The accounts of all lines are read at once, then their values in one
    // query for all their books; the posting test of each line finds them
    // read.
    const std::vector<CString> accounts = AccountsOf(lines);
    if (!accounts.empty()) {
        chart.LookUpAccounts(accounts);
        chart.LookUpValues(AnalyticValues(lines));
    }
    bool any = false;
    for (int row = 0; row < (int)lines.size(); ++row) {
        COperLine& l = lines[row];
        if (IsEmptyOperLine(l))
            continue;
        if (!PassesPostingTest(l, date, branch)) {
            fault.row = row;
            return FALSE;
        }
        any = true;
        if (!CheckAccounts(l, row, chart, fault) || !CheckAnalytics(l, row, OPER_DEBIT, "дебету", chart, fault)
            || !CheckAnalytics(l, row, OPER_CREDIT, "кредиту", chart, fault)
            || !CheckQuantityAndAmount(l, row, chart, fault))
            return FALSE;
    }
    if (!any)
        return Fail(fault, -1, -1, "Укажите проводки");
    return TRUE;
}

CPostingLine PostingOfOperLine(const COperLine& l)
{
    CPostingLine p;
    p.debit = l[OPER_DEBIT];
    p.debit1 = l[OPER_DEB_SB1];
    p.debit2 = l[OPER_DEB_SB1 + 1];
    p.debit3 = l[OPER_DEB_SB1 + 2];
    p.credit = l[OPER_CREDIT];
    p.credit1 = l[OPER_KRED_SB1];
    p.credit2 = l[OPER_KRED_SB1 + 1];
    p.credit3 = l[OPER_KRED_SB1 + 2];
    p.amount = l[OPER_SUM];
    p.quantity = l[OPER_KOL];
    p.note = l[OPER_PRIM];
    p.kbkDebit = l[OPER_KBK_DEB];
    p.kbkCredit = l[OPER_KBK_KRED];
    return p;
}

std::vector<CPostingLine> PostingsOfOperLines(const std::vector<COperLine>& lines)
{
    std::vector<CPostingLine> postings;
    for (const COperLine& l : lines)
        if (!IsEmptyOperLine(l))
            postings.push_back(PostingOfOperLine(l));
    return postings;
}

} // namespace nledmark
