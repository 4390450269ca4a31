// The manual operation form: its lines grid (choosers, answers, edits and the
// state of each line's cells).
#include "AnalyticCells.h"
#include "CLedmark.h"
#include "COperByHandView.h"

#include "ConfigGlobals.h"
#include "ledmark.h"
#include "naddviews.h"
#include "res/resource.h"

namespace nledmark {

namespace {

// The chooser answers and the columns they fill.
constexpr UINT kDebitAnswer = 0x464;
constexpr UINT kCreditAnswer = 0x465;
constexpr UINT kDebitSbAnswer = 0x466;   // 0x466-0x468: debit analytic values 1-3
constexpr UINT kCreditSbAnswer = 0x469;  // 0x469-0x46B: credit analytic values 1-3
constexpr UINT kKbkDebitAnswer = 0x46C;
constexpr UINT kKbkCreditAnswer = 0x46D;

} // namespace

std::vector<CAnswerColumn> COperByHandView::AnswerColumns() const
{
    std::vector<CAnswerColumn> columns = {{kDebitAnswer, OPER_DEBIT, true},
                                          {kCreditAnswer, OPER_CREDIT, true},
                                          {kKbkDebitAnswer, OPER_KBK_DEB, false},
                                          {kKbkCreditAnswer, OPER_KBK_KRED, false}};
    for (UINT k = 0; k < 3; ++k) {
        columns.push_back({kDebitSbAnswer + k, OPER_DEB_SB1 + (int)k, false});
        columns.push_back({kCreditSbAnswer + k, OPER_KRED_SB1 + (int)k, false});
    }
    return columns;
}

void COperByHandView::OnAnswered(UINT msg, long row)
{
    if (msg == kDebitAnswer || msg == kCreditAnswer)
        FillDefaultContent(row, Cell(OPER_DEBIT, row), Cell(OPER_CREDIT, row));
}

void COperByHandView::OnLinesChooser(short col, short row)
{
    const CString debit = Cell(OPER_DEBIT, row);
    const CString credit = Cell(OPER_CREDIT, row);
    const int branch = SelectedBranch(IDC_FIL);
    UINT msg = 0;
    if (col == OPER_KBK_DEB || col == OPER_KBK_KRED) {
        msg = col == OPER_KBK_DEB ? kKbkDebitAnswer : kKbkCreditAnswer;
        RememberChooserRow(msg, row);
        GL_GetDefKBKList(this, -1, col == OPER_KBK_DEB ? debit : credit, branch, msg, nullptr, 0);
    } else if (col == OPER_DEBIT || col == OPER_CREDIT) {
        const bool isDebit = col == OPER_DEBIT;
        msg = isDebit ? kDebitAnswer : kCreditAnswer;
        RememberChooserRow(msg, row);
        CExtFuncs::OnSprPlanSch0(this, -1, (int)msg, isDebit ? debit : credit, isDebit ? 1 : 2,
                                 isDebit ? credit : debit, nullptr);
    } else if (col > OPER_DEBIT && col < OPER_KBK_KRED) {
        msg = kDebitSbAnswer + (col - OPER_DEB_SB1);
        RememberChooserRow(msg, row);
        CLedmark::GetSB(this, UINT(-1), msg, debit, short(col - OPER_DEBIT), 0);
    } else if (col > OPER_CREDIT && col < OPER_KOL) {
        msg = kCreditSbAnswer + (col - OPER_KRED_SB1);
        RememberChooserRow(msg, row);
        CLedmark::GetSB(this, UINT(-1), msg, credit, short(col - OPER_CREDIT), 0);
    }
}

void COperByHandView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (col == OPER_DEBIT || col == OPER_CREDIT)
        RefreshRow(-1, col == OPER_DEBIT, col == OPER_CREDIT);
    MarkRowEdited(row);
}

void COperByHandView::OnLinesEdited(short col, short row, short key, CString* text)
{
    if (col != OPER_DEBIT && col != OPER_CREDIT) {
        RefreshRow(-1, false, false);
        return;
    }
    const CString full = col == OPER_DEBIT ? GL_GetFullSchDeb(*text) : GL_GetFullSchKred(*text);
    // A failed expansion answers "" (the script has told the user): keep what was typed.
    if (!full.IsEmpty() && full != *text)
        *text = full;
    FillDefaultContent(row, col == OPER_DEBIT ? *text : Cell(OPER_DEBIT, row),
                       col == OPER_CREDIT ? *text : Cell(OPER_CREDIT, row));
    RefreshRow(-1, true, true);
}

void COperByHandView::OnLinesCellMoved(short col, short row)
{
    RefreshRow(-1, true, true);
}

void COperByHandView::OnLinesRowEnter(short col, short row, short* flag)
{
    RefreshRow(-1, true, true);
}

void COperByHandView::SetCell(int col, long row, const CString& text)
{
    if (Cell(col, row) != text)
        m_grid.SetCellValue(col, row, text);
}

void COperByHandView::FillDefaultContent(long row, const CString& debit, const CString& credit)
{
    if (debit.IsEmpty() || credit.IsEmpty() || !Cell(OPER_PRIM, row).IsEmpty())
        return;
    SetCell(OPER_PRIM, row, GetDefSO(debit, credit));
}

// The cells a line's accounts use: the analytic values of each side (with
// the placeholder "<...>" while a required one is empty) and the quantity.
void COperByHandView::RefreshRow(long row, bool debit, bool credit)
{
    if (m_bLoading)
        return;
    if (row < 0)
        row = m_grid.GetCurRow();
    if (row < 0)
        return;
    if (debit)
        RefreshSide(row, OPER_DEBIT);
    if (credit)
        RefreshSide(row, OPER_CREDIT);
    RefreshQuantity(row);
}

void COperByHandView::RefreshSide(long row, int accountColumn)
{
    ShowAnalyticCells(m_grid, row, accountColumn + 1, Cell(accountColumn, row));
}

void COperByHandView::RefreshQuantity(long row)
{
    const CString debit = Cell(OPER_DEBIT, row);
    const CString credit = Cell(OPER_CREDIT, row);
    const bool kept = (!debit.IsEmpty() && GL_Should_Have_Kol(debit)) || (!credit.IsEmpty() && GL_Should_Have_Kol(credit));
    if (!kept)
        SetCell(OPER_KOL, row, CString());
    m_grid.SetCellEditable(OPER_KOL, row, kept ? 1 : 0);
}

} // namespace nledmark
