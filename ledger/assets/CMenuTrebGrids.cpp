// The catering menu requirement: the categories grid, the products grid with
// one column per ticked category, the stock of each row and the planned and
// actual cost of each category.
#include "CMenuTrebView.h"

#include "AccountBalance.h"
#include "CHelpers.h"
#include "CodeRows.h"
#include "LineCells.h"
#include "RowSearch.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <QScopedValueRollback>
#include <set>

namespace nledmark {

namespace {

constexpr UINT kSpareRowMessage = 0x464;
constexpr UINT kItemsAnswer = 0x47C;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr long kNumberKind = 6;
constexpr long kAmountKind = 5;

enum KatColumn { KAT_NAME = 0, KAT_PEOPLE = 1, KAT_DAY = 2, KAT_TOTAL = 3, KAT_FACT = 4 };

void Paint(CCellwork& grid, long col, long row, double value)
{
    grid.SetCellFgClr(col, row, value < 0 ? kRed : 0);
}

// An amount at two decimals, as the figures add up.
double Kopecks(double value)
{
    return atof(FormatNumber(value, "", 2));
}

} // namespace

long CMenuTrebView::CategoryColumns() const
{
    return std::max(0L, m_grid.GetNCols() - MT_FIRST_CAT - 4);
}

long CMenuTrebView::ColumnOf(long id) const
{
    for (long col = MT_FIRST_CAT; col < TotalColumn(); ++col)
        if (long(m_grid.GetColData(col)) == id)
            return col;
    return -1;
}

long CMenuTrebView::CategoryRow(long id) const
{
    for (long row = 0; row < m_cats.GetNRows(); ++row)
        if (long(m_cats.GetRowData(row)) == id)
            return row;
    return -1;
}

LRESULT CMenuTrebView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
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

void CMenuTrebView::EnsureSpareRow()
{
    if (m_grid.GetSafeHwnd())
        KeepOneEmptyRow(m_grid, MT_CODE);
}

// A removed row takes its quantities out of the actual costs.
void CMenuTrebView::OnLinesChanged()
{
    EnsureSpareRow();
    for (long col = MT_FIRST_CAT; col < TotalColumn(); ++col)
        RecalcFactCost(col);
}

// The categories in force at the date, ticked as stored (or all), with their
// stored figures.
void CMenuTrebView::FillKatGrid(bool checkAll, const CString& katDov)
{
    UpdateData(TRUE);
    const std::vector<MenuCategoryEntry> stored = ParseKatDov(katDov);
    m_cats.SetFillingGrid(1);
    m_cats.ClearGrid();
    m_cats.SetNRows(0);
    ForEachRow(FormatText("select id,name from spr_kat_dovolstv where dt_del is null or dt_del>%s order by id",
                          (LPCTSTR)ChangeDateUS0(DMGtoStr(m_date), 0)),
               [&](_RecordsetPtr& rs) {
                   const long id = atol(SafeArayToString(rs->GetCollect("id")));
                   const long row = m_cats.GetNRows();
                   m_cats.SetNRows(row + 1);
                   m_cats.SetRowData(row, _variant_t(id));
                   m_cats.SetCellValue(KAT_NAME, row, SafeArayToString(rs->GetCollect("name")));
                   if (checkAll) {
                       m_cats.SetBCheck(row, 1);
                       return;
                   }
                   m_cats.SetBCheck(row, 0);
                   for (const MenuCategoryEntry& e : stored)
                       if (e.id == id) {
                           m_cats.SetBCheck(row, e.check);
                           m_cats.SetCellValue(KAT_PEOPLE, row, e.people);
                           m_cats.SetCellValue(KAT_DAY, row, e.dayCost);
                           m_cats.SetCellValue(KAT_TOTAL, row, e.totalCost);
                           m_cats.SetCellValue(KAT_FACT, row, e.actualCost);
                       }
               });
    m_cats.SetFillingGrid(0);
    BuildMatColumns();
}

std::vector<MenuCategoryEntry> CMenuTrebView::CategoryEntries() const
{
    std::vector<MenuCategoryEntry> entries;
    for (long row = 0; row < m_cats.GetNRows(); ++row) {
        MenuCategoryEntry e;
        e.check = m_cats.GetBCheck(row) ? 1 : 0;
        e.id = long(m_cats.GetRowData(row));
        e.people = CellDecimal(m_cats.GetCellValue(KAT_PEOPLE, row));
        e.dayCost = m_cats.GetCellValue(KAT_DAY, row);
        e.totalCost = m_cats.GetCellValue(KAT_TOTAL, row);
        e.actualCost = m_cats.GetCellValue(KAT_FACT, row);
        entries.push_back(e);
    }
    return entries;
}

// Six fixed columns, one per ticked category, four totals; then the meal's rows.
void CMenuTrebView::BuildMatColumns()
{
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    struct Column {
        const char* caption;
        long width;
    };
    static const Column fixed[] = {{"Код", 40},      {"Наименование", 200}, {"Ед.изм.", 30},
                                   {"Ост.Кол.", 50}, {"Ост.Сумма", 50},     {"Цена", 50}};
    std::vector<std::pair<long, CString>> ticked;
    for (long row = 0; row < m_cats.GetNRows(); ++row)
        if (m_cats.GetBCheck(row))
            ticked.emplace_back(long(m_cats.GetRowData(row)), m_cats.GetCellValue(KAT_NAME, row));
    const long n = MT_FIRST_CAT + long(ticked.size()) + 4;
    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    m_grid.SetNCols(n);
    for (long col = 0; col < MT_FIRST_CAT; ++col) {
        m_grid.SetColCaption(col, fixed[col].caption);
        m_grid.SetColWidth(col, fixed[col].width);
        m_grid.SetColData(col, _variant_t(-1L));
        m_grid.SetColAlign(col, col >= MT_KOL1 ? 2 : 0);
        m_grid.SetColType(col, col >= MT_KOL1 ? kNumberKind : 0);
        m_grid.SetColLocked(col, 0);
        m_grid.SetColEditable(col, col == MT_CODE ? 1 : 0);
        m_grid.SetColButton(col, col == MT_CODE ? 1 : 0);
    }
    for (size_t k = 0; k < ticked.size(); ++k) {
        const long col = MT_FIRST_CAT + long(k);
        m_grid.SetColCaption(col, ticked[k].second);
        m_grid.SetColWidth(col, 50);
        m_grid.SetColData(col, _variant_t(ticked[k].first));
        m_grid.SetColAlign(col, 2);
        m_grid.SetColType(col, kNumberKind);
        m_grid.SetColLocked(col, 0);
        m_grid.SetColEditable(col, 1);
        m_grid.SetColButton(col, 0);
    }
    static const Column totals[] = {{"Спис.Кол.", 50}, {"Спис.Сумма", 50}, {"Ост.Кол", 50}, {"Ост.Сумма", 50}};
    for (long k = 0; k < 4; ++k) {
        const long col = n - 4 + k;
        m_grid.SetColCaption(col, totals[k].caption);
        m_grid.SetColWidth(col, totals[k].width);
        m_grid.SetColData(col, _variant_t(-1L));
        m_grid.SetColAlign(col, 2);
        m_grid.SetColType(col, k % 2 ? kAmountKind : kNumberKind);
        m_grid.SetColLocked(col, 1);
        m_grid.SetColButton(col, 0);
    }
    m_grid.SetFillingGrid(0);
    m_grid.KeepRatio();
    LoadMealToGrid(m_meal);
}

// The rows with a code into the meal; the quantities of unticked categories
// stay with their row.
void CMenuTrebView::StoreGridToMeal(int meal)
{
    for (long row = m_grid.GetNRows() - 1; row >= 0; --row)
        if (CString(m_grid.GetCellValue(MT_CODE, row)).Trim().IsEmpty())
            m_grid.RowRemove(row);
    std::vector<MenuRow>& rows = m_meals[meal];
    const std::vector<MenuRow> before = rows;
    rows.assign(size_t(m_grid.GetNRows()), MenuRow());
    const long total = TotalColumn();
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        MenuRow& r = rows[size_t(row)];
        r.code = CString(m_grid.GetCellValue(MT_CODE, row)).Trim();
        r.stockQuantity = CellDecimal(m_grid.GetCellValue(MT_KOL1, row));
        r.stockSum = CellDecimal(m_grid.GetCellValue(MT_SUM1, row));
        r.sumOut = CellDecimal(m_grid.GetCellValue(total + 1, row));
        if (size_t(row) < before.size() && before[size_t(row)].code == r.code)
            for (const auto& [id, cell] : before[size_t(row)].cells)
                if (ColumnOf(id) < 0)
                    r.cells[id] = cell;
        for (long col = MT_FIRST_CAT; col < total; ++col) {
            MenuCell cell;
            cell.category = long(m_grid.GetColData(col));
            cell.quantity = CellDecimal(m_grid.GetCellValue(col, row));
            cell.column = int(col);
            r.cells[cell.category] = cell;
        }
    }
}

