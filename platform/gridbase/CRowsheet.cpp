#include "CRowsheet.h"

#include "DbSettings.h"
#include "RowsheetModel.h"
#include "RowsheetView.h"

IMPLEMENT_DYNAMIC(CRowsheet, CWnd)

using gridbase::RowsheetColumn;
using gridbase::RowsheetView;

namespace {

template <class F>
void changeColumn(const CRowsheet* grid, long col, F&& change)
{
    RowsheetView* v = grid->View();
    if (!v || col < 0 || col >= v->records()->columnCount())
        return;
    v->records()->changeColumn((int)col, change);
    v->applyWidths();
}

} // namespace

BOOL CRowsheet::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("Rowsheet", nullptr, dwStyle, rect, pParentWnd, nID);
}

RowsheetView* CRowsheet::View() const
{
    return qobject_cast<RowsheetView*>(GetQWidget());
}

void CRowsheet::Connect(LPCTSTR odbcDriver, LPCTSTR server, LPCTSTR database, LPCTSTR sql, LPCTSTR user,
                        LPCTSTR password)
{
    RowsheetView* v = View();
    if (!v)
        return;
    const long driverId = DriverIdOfODBCName(odbcDriver);
    const CString connection = BuildConnectionString(driverId, server, database, user, password);
    if (connection.IsEmpty())
        throw _com_error(adErrProviderNotFound,
                         QStringLiteral("Драйвер ODBC «%1» не поддерживается").arg(AfxQ(odbcDriver)));
    v->connectTo(connection.ToQString(), AfxQ(sql));
}

void CRowsheet::SetOrderKey(LPCTSTR columns)
{
    QStringList key;
    for (const QString& column : AfxQ(columns).split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!column.trimmed().isEmpty())
            key << column.trimmed();
    if (RowsheetView* v = View())
        v->setOrderKey(key);
}

void CRowsheet::SetCountTable(LPCTSTR table)
{
    if (RowsheetView* v = View())
        v->setCountTable(AfxQ(table));
}

void CRowsheet::CountRecords()
{
    if (RowsheetView* v = View())
        v->adoptCount(true);
}

_RecordsetPtr CRowsheet::GetRecordSet() const
{
    RowsheetView* v = View();
    return v ? v->records()->recordset() : _RecordsetPtr();
}

_variant_t CRowsheet::GetRowBookMark(long row) const
{
    RowsheetView* v = View();
    const long record = v ? v->top() + row : -1;
    if (!v || record < 0 || record >= v->records()->rowCount())
        return _variant_t();
    return _variant_t(record + 1);
}

long CRowsheet::GetNRows() const
{
    RowsheetView* v = View();
    return v ? v->pageRows() : 0;
}

void CRowsheet::SetNRows(long) {}

long CRowsheet::GetCurRow() const
{
    RowsheetView* v = View();
    return v ? v->curRow() : -1;
}

long CRowsheet::GetCurCol() const
{
    RowsheetView* v = View();
    return v && v->currentIndex().isValid() ? v->currentIndex().column() : -1;
}

void CRowsheet::SetCurRow(long row)
{
    const long col = GetCurCol();
    SetCurCell(col >= 0 ? col : 0, row);
}

void CRowsheet::SetCurCell(long col, long row)
{
    if (RowsheetView* v = View())
        v->setCurCell((int)col, (int)row);
}

void CRowsheet::SetFocus0()
{
    if (RowsheetView* v = View())
        v->focusGrid();
}

COLORREF CRowsheet::GetRowFgClr(long row) const
{
    RowsheetView* v = View();
    return v ? v->records()->recordColor(v->top() + (int)row) : 0;
}

void CRowsheet::SetRowFgClr(long row, COLORREF color)
{
    if (RowsheetView* v = View())
        v->records()->setRecordColor(v->top() + (int)row, color);
}

long CRowsheet::GetNCols() const
{
    RowsheetView* v = View();
    return v ? v->records()->columnCount() : 0;
}

void CRowsheet::SetNCols(long cols)
{
    if (RowsheetView* v = View()) {
        v->records()->setColumnCount((int)cols);
        v->applyWidths();
    }
}

void CRowsheet::SetColField(long col, LPCTSTR field)
{
    const QString name = AfxQ(field);
    changeColumn(this, col, [&](RowsheetColumn& c) { c.field = name; });
}

void CRowsheet::SetColCaption(long col, LPCTSTR caption)
{
    const QString text = AfxQ(caption);
    changeColumn(this, col, [&](RowsheetColumn& c) { c.caption = text; });
}

void CRowsheet::SetColWidth(long col, long width)
{
    changeColumn(this, col, [&](RowsheetColumn& c) { c.width = std::max(1L, width); });
}

long CRowsheet::GetColWidth(long col) const
{
    RowsheetView* v = View();
    return v && col >= 0 && col < v->records()->columnCount() ? v->records()->column((int)col).width : 0;
}

void CRowsheet::SetColAlign(long col, long align)
{
    changeColumn(this, col, [&](RowsheetColumn& c) { c.align = (int)align; });
}

void CRowsheet::SetColHidden(long col, long hidden)
{
    changeColumn(this, col, [&](RowsheetColumn& c) { c.hidden = hidden != 0; });
}

void CRowsheet::KeepRatio()
{
    if (RowsheetView* v = View())
        v->setKeepRatio(true);
}

void CRowsheet::SetBShowFullRow(long fullRow)
{
    if (RowsheetView* v = View())
        v->setSelectionBehavior(fullRow ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void CRowsheet::SetRowHeight(long height)
{
    if (RowsheetView* v = View())
        v->setRowHeight((int)height);
}

void CRowsheet::SetAllowAddNew(long) {}

void CRowsheet::SetUpdatable(long) {}

void CRowsheet::SetConnectionType(long) {}

void KeepRatio(CRowsheet& grid) { grid.KeepRatio(); }

void KeepRatio(CRowsheet* grid)
{
    if (grid)
        grid->KeepRatio();
}
