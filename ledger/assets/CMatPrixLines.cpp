// The materials receipt: the lines grid, its choosers and the balances of a
// row before and after the receipt.
#include "CMatPrixView.h"

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

namespace nledmark {

namespace {

constexpr UINT kSpareRowMessage = 0x464;
constexpr UINT kEkrAnswer = 0x465;
constexpr UINT kItemsAnswer = 0x47C;
constexpr COLORREF kRed = RGB(255, 0, 0);

void Paint(CCellwork& grid, long col, long row, double value)
{
    grid.SetCellFgClr(col, row, value < 0 ? kRed : 0);
}

} // namespace

std::vector<CAnswerColumn> CMatPrixView::AnswerColumns() const
{
    return {{kEkrAnswer, MP_EKR, false}};
}

LRESULT CMatPrixView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kItemsAnswer) {
        ItemsChosen(reinterpret_cast<const char*>(lParam));
        return 0;
    }
    if (message == kSpareRowMessage) {
        EnsureSpareRow();
        return 0;
    }
    return CPostingDocView::WindowProc(message, wParam, lParam);
}

void CMatPrixView::EnsureSpareRow()
{
    KeepOneEmptyRow(m_grid, MP_ITEM);
}

// Each chosen item fills the row the picker was opened for, then the lowest
// empty rows; the quantity of the first is typed next.
void CMatPrixView::ItemsChosen(const char* answer)
{
    const long first = m_itemRow;
    if (FillPickedRows(m_grid, first, answer, [this](long) { EnsureSpareRow(); })) {
        m_grid.SetCurCell(MP_KOL, first);
        m_grid.SetFocus0();
    }
}

void CMatPrixView::OnLinesChooser(short col, short row)
{
    if (col == MP_ITEM) {
        m_itemRow = row;
        const CString condition = ItemCondition();
        CHelpers::GetInSpr("spr_stovan_mat", this, -1, condition.IsEmpty() ? CString() : "where " + condition,
                           kItemsAnswer, 0, 1, nullptr, nullptr, 0);
    } else if (col == MP_EKR) {
        RememberChooserRow(kEkrAnswer, row);
        CExtFuncs::ShowSpr("spr_ekr", this, 0, 0, nullptr, nullptr, kEkrAnswer, 0);
    }
}

void CMatPrixView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (col >= MP_KOL1 && col <= MP_SUM2 && text) {
        CString value = *text;
        value.Replace(",", ".");
        Paint(m_grid, col, row, atof(value));
    }
    if (m_bLoading || m_bWriting)
        return;
    if (col == MP_ITEM) {
        FillItem(row);
        EnsureSpareRow();
    }
    if (col != MP_ITEM && col != MP_KOL && col != MP_SUM)
        return;
    // The row and the later rows of its item, whose balance before counts it.
    const CString item = m_grid.GetCellValue(MP_ITEM, row);
    RecalcRow(row);
    if (col != MP_ITEM && !item.IsEmpty())
        for (long later = row + 1; later < m_grid.GetNRows(); ++later)
            if (m_grid.GetCellValue(MP_ITEM, later) == item)
                RecalcRow(later);
}

void CMatPrixView::FillItem(long row)
{
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const CString id = CellId(m_grid.GetCellValue(MP_ITEM, row));
    if (id.IsEmpty()) {
        m_grid.SetCellValue(MP_NAME, row, "");
        m_grid.SetCellValue(MP_UNIT, row, "");
        return;
    }
    m_grid.SetCellValue(MP_NAME, row, ExecuteString(FormatText("select name as str from spr_stovan_mat where id=%s", id)));
    m_grid.SetCellValue(MP_UNIT, row,
                        ExecuteString(FormatText("select spr_ei.name as str from spr_stovan_mat left join spr_ei on "
                                                 "spr_ei.id=spr_stovan_mat.ei where spr_stovan_mat.id=%s",
                                                 id)));
    m_grid.SetCellValue(MP_EKR, row, ExecuteString(FormatText("select ekr as str from spr_stovan_mat where id=%s", id)));
}

void CMatPrixView::RecalcAll()
{
    if (m_bLoading || m_noRecalc || !m_grid.GetSafeHwnd())
        return;
    CWaitCursor wait;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        RecalcRow(row);
}

void CMatPrixView::RecalcRow(long row)
{
    if (m_bLoading || m_noRecalc || row < 0 || row >= m_grid.GetNRows())
        return;
    COleDateTime date;
    if (!m_dateCtrl.GetSafeHwnd() || m_dateCtrl.GetTime(date) != GDT_VALID)
        return;
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const CString item = m_grid.GetCellValue(MP_ITEM, row);
    if (item.IsEmpty()) {
        for (int col : {MP_NAME, MP_UNIT, MP_KOL1, MP_SUM1, MP_KOL, MP_SUM, MP_KOL2, MP_SUM2})
            m_grid.SetCellValue(col, row, "");
        return;
    }
    CString debit, tn, kbk;
    GetDlgItemText(IDC_MP_DEBIT, debit);
    GetDlgItemText(IDC_SET_TN, tn);
    GetDlgItemText(IDC_MP_KBK_DEBIT, kbk);
    if (debit.IsEmpty())
        return;
    const CString id = CellId(item);
    LedgerBalance balance;
    if (id.IsEmpty()
        || !ReadAccountBalance(DMGtoStr(date), debit, id, CString(tn).Trim(), nullptr, SelectedBranch(IDC_FIL), kbk,
                               nullptr, balance)) {
        // A balance that could not be read is shown as none, never as zero.
        for (int col : {MP_KOL1, MP_SUM1, MP_KOL2, MP_SUM2})
            m_grid.SetCellValue(col, row, "");
        return;
    }
    double quantity = balance.Quantity();
    double sum = balance.Sum();
    const long realId = GetRealId();
    if (realId != -1) {
        const CString table = m_record.HeaderTable();
        sum -= atof(ExecuteString(
            FormatText("select sum(s) as str from %s1 where real_id=%d and id=%s", table, realId, id)));
        quantity -= atof(ExecuteString(
            FormatText("select sum(kol) as str from %s1 where real_id=%d and id=%s", table, realId, id)));
    }
    for (long earlier = 0; earlier < row; ++earlier)
        if (m_grid.GetCellValue(MP_ITEM, earlier) == item) {
            quantity += CellNumber(m_grid, MP_KOL, earlier);
            sum += CellNumber(m_grid, MP_SUM, earlier);
        }
    const double received = CellNumber(m_grid, MP_KOL, row);
    const double receivedSum = CellNumber(m_grid, MP_SUM, row);
    const double price = received == 0 ? 0 : receivedSum / received;
    m_grid.SetCellValue(MP_KOL1, row, Number_(quantity));
    m_grid.SetCellValue(MP_SUM1, row, FormatNumber(sum, "", 2));
    m_grid.SetCellValue(MP_PRICE, row, FormatNumber(price, "", 2));
    m_grid.SetCellValue(MP_KOL2, row, FormatNumber1(quantity + received, "-", 10));
    m_grid.SetCellValue(MP_SUM2, row, FormatNumber(sum + receivedSum, "", 2));
    Paint(m_grid, MP_KOL1, row, quantity);
    Paint(m_grid, MP_SUM1, row, sum);
    Paint(m_grid, MP_KOL2, row, quantity + received);
    Paint(m_grid, MP_SUM2, row, sum + receivedSum);
}

} // namespace nledmark