// The meal's rows into the grid, each quantity into the column of its category.
void CMenuTrebView::LoadMealToGrid(int meal)
{
    {
        const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
        const std::vector<MenuRow>& rows = m_meals[meal];
        m_grid.ClearGrid();
        m_grid.SetNRows(long(rows.size()));
        for (long row = 0; row < long(rows.size()); ++row) {
            const MenuRow& r = rows[size_t(row)];
            m_grid.SetCellValue(MT_CODE, row, r.code);
            m_grid.SetCellValue(MT_KOL1, row, r.stockQuantity);
            m_grid.SetCellValue(MT_SUM1, row, r.stockSum);
            for (const auto& [id, cell] : r.cells) {
                const long col = ColumnOf(id);
                if (col >= 0)
                    m_grid.SetCellValue(col, row, cell.quantity);
            }
            m_grid.SetCellValue(TotalColumn() + 1, row, r.sumOut);
        }
    }
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString id = CellId(m_grid.GetCellValue(MT_CODE, row));
        const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
        m_grid.SetCellValue(MT_NAME, row, id.IsEmpty() ? CString() : GetFromSPR("spr_stovan_mat", id, nullptr));
        m_grid.SetCellValue(MT_UNIT, row, id.IsEmpty() ? CString() : GL_GetMatEI(id));
    }
    RecalcAllBalances();
    PostMessage(kSpareRowMessage);
}

