#include "RowsheetModel.h"

#include "GridSql.h"
#include "gdi/AfxGdi.h"
#include "ndbcore.h"

#include <QtDebug>

namespace gridbase {

const QString RowsheetModel::kUnreadRow = QStringLiteral("<строка не прочитана>");

RowsheetModel::RowsheetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RowsheetModel::setRecordset(const _RecordsetPtr& rs)
{
    beginResetModel();
    m_rs = rs;
    m_reader = nullptr;
    m_records = 0;
    m_colors.clear();
    m_cachedRecord = -1;
    m_incomplete = false;
    if (m_rs && m_rs->GetState() == adStateOpen) {
        m_reader = m_rs->Clone();
        m_records = static_cast<int>(m_rs->GetRecordCount());
    }
    bind();
    endResetModel();
}

void RowsheetModel::renumber(long shift)
{
    beginResetModel();
    m_records = m_rs && m_rs->GetState() == adStateOpen ? static_cast<int>(m_rs->GetRecordCount()) : 0;
    QHash<int, COLORREF> moved;
    for (auto it = m_colors.constBegin(); it != m_colors.constEnd(); ++it)
        if (it.key() + shift >= 0 && it.key() + shift < m_records)
            moved.insert(it.key() + static_cast<int>(shift), it.value());
    m_colors.swap(moved);
    m_cachedRecord = -1;
    endResetModel();
}

void RowsheetModel::bind()
{
    m_fieldOf.assign(m_cols.size(), -1);
    m_cachedRecord = -1;
    if (!m_reader)
        return;
    FieldsPtr fields = m_reader->GetFields();
    const long count = fields->GetCount();
    for (std::size_t c = 0; c < m_cols.size(); ++c) {
        const QString& name = m_cols[c].field;
        if (name.isEmpty()) {
            m_fieldOf[c] = static_cast<long>(c) < count ? static_cast<int>(c) : -1;
            continue;
        }
        for (long f = 0; f < count; ++f) {
            // The name alone: the field's arrow would read the current record too.
            if (fields->GetItem(f).GetInterfacePtr()->GetName().qstring().compare(name, Qt::CaseInsensitive) == 0) {
                m_fieldOf[c] = static_cast<int>(f);
                break;
            }
        }
    }
}

int RowsheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_records; }

int RowsheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_cols.size());
}

void RowsheetModel::setColumnCount(int n)
{
    n = std::max(0, n);
    beginResetModel();
    m_cols.resize(static_cast<std::size_t>(n));
    bind();
    endResetModel();
}

const QStringList& RowsheetModel::texts(int record) const
{
    if (record == m_cachedRecord)
        return m_cached;
    m_cached.clear();
    m_cachedRecord = record;
    try {
        m_reader->PutAbsolutePosition(record + 1);
        for (int field : m_fieldOf)
            m_cached << (field < 0 ? QString() : SafeArayToString(m_reader->GetCollect(static_cast<long>(field))).ToQString());
    } catch (const _com_error& e) {
        // A list being drawn cannot stop for a message: the row is marked as
        // unread, and the failure is shown once, after the drawing.
        if (!m_incomplete) {
            const DbErrorReport report = MakeDbErrorReport(e, "Список показан не полностью: не все строки прочитаны");
            QMetaObject::invokeMethod(const_cast<RowsheetModel*>(this), [report] { ReportDBError(report); },
                                      Qt::QueuedConnection);
        }
        m_incomplete = true;
        m_cached.clear();
        m_cached << kUnreadRow;
        while (m_cached.size() < static_cast<qsizetype>(m_fieldOf.size()))
            m_cached << QString();
    }
    return m_cached;
}

QVariant RowsheetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_records || index.column() >= columnCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return texts(index.row()).value(index.column());
    case Qt::TextAlignmentRole: {
        const int align = column(index.column()).align;
        return QVariant::fromValue(
            (align == 2 ? Qt::AlignRight : (align == 1 ? Qt::AlignHCenter : Qt::AlignLeft)) | Qt::AlignVCenter);
    }
    case Qt::ForegroundRole: {
        const auto it = m_colors.constFind(index.row());
        return it == m_colors.constEnd() ? QVariant() : QVariant(AfxQColor(*it));
    }
    default:
        return QVariant();
    }
}

QVariant RowsheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return column(section).caption;
    return QVariant();
}

COLORREF RowsheetModel::recordColor(int record) const
{
    return m_colors.value(record, 0);
}

void RowsheetModel::setRecordColor(int record, COLORREF color)
{
    if (record < 0 || record >= m_records)
        return;
    m_colors.insert(record, color);
    if (columnCount() > 0)
        emit dataChanged(index(record, 0), index(record, columnCount() - 1), { Qt::ForegroundRole });
}

} // namespace gridbase
