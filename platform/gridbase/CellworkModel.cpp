#include "CellworkModel.h"

#include "gdi/AfxGdi.h"

#include <QColor>

namespace gridbase {

namespace {

Qt::Alignment qtAlign(int align)
{
    const Qt::Alignment h = align == AlignRight ? Qt::AlignRight : (align == AlignCenter ? Qt::AlignHCenter : Qt::AlignLeft);
    return h | Qt::AlignVCenter;
}

const QColor kLockedBackground(240, 240, 240);

} // namespace

CellworkModel::CellworkModel(QObject* parent) : QAbstractTableModel(parent) {}

int CellworkModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows(); }

int CellworkModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols(); }

bool CellworkModel::validCell(int col, int row) const { return validCol(col) && validRow(row); }

QString CellworkModel::text(int col, int row) const
{
    if (!validCell(col, row))
        return QString();
    const std::vector<QString>& cells = m_rows[static_cast<std::size_t>(row)].cells;
    return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)] : QString();
}

void CellworkModel::setText(int col, int row, const QString& text)
{
    if (!validCell(col, row))
        return;
    std::vector<QString>& cells = m_rows[static_cast<std::size_t>(row)].cells;
    if (static_cast<std::size_t>(col) >= cells.size()) {
        if (text.isEmpty())
            return;
        cells.resize(static_cast<std::size_t>(cols()));
    }
    cells[static_cast<std::size_t>(col)] = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i);
}

CellAttr CellworkModel::cellAttr(int col, int row) const
{
    if (!validCell(col, row))
        return CellAttr();
    const std::vector<CellAttr>& attrs = m_rows[static_cast<std::size_t>(row)].attrs;
    return static_cast<std::size_t>(col) < attrs.size() ? attrs[static_cast<std::size_t>(col)] : CellAttr();
}

CellAttr& CellworkModel::attrOf(int col, int row)
{
    std::vector<CellAttr>& attrs = m_rows[static_cast<std::size_t>(row)].attrs;
    if (static_cast<std::size_t>(col) >= attrs.size())
        attrs.resize(static_cast<std::size_t>(cols()));
    return attrs[static_cast<std::size_t>(col)];
}

bool CellworkModel::editable(int col, int row) const
{
    if (m_readOnly || !validCell(col, row))
        return false;
    const CellworkColumn& c = column(col);
    if (c.locked || c.hidden)
        return false;
    const CellAttr a = cellAttr(col, row);
    return a.editable >= 0 ? a.editable != 0 : c.editable;
}

void CellworkModel::setReadOnly(bool on)
{
    m_readOnly = on;
    if (rows() > 0 && cols() > 0)
        emit dataChanged(index(0, 0), index(rows() - 1, cols() - 1));
}

QVariant CellworkModel::data(const QModelIndex& index, int role) const
{
    const int col = index.column(), r = index.row();
    if (!validCell(col, r))
        return QVariant();
    const CellworkColumn& c = column(col);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(col, r);
    case Qt::TextAlignmentRole: {
        const CellAttr a = cellAttr(col, r);
        return QVariant::fromValue(qtAlign(a.align >= 0 ? a.align : c.align));
    }
    case Qt::ForegroundRole: {
        const COLORREF fg = cellAttr(col, r).fg != kNoColor ? cellAttr(col, r).fg : row(r).fg;
        return fg == kNoColor ? QVariant() : QVariant(AfxQColor(fg));
    }
    case Qt::BackgroundRole: {
        const COLORREF bk = cellAttr(col, r).bk;
        if (bk != kNoColor)
            return AfxQColor(bk);
        return c.locked ? QVariant(kLockedBackground) : QVariant();
    }
    case Qt::FontRole:
        return cellAttr(col, r).bold ? QVariant(m_bold) : QVariant();
    case ButtonRole:
        // A cell locked for its row (it cannot take a value) offers no
        // chooser; a read-only column may still be filled by its chooser.
        return c.button && !m_readOnly && !c.locked && cellAttr(col, r).editable != 0;
    case KindRole:
        return c.kind;
    default:
        return QVariant();
    }
}

QVariant CellworkModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && validCol(section)) {
        if (role == Qt::DisplayRole)
            return column(section).caption;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return QVariant();
}

Qt::ItemFlags CellworkModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable(index.column(), index.row()))
        f |= Qt::ItemIsEditable;
    return f;
}

void CellworkModel::setRowCount(int n)
{
    n = std::max(0, n);
    if (n > rows()) {
        beginInsertRows(QModelIndex(), rows(), n - 1);
        m_rows.resize(static_cast<std::size_t>(n));
        endInsertRows();
    } else if (n < rows()) {
        beginRemoveRows(QModelIndex(), n, rows() - 1);
        m_rows.resize(static_cast<std::size_t>(n));
        endRemoveRows();
    }
}

void CellworkModel::replaceRows(std::vector<CellworkRow> rows)
{
    setRowCount(0);
    for (CellworkRow& r : rows) {
        if (r.cells.size() > static_cast<std::size_t>(cols()))
            r.cells.resize(static_cast<std::size_t>(cols()));
    }
    if (rows.empty())
        return;
    beginInsertRows(QModelIndex(), 0, static_cast<int>(rows.size()) - 1);
    m_rows = std::move(rows);
    endInsertRows();
}

void CellworkModel::setColCount(int n)
{
    n = std::max(0, n);
    if (n > cols()) {
        beginInsertColumns(QModelIndex(), cols(), n - 1);
        m_cols.resize(static_cast<std::size_t>(n));
        endInsertColumns();
    } else if (n < cols()) {
        beginRemoveColumns(QModelIndex(), n, cols() - 1);
        m_cols.resize(static_cast<std::size_t>(n));
        for (CellworkRow& r : m_rows) {
            if (r.cells.size() > static_cast<std::size_t>(n))
                r.cells.resize(static_cast<std::size_t>(n));
            if (r.attrs.size() > static_cast<std::size_t>(n))
                r.attrs.resize(static_cast<std::size_t>(n));
        }
        endRemoveColumns();
    }
}

void CellworkModel::insertRowAt(int row)
{
    row = std::clamp(row, 0, rows());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(m_rows.begin() + row, CellworkRow());
    endInsertRows();
}

void CellworkModel::removeRowAt(int row)
{
    if (!validRow(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void CellworkModel::moveRow(int from, int to)
{
    if (!validRow(from) || !validRow(to) || from == to)
        return;
    // Qt counts the destination before the move: a row moved down goes before to + 1.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    CellworkRow moved = std::move(m_rows[static_cast<std::size_t>(from)]);
    m_rows.erase(m_rows.begin() + from);
    m_rows.insert(m_rows.begin() + to, std::move(moved));
    endMoveRows();
}

void CellworkModel::clearContent()
{
    for (CellworkRow& r : m_rows)
        r = CellworkRow();
    if (rows() == 0)
        return;
    emit headerDataChanged(Qt::Vertical, 0, rows() - 1);
    if (cols() > 0)
        emit dataChanged(index(0, 0), index(rows() - 1, cols() - 1));
}

void CellworkModel::columnChanged(int col)
{
    emit headerDataChanged(Qt::Horizontal, col, col);
    if (rows() > 0)
        emit dataChanged(index(0, col), index(rows() - 1, col));
}

void CellworkModel::rowChanged(int r)
{
    emit headerDataChanged(Qt::Vertical, r, r);
    if (cols() > 0)
        emit dataChanged(index(r, 0), index(r, cols() - 1));
}

} // namespace gridbase