void CMenuTrebView::RecalcAllBalances()
{
    if (!m_grid.GetSafeHwnd())
        return;
    CWaitCursor wait;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        RecalcRowBalance(row);
    for (long col = MT_FIRST_CAT; col < TotalColumn(); ++col)
        RecalcFactCost(col);
}

// The responsible person's stock of the row's product as of the end of the
// document's day, without this document's own write-off; while a stored
// document is being shown, its stored figures.
void CMenuTrebView::RecalcRowBalance(long row)
{
    if (row < 0 || row >= m_grid.GetNRows())
        return;
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const CString code = CString(m_grid.GetCellValue(MT_CODE, row)).Trim();
    const long total = TotalColumn();
    if (code.IsEmpty()) {
        for (long col : {long(MT_KOL1), long(MT_SUM1), long(MT_PRICE), total, total + 1, total + 2, total + 3})
            m_grid.SetCellValue(col, row, "");
        return;
    }
    if (!m_bLoading) {
        CString credit, tn, kbk;
        GetDlgItemText(IDC_MT_CREDIT, credit);
        GetDlgItemText(IDC_SET_TN, tn);
        GetDlgItemText(IDC_MT_KBK_CREDIT, kbk);
        credit.Trim();
        tn.Trim();
        kbk.Trim();
        COleDateTime date;
        if (credit.IsEmpty() || tn.IsEmpty() || !m_dateCtrl.GetSafeHwnd() || m_dateCtrl.GetTime(date) != GDT_VALID) {
            m_grid.SetCellFgClr(MT_KOL1, row, 0);
            m_grid.SetCellFgClr(MT_SUM1, row, 0);
            RecalcRowTotals(row);
            return;
        }
        const long realId = GetRealId();
        const CString document =
            realId == -1 ? CString()
                         : ExecuteString(FormatText("select id as str from ledmark_menu_treb where real_id=%d", realId));
        const CString id = CellId(code);
        LedgerBalance balance;
        if (id.IsEmpty() || !IsIdText(tn)
            || !ReadAccountBalance(DMGtoStr(date), credit, id, tn, nullptr, SelectedBranch(IDC_FIL),
                                   kbk.IsEmpty() ? nullptr : (LPCTSTR)kbk,
                                   document.IsEmpty() ? nullptr : (LPCTSTR)document, balance)) {
            // A balance that could not be read shows none; the save refuses the row.
            m_grid.SetCellValue(MT_KOL1, row, "");
            m_grid.SetCellValue(MT_SUM1, row, "");
            m_grid.SetCellValue(MT_PRICE, row, "");
            RecalcRowTotals(row);
            return;
        }
        m_grid.SetCellValue(MT_KOL1, row, Number_(balance.Quantity()));
        m_grid.SetCellValue(MT_SUM1, row, FormatNumber(balance.Sum(), "", 2));
    }
    const double quantity = CellNumber(m_grid, MT_KOL1, row), sum = CellNumber(m_grid, MT_SUM1, row);
    Paint(m_grid, MT_KOL1, row, quantity);
    Paint(m_grid, MT_SUM1, row, sum);
    m_grid.SetCellValue(MT_PRICE, row, ::Number(quantity == 0 ? 0 : sum / quantity, 0));
    RecalcRowTotals(row);
}

