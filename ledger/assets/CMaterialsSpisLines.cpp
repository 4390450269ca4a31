// The materials write-off: the lines grid, its choosers and the balance,
// average price and remainder of each row.
#include "CMaterialsSpisView.h"

#include "AccountBalance.h"
#include "CHelpers.h"
#include "CodeRows.h"
#include "gridbase.h"
#include "ledmark.h"
#include "LineCells.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "RowSearch.h"

#include <QRegularExpression>
#include <QScopedValueRollback>
#include <cmath>

namespace nledmark {

namespace {

constexpr UINT kSpareRowMessage = 0x464;
constexpr UINT kEkrAnswer = 0x465;
constexpr UINT kRecipientAnswer = 0x470;
constexpr UINT kItemsAnswer = 0x47C;
constexpr COLORREF kRed = RGB(255, 0, 0);

double Rounded2(double value)
{
    return atof(FormatNumber(value, "", 2));
}

} // namespace

std::vector<CAnswerColumn> CMaterialsSpisView::AnswerColumns() const
{
    return {{kEkrAnswer, MS_EKR, false}};
}

LRESULT CMaterialsSpisView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kItemsAnswer) {
        ItemsChosen(reinterpret_cast<const char*>(lParam));
        return 0;
    }
    if (message == kRecipientAnswer) {
        RecipientChosen(long(lParam));
        return 0;
    }
    if (message == kSpareRowMessage) {
        EnsureSpareRow();
        return 0;
    }
    return CPostingDocView::WindowProc(message, wParam, lParam);
}

void CMaterialsSpisView::EnsureSpareRow()
{
    KeepOneEmptyRow(m_grid, MS_ITEM);
}

// Each chosen item fills the row the picker was opened for, then the lowest
// empty rows; the quantity of the first is typed next.
void CMaterialsSpisView::ItemsChosen(const char* answer)
{
    CWaitCursor wait;
    const long first = m_itemRow;
    if (FillPickedRows(m_grid, first, answer, [this](long) { EnsureSpareRow(); })) {
        m_grid.SetCurCell(MS_KOL, first);
        m_grid.SetFocus0();
    }
}

void CMaterialsSpisView::RecipientChosen(long tn)
{
    const long row = m_whomRow;
    if (row < 0 || row >= m_grid.GetNRows() || tn <= 0)
        return;
    m_grid.SetCellValue(MS_WHOM, row, utos(tn));
    m_grid.SetCurCell(MS_WHOM, row);
    EnsureSpareRow();
}

void CMaterialsSpisView::OnLinesChooser(short col, short row)
{
    if (col == MS_ITEM) {
        m_itemRow = row;
        const CString condition = ItemCondition();
        CHelpers::GetInSpr("spr_stovan_mat", this, -1, condition.IsEmpty() ? CString() : "where " + condition,
                           kItemsAnswer, 0, 1, nullptr, nullptr, 0);
    } else if (col == MS_EKR) {
        RememberChooserRow(kEkrAnswer, row);
        CExtFuncs::ShowSpr("spr_ekr", this, 0, 0, nullptr, nullptr, kEkrAnswer, 0);
    } else if (col == MS_WHOM) {
        m_whomRow = row;
        CExtFuncs::OnTNcmd(this, -1, nullptr, nullptr, kRecipientAnswer, 0, 1);
    }
}

void CMaterialsSpisView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (col >= MS_KOL1 && text) {
        CString value = *text;
        value.Replace(",", ".");
        m_grid.SetCellFgClr(col, row, atof(value) < 0 ? kRed : 0);
    }
    if (m_bLoading || m_bWriting)
        return;
    if (col == MS_ITEM) {
        FillItem(row);
        EnsureSpareRow();
    }
    if (col != MS_ITEM && col != MS_KOL)
        return;
    // The row and the later rows of its item, whose balance counts it.
    const CString item = m_grid.GetCellValue(MS_ITEM, row);
    RecalcRow(row);
    if (col == MS_KOL && !item.IsEmpty())
        for (long later = row + 1; later < m_grid.GetNRows(); ++later)
            if (m_grid.GetCellValue(MS_ITEM, later) == item)
                RecalcRow(later);
}

void CMaterialsSpisView::OnLinesEditEnded(short, short, short, CString*)
{
    PostMessage(kSpareRowMessage);
}

