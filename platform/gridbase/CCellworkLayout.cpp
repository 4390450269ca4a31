// CCellwork: columns, cell and row looks, and the grid's layout.
#include "CCellwork.h"

#include "CellworkModel.h"
#include "CellworkRowHeader.h"
#include "CellworkView.h"
#include "gdi/AfxGdi.h"

using gridbase::CellAttr;
using gridbase::CellworkColumn;
using gridbase::CellworkRow;
using gridbase::CellworkView;

namespace {

template <class F>
void changeColumn(const CCellwork* grid, long col, F&& change, bool widths = false)
{
    CellworkView* v = grid->View();
    if (!v || !v->cells()->validCol((int)col))
        return;
    v->cells()->changeColumn((int)col, change);
    if (widths)
        v->applyWidths();
}

template <class R, class F>
R readColumn(const CCellwork* grid, long col, R none, F&& read)
{
    CellworkView* v = grid->View();
    return v && v->cells()->validCol((int)col) ? read(v->cells()->column((int)col)) : none;
}

template <class F>
void changeCell(const CCellwork* grid, long col, long row, F&& change)
{
    CellworkView* v = grid->View();
    if (v && v->cells()->validCell((int)col, (int)row))
        v->cells()->changeCell((int)col, (int)row, change);
}

template <class F>
void changeRow(const CCellwork* grid, long row, F&& change)
{
    CellworkView* v = grid->View();
    if (v && v->cells()->validRow((int)row))
        v->cells()->changeRow((int)row, change);
}

} // namespace

void CCellwork::SetColCaption(long col, LPCTSTR caption)
{
    const QString text = AfxQ(caption);
    changeColumn(this, col, [&](CellworkColumn& c) { c.caption = text; });
}

CString CCellwork::GetColCaption(long col) const
{
    return readColumn(this, col, CString(), [](const CellworkColumn& c) { return CString(c.caption); });
}

void CCellwork::SetColWidth(long col, long width)
{
    changeColumn(this, col, [&](CellworkColumn& c) { c.width = std::max(1L, width); }, true);
}

long CCellwork::GetColWidth(long col) const
{
    return readColumn(this, col, 0L, [](const CellworkColumn& c) { return (long)c.width; });
}

void CCellwork::SetColAlign(long col, long align)
{
    changeColumn(this, col, [&](CellworkColumn& c) { c.align = (int)align; });
}

void CCellwork::SetColButton(long col, long button)
{
    changeColumn(this, col, [&](CellworkColumn& c) { c.button = button != 0; });
}

void CCellwork::SetColType(long col, long kind)
{
    changeColumn(this, col, [&](CellworkColumn& c) { c.kind = (int)kind; });
}

long CCellwork::GetColType(long col) const
{
    return readColumn(this, col, 0L, [](const CellworkColumn& c) { return (long)c.kind; });
}

void CCellwork::SetColEditable(long col, long editable)
{
    changeColumn(this, col, [&](CellworkColumn& c) { c.editable = editable != 0; });
}

void CCellwork::SetColLocked(long col, long locked)
{
    changeColumn(this, col, [&](CellworkColumn& c) { c.locked = locked != 0; });
}

long CCellwork::GetColLocked(long col) const
{
    return readColumn(this, col, 0L, [](const CellworkColumn& c) { return c.locked ? 1L : 0L; });
}

void CCellwork::SetColHidden(long col, long hidden)
{
    changeColumn(this, col, [&](CellworkColumn& c) { c.hidden = hidden != 0; }, true);
}

long CCellwork::GetColHidden(long col) const
{
    return readColumn(this, col, 0L, [](const CellworkColumn& c) { return c.hidden ? 1L : 0L; });
}

void CCellwork::SetColNoFocus(long col, long noFocus)
{
    changeColumn(this, col, [&](CellworkColumn& c) { c.noFocus = noFocus != 0; });
}

void CCellwork::SetColList(long col, LPCTSTR entries)
{
    const QString text = AfxQ(entries);
    changeColumn(this, col, [&](CellworkColumn& c) {
        c.items = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    });
}

void CCellwork::SetColumnSpan(long col, long row, long span)
{
    CellworkView* v = View();
    if (!v || !v->cells()->validCell((int)col, (int)row))
        return;
    const int columns = (int)std::clamp(span, 1L, (long)v->cells()->cols() - col);
    if (columns > 1 || v->columnSpan((int)row, (int)col) > 1)
        v->setSpan((int)row, (int)col, 1, columns);
}

void CCellwork::SetCellEditable(long col, long row, long editable)
{
    changeCell(this, col, row, [&](CellAttr& a) { a.editable = editable != 0 ? 1 : 0; });
}

void CCellwork::SetCellAlign(long col, long row, long align)
{
    changeCell(this, col, row, [&](CellAttr& a) { a.align = (signed char)align; });
}

void CCellwork::SetCellFontBold(long col, long row, long bold)
{
    changeCell(this, col, row, [&](CellAttr& a) { a.bold = bold != 0; });
}

void CCellwork::SetCellFgClr(long col, long row, COLORREF color)
{
    changeCell(this, col, row, [&](CellAttr& a) { a.fg = color; });
}

COLORREF CCellwork::GetCellFgClr(long col, long row) const
{
    CellworkView* v = View();
    if (!v)
        return 0;
    const COLORREF c = v->cells()->cellAttr((int)col, (int)row).fg;
    return c == gridbase::kNoColor ? GetRowFgClr(row) : c;
}

void CCellwork::SetCellBkClr(long col, long row, COLORREF color)
{
    changeCell(this, col, row, [&](CellAttr& a) { a.bk = color; });
}

void CCellwork::SetRowFgClr(long row, COLORREF color)
{
    changeRow(this, row, [&](CellworkRow& r) { r.fg = color; });
}

COLORREF CCellwork::GetRowFgClr(long row) const
{
    CellworkView* v = View();
    if (!v || !v->cells()->validRow((int)row) || v->cells()->row((int)row).fg == gridbase::kNoColor)
        return 0;
    return v->cells()->row((int)row).fg;
}

void CCellwork::SetRowIcon(long row, HBITMAP bitmap)
{
    const QPixmap picture = bitmap ? AfxQPixmap(bitmap) : QPixmap();
    changeRow(this, row, [&](CellworkRow& r) { r.icon = picture; });
}

void CCellwork::SetVHeaderWidth(long width)
{
    if (CellworkView* v = View())
        v->rowHeader()->setWidth((int)width);
}

void CCellwork::SetRowHeight(long height)
{
    if (CellworkView* v = View())
        v->setRowHeight((int)height);
}

void CCellwork::SetShowFullRow(long fullRow)
{
    if (CellworkView* v = View())
        v->setFullRow(fullRow != 0);
}

void CCellwork::SetReportType(long type)
{
    if (CellworkView* v = View())
        v->setReport(type == 4);
}

void CCellwork::SetHScrollBar(long show)
{
    if (CellworkView* v = View())
        v->setHScroll(show != 0);
}

void CCellwork::KeepRatio()
{
    if (CellworkView* v = View())
        v->setKeepRatio(true);
}

void KeepRatio(CCellwork& grid) { grid.KeepRatio(); }

void KeepRatio(CCellwork* grid)
{
    if (grid)
        grid->KeepRatio();
}