// Written off and remaining of one row.
void CMenuTrebView::RecalcRowTotals(long row)
{
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const long total = TotalColumn();
    if (CString(m_grid.GetCellValue(MT_CODE, row)).Trim().IsEmpty())
        return;
    const double price = CellNumber(m_grid, MT_PRICE, row);
    double quantity = 0, sum = 0;
    for (long col = MT_FIRST_CAT; col < total; ++col) {
        const double issued = CellNumber(m_grid, col, row);
        quantity += issued;
        sum += Kopecks(issued * price);
    }
    const bool any = quantity != 0;
    m_grid.SetCellValue(total, row, any ? ::Number(quantity, 0) : CString());
    m_grid.SetCellValue(total + 1, row, any ? FormatNumber(sum, "", 2) : CString());
    m_grid.SetCellFgClr(total + 1, row, price < 0 ? kRed : 0);
    const bool stockShown = !m_grid.GetCellValue(MT_KOL1, row).IsEmpty();
    const double restQuantity = CellNumber(m_grid, MT_KOL1, row) - quantity;
    const double restSum = CellNumber(m_grid, MT_SUM1, row) - sum;
    m_grid.SetCellValue(total + 2, row, stockShown ? Number_(restQuantity) : CString());
    m_grid.SetCellValue(total + 3, row, stockShown ? FormatNumber(restSum, "", 2) : CString());
    Paint(m_grid, total + 2, row, restQuantity);
    Paint(m_grid, total + 3, row, restSum);
}

// The actual cost of the category of column `col`: quantity × price of every row.
void CMenuTrebView::RecalcFactCost(long col)
{
    if (m_cats.GetNRows() == 0 || col < MT_FIRST_CAT || col >= TotalColumn())
        return;
    const long category = long(m_grid.GetColData(col));
    const long katRow = CategoryRow(category);
    if (katRow < 0)
        return;
    double sum = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        sum += Kopecks(CellNumber(m_grid, col, row) * CellNumber(m_grid, MT_PRICE, row));
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    m_cats.SetCellValue(KAT_FACT, katRow, FormatNumber(sum, "", 2));
    RecalcNormCost(category);
}

