// The waybill's items grid: the item picker and its answer, the spare row,
// the name of an item, the price from the sender's balance and the sum.
#include "COsNaklView.h"

#include "AccountBalance.h"
#include "CHelpers.h"
#include "CodeRows.h"
#include "LineCells.h"
#include "RowSearch.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

constexpr UINT kSpareRowMessage = 0x464;
constexpr UINT kItemsAnswer = 0x465;

CString FieldText(const CWnd* form, UINT id)
{
    CString text;
    form->GetDlgItemText(id, text);
    return text.Trim();
}

} // namespace

LRESULT COsNaklView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
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

void COsNaklView::EnsureSpareRow()
{
    if (m_grid.GetSafeHwnd())
        KeepOneEmptyRow(m_grid, ON_ITEM);
}

// Assets of the document's branch and of the sender's account (its first six
// characters) and KBK; materials of the sender's account (characters 2 to 6)
// whatever the branch. A KBK that is no whole number limits nothing (the save
// refuses it).
CString COsNaklView::ItemFilter() const
{
    const CString credit = FieldText(this, IDC_ON_CREDIT);
    if (Kind().materials) {
        const CString byAccount = FragmentSearchBase(kOsNaklMaterialSearch, 0, credit);
        return byAccount.IsEmpty() ? CString() : "where " + byAccount;
    }
    CString condition = FragmentSearchBase(kOsNaklAssetSearch, SelectedBranch(IDC_FIL), credit);
    const CString kbk = FieldText(this, IDC_ON_KBK_CREDIT);
    if (IsIdText(kbk))
        condition += " and kbk_deb=" + kbk;
    return "where " + condition;
}

void COsNaklView::OnLinesChooser(short col, short row)
{
    if (col != ON_ITEM)
        return;
    m_itemRow = row;
    CHelpers::GetInSpr(Kind().items, this, -1, ItemFilter(), kItemsAnswer, 0, 1, nullptr, nullptr, 0);
}

// The first id into the row the picker was opened for, each next one into
// the lowest empty row, one empty row kept at the end.
void COsNaklView::ItemsChosen(const char* answer)
{
    CWaitCursor wait;
    const long first = m_itemRow;
    if (!FillPickedRows(m_grid, first, answer, [this](long) { EnsureSpareRow(); }))
        return;
    m_grid.SetCurCell(ON_ASKED, first);
    m_grid.SetFocus0();
}

void COsNaklView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (m_bLoading || row < 0 || row >= m_grid.GetNRows())
        return;
    if (col == ON_ITEM) {
        const CString id = CellId(text ? *text : m_grid.GetCellValue(ON_ITEM, row));
        m_grid.SetCellValue(ON_NAME, row, id.IsEmpty() ? CString() : GetFromSPR(Kind().items, id, nullptr));
        PostMessage(kSpareRowMessage);
        return;
    }
    if (col == ON_RELEASED && !IsDlgButtonChecked(IDC_ON_NO_POSTING))
        PriceFromBalance(row);
    if (col == ON_RELEASED || col == ON_PRICE)
        RecalcSum(row);
}

void COsNaklView::OnLinesEditEnded(short, short, short, CString*)
{
    EnsureSpareRow();
}

// The average price of the item in the sender's balance as of the end of the
// document's day, in the document's branch and the sender's KBK, the
// waybill's own postings left out. A balance that cannot be read leaves the
// price as it is.
void COsNaklView::PriceFromBalance(long row)
{
    const CString item = CellId(m_grid.GetCellValue(ON_ITEM, row));
    const CString credit = FieldText(this, IDC_ON_CREDIT);
    COleDateTime date;
    if (item.IsEmpty() || credit.IsEmpty() || !m_dateCtrl.GetSafeHwnd() || m_dateCtrl.GetTime(date) != GDT_VALID)
        return;
    static const UINT fields[3] = {IDC_ON_CREDIT_SB1, IDC_ON_CREDIT_SB2, IDC_ON_CREDIT_SB3};
    CString values[3], placed[3];
    for (int k = 0; k < 3; ++k)
        values[k] = FieldText(this, fields[k]);
    PlaceItem(credit, Kind().items, values, item, placed);
    const CString kbk = FieldText(this, IDC_ON_KBK_CREDIT);
    const long realId = GetRealId();
    const CString document =
        realId == -1 ? CString()
                     : ExecuteString(FormatText("select id as str from %s where real_id=%d", HeaderTable(), realId));
    LedgerBalance balance;
    if (!ReadAccountBalance(DMGtoStr(date), credit, placed[0], placed[1], placed[2], SelectedBranch(IDC_FIL),
                            kbk.IsEmpty() ? nullptr : (LPCTSTR)kbk,
                            atol(document) > 0 ? (LPCTSTR)document : nullptr, balance))
        return;
    const double quantity = balance.Quantity();
    m_grid.SetCellValue(ON_PRICE, row, FormatNumber(quantity == 0 ? 0 : balance.Sum() / quantity, "", 2));
}

void COsNaklView::RecalcSum(long row)
{
    const double sum = CellNumber(m_grid, ON_RELEASED, row) * CellNumber(m_grid, ON_PRICE, row);
    m_grid.SetCellValue(ON_SUM, row, FormatNumber(sum, "", 2));
}

} // namespace nledmark