void CMaterialsSpisView::FillItem(long row)
{
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const CString id = CellId(m_grid.GetCellValue(MS_ITEM, row));
    if (id.IsEmpty()) {
        for (int col : {MS_NAME, MS_UNIT, MS_NORM, MS_EKR})
            m_grid.SetCellValue(col, row, "");
        return;
    }
    m_grid.SetCellValue(MS_NAME, row, ExecuteString(FormatText("select name as str from spr_stovan_mat where id=%s", id)));
    m_grid.SetCellValue(MS_UNIT, row,
                        ExecuteString(FormatText("select spr_ei.name as str from spr_stovan_mat left join spr_ei on "
                                                 "spr_ei.id=spr_stovan_mat.ei where spr_stovan_mat.id=%s",
                                                 id)));
    m_grid.SetCellValue(MS_NORM, row,
                        rtz(ExecuteString(FormatText("select norm as str from spr_stovan_mat where id=%s", id))));
    m_grid.SetCellValue(MS_EKR, row, ExecuteString(FormatText("select ekr as str from spr_stovan_mat where id=%s", id)));
}

void CMaterialsSpisView::RecalcAll()
{
    if (m_bLoading || m_noRecalc || !m_grid.GetSafeHwnd())
        return;
    CWaitCursor wait;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        RecalcRow(row);
}

// Available: the person's balance of the item as of the end of the document's
// day, this document's own write-off added back, the earlier rows of the item
// taken off. The average price at two decimals; the last units take the
// whole remaining sum.
void CMaterialsSpisView::RecalcRow(long row)
{
    if (m_bLoading || m_noRecalc || row < 0 || row >= m_grid.GetNRows())
        return;
    COleDateTime date;
    if (!m_dateCtrl.GetSafeHwnd() || m_dateCtrl.GetTime(date) != GDT_VALID)
        return;
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const CString item = m_grid.GetCellValue(MS_ITEM, row);
    if (item.IsEmpty()) {
        for (int col : {MS_NAME, MS_UNIT, MS_KOL1, MS_SUM1, MS_PRICE, MS_SUM, MS_KOL2, MS_SUM2})
            m_grid.SetCellValue(col, row, "");
        return;
    }
    CString credit, tn, kbk;
    GetDlgItemText(IDC_MS_CREDIT, credit);
    GetDlgItemText(IDC_SET_TN, tn);
    GetDlgItemText(IDC_MS_KBK_CREDIT, kbk);
    credit.Trim();
    double available = 0, availableSum = 0;
    if (!credit.IsEmpty()) {
        const CString id = CellId(item);
        LedgerBalance balance;
        if (id.IsEmpty()
            || !ReadAccountBalance(DMGtoStr(date), credit, id, CString(tn).Trim(), nullptr, SelectedBranch(IDC_FIL),
                                   CString(kbk).Trim(), nullptr, balance)) {
            // A balance that could not be read is shown as none, never as zero.
            for (int col : {MS_KOL1, MS_SUM1, MS_PRICE, MS_SUM, MS_KOL2, MS_SUM2})
                m_grid.SetCellValue(col, row, "");
            return;
        }
        available = balance.Quantity();
        availableSum = balance.Sum();
        const long realId = GetRealId();
        if (realId != -1) {
            // What this write-off itself took of the item, in one read.
            const CString taken = ExecuteString(FormatText(
                "select %s as str from ledmark_mat_spis1 where real_id=%d and id=%s",
                SqlConcat({"coalesce(sum(s),0)", "'@'", "coalesce(sum(kol),0)"}), realId, id));
            const int at = taken.Find('@');
            availableSum += atof(taken.Left(at < 0 ? 0 : at));
            available += at < 0 ? 0 : atof(taken.Mid(at + 1));
        }
        for (long earlier = 0; earlier < row; ++earlier)
            if (m_grid.GetCellValue(MS_ITEM, earlier) == item) {
                available -= CellNumber(m_grid, MS_KOL, earlier);
                availableSum -= CellNumber(m_grid, MS_SUM, earlier);
            }
    }
    const CString quantityText = CString(m_grid.GetCellValue(MS_KOL, row)).Trim();
    const double quantity = CellNumber(m_grid, MS_KOL, row);
    const double price = available != 0 ? Rounded2(availableSum / available) : 0;
    double sum = quantityText.IsEmpty() ? 0 : Rounded2(quantity * price);
    const double remaining = available - quantity;
    if (std::fabs(remaining) < 1e-9)
        sum = availableSum;
    const double remainingSum = availableSum - sum;
    m_grid.SetCellValue(MS_KOL1, row, rtz(FormatNumber(available, "-", 10)));
    m_grid.SetCellValue(MS_SUM1, row, FormatNumber(availableSum, "", 2));
    m_grid.SetCellValue(MS_PRICE, row, FormatNumber(price, "", 2));
    m_grid.SetCellValue(MS_SUM, row, FormatNumber(sum, "", 2));
    m_grid.SetCellValue(MS_KOL2, row, rtz(FormatNumber(remaining, "-", 10)));
    m_grid.SetCellValue(MS_SUM2, row, FormatNumber(remainingSum, "", 2));
    for (int col : {MS_KOL1, MS_SUM1, MS_KOL2, MS_SUM2})
        m_grid.SetCellFgClr(col, row, CellNumber(m_grid, col, row) < 0 ? kRed : 0);
}

} // namespace nledmark
