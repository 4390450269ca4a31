// The receipt's lines: the grid filled from a record, price and sum following
// each other, the cells' numbers normalised, the material chosen in its book
// (button, F3) or found by a fragment (F7), and an empty line appended once
// every line is complete.
#include "CPrixodView.h"

#include "MaterialLines.h"
#include "appcore.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nstovan {

namespace {

enum Column { kNumber = 0, kCode = 1, kName = 2, kUnit = 3, kPrice = 4, kQuantity = 5, kSum = 6 };

double Read(const CString& text)
{
    return ReadNumber(text);
}

} // namespace

void CPrixodView::FillLines(const CPrixodRecord& record)
{
    m_typedPrice.clear();
    m_grid.SetNRows(long(record.lines.size()));
    for (long row = 0; row < long(record.lines.size()); ++row) {
        const CPrixodLine& line = record.lines[size_t(row)];
        m_grid.SetCellValue(kNumber, row, utoa(row + 1));
        m_grid.SetCellValue(kCode, row, line.id);
        m_grid.SetCellValue(kName, row, line.name);
        m_grid.SetCellValue(kUnit, row, line.unit);
        m_grid.SetCellValue(kPrice, row, line.price);
        m_grid.SetCellValue(kQuantity, row, line.kol);
        m_grid.SetCellValue(kSum, row, line.s);
    }
}

// Price and quantity give the sum, a sum typed gives the price. A quantity
// changed gives the price from the sum, unless the user typed the price (last,
// after any sum) or there is a price and no sum: then the price stays and
// gives the sum. A price typed over a sum already present leaves the sum.
void CPrixodView::OnLinesEdited(short col, short row, short key, CString* text)
{
    if (col == kCode || col == kQuantity)
        PostMessage(WM_USER + 1);
    auto value = [&](int c) { return c == col ? *text : m_grid.GetCellValue(c, row); };
    auto product = [](double price, double kol) { return price == 0 || kol == 0 ? CString() : ftoa(price * kol); };
    if (col == kPrice)
        m_typedPrice.insert(row);
    else if (col == kSum)
        m_typedPrice.erase(row);
    const bool keepPrice = col == kQuantity && !value(kPrice).Trim().IsEmpty()
                           && (m_typedPrice.count(row) != 0 || value(kSum).Trim().IsEmpty());
    if (keepPrice) {
        m_grid.SetCellValue(kSum, row, product(Read(value(kPrice)), Read(value(kQuantity))));
    } else if (col == kQuantity || col == kSum) {
        const double kol = Read(value(kQuantity));
        const double s = Read(value(kSum));
        m_grid.SetCellValue(kPrice, row, kol == 0 || s == 0 ? CString() : ftoa(s / kol));
    } else if (col == kPrice && value(kSum).Trim().IsEmpty()) {
        m_grid.SetCellValue(kSum, row, product(Read(value(kPrice)), Read(value(kQuantity))));
    }
}

void CPrixodView::OnLinesCellChanged(short col, short row, CString* text)
{
    CString value = *text;
    if (col == kCode && !m_bLoading) {
        m_grid.SetCellValue(kName, row, GetFromSPR("spr_stovan_mat", value, nullptr));
        m_grid.SetCellValue(kUnit, row, MaterialUnit(value));
    } else if ((col == kPrice || col == kSum) && !value.Trim().IsEmpty()) {
        value = ftoa(Read(value));
    } else if (col == kQuantity && !value.Trim().IsEmpty()) {
        value = FormatNumber(Read(value), "-", 4);
    }
    if (value != *text && (col == kPrice || col == kSum || col == kQuantity))
        *text = value;
}

LRESULT CPrixodView::OnAppendCheck(WPARAM, LPARAM)
{
    if (Text(IDC_DATE).Trim().IsEmpty() || Text(IDC_PRD).Trim().IsEmpty() || Text(IDC_NV).Trim().IsEmpty())
        return 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (!SprOk("spr_stovan_mat", m_grid.GetCellValue(kCode, row)) || Read(m_grid.GetCellValue(kQuantity, row)) == 0)
            return 0;
    const long rows = m_grid.GetNRows();
    m_grid.SetNRows(rows + 1);
    m_grid.SetCellValue(kNumber, rows, utoa(rows + 1));
    return 0;
}

void CPrixodView::OnLinesChooser(short col, short row)
{
    if (col == kCode)
        ChooseMaterial(row, nullptr);
}

void CPrixodView::ChooseMaterial(long row, const char* fragment)
{
    OpenMaterialBook(this, m_nMaterialRow, row, fragment);
}

LRESULT CPrixodView::OnMaterialChosen(WPARAM, LPARAM lParam)
{
    const long row = m_nMaterialRow;
    if (row < 0 || row >= m_grid.GetNRows())
        return 0;
    m_grid.SetCellValue(kCode, row, FormatText("%d", int(lParam)));
    m_grid.SetCurCell(kCode, row);
    m_grid.SetFocus();
    PostMessage(WM_USER + 1);
    return 0;
}

void CPrixodView::SearchMaterial()
{
    if (nstovan::SearchMaterial(this, m_grid, kCode, m_memories[0], m_nMaterialRow))
        PostMessage(WM_USER + 1);
}

} // namespace nstovan
