// The advance report: the choosers and events of the expense lines and the
// total of the advances received.
#include "CAvansOtchView.h"

#include "CLedmark.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"

namespace nledmark {

namespace {

constexpr UINT kDebitAnswer = 0x464;
constexpr UINT kEkrAnswer = 0x465;
constexpr UINT kDebit1Answer = 0x466;
constexpr UINT kCreditAnswer = 0x469;

} // namespace

std::vector<CAnswerColumn> CAvansOtchView::AnswerColumns() const
{
    return {{kDebitAnswer, AV_DEBIT, true},           {kEkrAnswer, AV_EKR, false},
            {kDebit1Answer, AV_DEBIT1, false},        {kDebit1Answer + 1, AV_DEBIT2, false},
            {kDebit1Answer + 2, AV_DEBIT3, false},    {kCreditAnswer, AV_CREDIT, true}};
}

// After the economic code the accepted amount is typed next.
void CAvansOtchView::OnAnswered(UINT msg, long row)
{
    if (msg == kEkrAnswer)
        m_grid.SetCurCell(AV_ACCEPTED, row);
}

void CAvansOtchView::OnLinesChooser(short col, short row)
{
    CString account;
    GetDlgItemText(IDC_AV_ACCOUNT, account);
    const CString debit = m_grid.GetCellValue(AV_DEBIT, row);
    const CString credit = LineCredit(m_grid.GetCellValue(AV_CREDIT, row), CAvansHeader{account});
    switch (col) {
    case AV_EKR:
        RememberChooserRow(kEkrAnswer, row);
        CExtFuncs::ShowSpr("spr_ekr", this, 0, 0, nullptr, nullptr, kEkrAnswer, 0);
        break;
    case AV_DEBIT:
        RememberChooserRow(kDebitAnswer, row);
        CExtFuncs::OnSprPlanSch0(this, -1, kDebitAnswer, debit, 1, credit, nullptr);
        break;
    case AV_DEBIT1:
    case AV_DEBIT2:
    case AV_DEBIT3: {
        const short n = short(col - AV_DEBIT1 + 1);
        const UINT msg = kDebit1Answer + n - 1;
        RememberChooserRow(msg, row);
        CLedmark::GetSB(this, UINT(-1), msg, debit, n, 0);
        break;
    }
    case AV_CREDIT:
        RememberChooserRow(kCreditAnswer, row);
        CExtFuncs::OnSprPlanSch0(this, -1, kCreditAnswer, credit, 2, debit, "020800000");
        break;
    default:
        break;
    }
}

// An empty credit cell starts its edit with the report's account.
void CAvansOtchView::OnLinesEditStart(short col, short row, CString* text, short*)
{
    if (col != AV_CREDIT || !text || !text->IsEmpty())
        return;
    GetDlgItemText(IDC_AV_ACCOUNT, *text);
    (void)row;
}

// A typed credit account is expanded into its full code.
void CAvansOtchView::OnLinesEdited(short col, short, short, CString* text)
{
    if (col != AV_CREDIT || !text || text->IsEmpty())
        return;
    const CString full = GL_GetFullSchKred(*text);
    if (!full.IsEmpty() && full != *text)
        *text = full;
}

// "Итого:" of the advances received.
void CAvansOtchView::OnReceivedChanged(short col, short, CString*)
{
    if (col != 2)
        return;
    double total = 0;
    for (long row = 0; row < m_received.GetNRows(); ++row) {
        CString cell = m_received.GetCellValue(2, row);
        cell.Replace(",", ".");
        total += atof(cell);
    }
    SetDlgItemText(IDC_AV_TOTAL, total == 0 ? CString() : ftoa(total));
}

} // namespace nledmark
