// CCellwork: size, content, current cell and editing (the layout calls are in
// CCellworkLayout.cpp). Every call goes to the grid's window, so it does
// nothing before the grid exists.
#include "CCellwork.h"

#include "CellworkModel.h"
#include "CellworkRowHeader.h"
#include "CellworkView.h"

IMPLEMENT_DYNAMIC(CCellwork, CWnd)

using gridbase::CellworkModel;
using gridbase::CellworkView;

BOOL CCellwork::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, LPCTSTR layout)
{
    return CWnd::Create("Cellwork", layout, dwStyle, rect, pParentWnd, nID);
}

CellworkView* CCellwork::View() const
{
    return qobject_cast<CellworkView*>(GetQWidget());
}

long CCellwork::GetNRows() const
{
    CellworkView* v = View();
    return v ? v->cells()->rows() : 0;
}

void CCellwork::SetNRows(long rows)
{
    if (CellworkView* v = View())
        v->setRowCount((int)rows);
}

long CCellwork::GetNCols() const
{
    CellworkView* v = View();
    return v ? v->cells()->cols() : 0;
}

void CCellwork::SetNCols(long cols)
{
    if (CellworkView* v = View())
        v->setColCount((int)cols);
}

CString CCellwork::GetCellValue(long col, long row) const
{
    CellworkView* v = View();
    return v ? CString(v->cells()->text((int)col, (int)row)) : CString();
}

void CCellwork::SetCellValue(long col, long row, LPCTSTR text)
{
    if (CellworkView* v = View())
        v->setCellText((int)col, (int)row, AfxQ(text));
}

void CCellwork::SetRows(const std::vector<std::vector<CString>>& cells, const std::vector<_variant_t>& data)
{
    CellworkView* v = View();
    if (!v)
        return;
    std::vector<gridbase::CellworkRow> rows(cells.size());
    for (std::size_t r = 0; r < cells.size(); ++r) {
        rows[r].cells.reserve(cells[r].size());
        for (const CString& text : cells[r])
            rows[r].cells.push_back(text.ToQString());
        if (r < data.size())
            rows[r].data = data[r];
    }
    v->setRows(std::move(rows));
}

void CCellwork::RowInsert(long row)
{
    if (CellworkView* v = View())
        v->insertRow((int)row);
}

void CCellwork::RowRemove(long row)
{
    if (CellworkView* v = View())
        v->removeRow((int)row);
}

void CCellwork::RowMove(long from, long to)
{
    if (CellworkView* v = View())
        v->moveRow((int)from, (int)to);
}

void CCellwork::ClearGrid()
{
    if (CellworkView* v = View())
        v->clearGrid();
}

_variant_t CCellwork::GetRowData(long row) const
{
    CellworkView* v = View();
    return v && v->cells()->validRow((int)row) ? v->cells()->row((int)row).data : _variant_t();
}

void CCellwork::SetRowData(long row, const _variant_t& value)
{
    CellworkView* v = View();
    if (v && v->cells()->validRow((int)row))
        v->cells()->changeRow((int)row, [&](gridbase::CellworkRow& r) { r.data = value; });
}

_variant_t CCellwork::GetColData(long col) const
{
    CellworkView* v = View();
    return v && v->cells()->validCol((int)col) ? v->cells()->column((int)col).data : _variant_t();
}

void CCellwork::SetColData(long col, const _variant_t& value)
{
    CellworkView* v = View();
    if (v && v->cells()->validCol((int)col))
        v->cells()->changeColumn((int)col, [&](gridbase::CellworkColumn& c) { c.data = value; });
}

long CCellwork::GetBCheck(long row) const
{
    CellworkView* v = View();
    return v && v->cells()->validRow((int)row) && v->cells()->row((int)row).checked ? 1 : 0;
}

void CCellwork::SetBCheck(long row, long check)
{
    if (CellworkView* v = View())
        v->setChecked((int)row, check != 0);
}

void CCellwork::SetBCheckAll(long check)
{
    if (CellworkView* v = View()) {
        for (int r = 0; r < v->cells()->rows(); ++r)
            v->setChecked(r, check != 0);
    }
}

void CCellwork::SetBShowCheck(long show)
{
    if (CellworkView* v = View())
        v->setChecks(show != 0);
}

long CCellwork::GetCurRow() const
{
    CellworkView* v = View();
    return v && v->currentIndex().isValid() ? v->currentIndex().row() : -1;
}

long CCellwork::GetCurCol() const
{
    CellworkView* v = View();
    return v && v->currentIndex().isValid() ? v->currentIndex().column() : -1;
}

void CCellwork::SetCurRow(long row)
{
    const long col = GetCurCol();
    SetCurCell(col >= 0 ? col : 0, row);
}

void CCellwork::SetCurCol(long col)
{
    const long row = GetCurRow();
    SetCurCell(col, row >= 0 ? row : 0);
}

void CCellwork::SetCurCell(long col, long row)
{
    if (CellworkView* v = View())
        v->setCurCell((int)col, (int)row);
}

void CCellwork::ForceEditCell(long col, long row)
{
    if (CellworkView* v = View())
        v->forceEdit((int)col, (int)row);
}

void CCellwork::SetFocus0()
{
    if (CellworkView* v = View())
        v->focusGrid();
}

void CCellwork::ShowFirstUnLockedCol0()
{
    if (CellworkView* v = View())
        v->showFirstUnlocked();
}

void CCellwork::SetFillingGrid(long filling)
{
    if (CellworkView* v = View())
        v->setFilling(filling != 0);
}