// The planned cost of a category: per product issued to it, the norm in force
// at the date × price, for one person's day and for all its people.
void CMenuTrebView::RecalcNormCost(long category)
{
    const long col = ColumnOf(category);
    const long katRow = CategoryRow(category);
    if (col < 0 || katRow < 0)
        return;
    COleDateTime date;
    if (!m_dateCtrl.GetSafeHwnd() || m_dateCtrl.GetTime(date) != GDT_VALID)
        return;
    const double people = atof(CellDecimal(m_cats.GetCellValue(KAT_PEOPLE, katRow)));
    const CString dateLiteral = ChangeDateUS0(DMGtoStr(date), 0);
    double day = 0, total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString code = CellId(m_grid.GetCellValue(MT_CODE, row));
        if (code.IsEmpty() || CellNumber(m_grid, col, row) == 0)
            continue;
        const double norm = atof(ExecuteString(FormatText(
            "select s as str from spr_norm_spis_produktov where Real_npp=%s \t\t\t\tand kat=%d and d<=%s \t\t\t\torder "
            "by d desc",
            (LPCTSTR)code, category, (LPCTSTR)dateLiteral)));
        const double price = CellNumber(m_grid, MT_PRICE, row);
        day += Kopecks(norm * price);
        total += Kopecks(norm * price * people);
    }
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    m_cats.SetCellValue(KAT_DAY, katRow, FormatNumber(day, "", 2));
    m_cats.SetCellValue(KAT_TOTAL, katRow, FormatNumber(total, "", 2));
}

void CMenuTrebView::OnMatGridButton(short col, short row)
{
    if (col != MT_CODE)
        return;
    m_itemRow = row;
    const CString condition = ItemCondition();
    CHelpers::GetInSpr("spr_stovan_mat", this, -1, condition.IsEmpty() ? CString() : "where " + condition,
                       kItemsAnswer, 0, 1, nullptr, nullptr, 0);
}

void CMenuTrebView::OnMatGridEdited(short col, short row, CString* text)
{
    if (m_bWriting || m_bLoading)
        return;
    const long total = TotalColumn();
    if (col == MT_CODE) {
        const CString id = CellId(text ? *text : m_grid.GetCellValue(MT_CODE, row));
        {
            const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
            m_grid.SetCellValue(MT_NAME, row, id.IsEmpty() ? CString() : GetFromSPR("spr_stovan_mat", id, nullptr));
            m_grid.SetCellValue(MT_UNIT, row, id.IsEmpty() ? CString() : GL_GetMatEI(id));
        }
        RecalcRowBalance(row);
        for (long c = MT_FIRST_CAT; c < total; ++c)
            RecalcFactCost(c);
        PostMessage(kSpareRowMessage);
    } else if (col >= MT_FIRST_CAT && col < total) {
        RecalcRowTotals(row);
        RecalcFactCost(col);
    }
}

void CMenuTrebView::OnKatGridEdited(short col, short row, CString* text)
{
    if (m_bWriting || m_bLoading || col != KAT_PEOPLE)
        return;
    RecalcNormCost(long(m_cats.GetRowData(row)));
}

// A category ticked or unticked: its column comes or goes, its quantities stay.
void CMenuTrebView::OnKatCheck()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    StoreGridToMeal(m_meal);
    BuildMatColumns();
}

// The first chosen product into the row the picker was opened for, the
// others into the lowest empty rows, a spare row after each.
void CMenuTrebView::ItemsChosen(const char* answer)
{
    CWaitCursor wait;
    const long first = m_itemRow;
    if (first < 0)
        return;
    bool firstFilled = false;
    for (long id : FragmentSearchIds(answer)) {
        long row = first;
        if (firstFilled) {
            row = -1;
            for (long r = 0; r < m_grid.GetNRows() && row < 0; ++r)
                if (m_grid.GetCellValue(MT_CODE, r).IsEmpty())
                    row = r;
            if (row < 0) {
                row = m_grid.GetNRows();
                m_grid.SetNRows(row + 1);
            }
        } else if (first >= m_grid.GetNRows()) {
            m_grid.SetNRows(first + 1);
        }
        firstFilled = true;
        m_grid.SetCellValue(MT_CODE, row, utos(id));
        EnsureSpareRow();
    }
    if (firstFilled) {
        m_grid.SetCurCell(MT_FIRST_CAT, first);
        m_grid.SetFocus0();
    }
}

} // namespace nledmark
