// The rows of a Rowsheet grid: the records of its recordset, read through a
// clone of it as they come into view, so a list over a year of postings reads
// only the screen it shows. Columns are bound to fields by name (or by their
// number when no name is given); texts are the fields' usual text forms.
#pragma once
#include "afx.h"
#include "ado.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <vector>

namespace gridbase {

struct RowsheetColumn {
    QString field;
    QString caption;
    int width = 64;
    int align = 0;
    bool hidden = false;
};

class RowsheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RowsheetModel(QObject* parent = nullptr);

    // Shows the records of rs (null: none). Row colours are forgotten.
    void setRecordset(const _RecordsetPtr& rs);
    const _RecordsetPtr& recordset() const { return m_rs; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setColumnCount(int n);
    const RowsheetColumn& column(int col) const { return m_cols[static_cast<std::size_t>(col)]; }
    template <class F> void changeColumn(int col, F&& change)
    {
        change(m_cols[static_cast<std::size_t>(col)]);
        bind();
        emit headerDataChanged(Qt::Horizontal, col, col);
        if (rowCount() > 0)
            emit dataChanged(index(0, col), index(rowCount() - 1, col));
    }

    // The recordset's records moved by `shift` places (a keyed list took its
    // count): the colours move with them and the count is read again.
    void renumber(long shift);

    // A record could not be read since the recordset was set: the list is not
    // whole. Such a record shows kUnreadRow in its first column, never blanks
    // that read as empty data, and the failure is reported once.
    bool incomplete() const { return m_incomplete; }
    static const QString kUnreadRow;

    // Text colour of a record (counted from 0); 0 (black) until one is set.
    COLORREF recordColor(int record) const;
    void setRecordColor(int record, COLORREF color);

private:
    void bind();
    // The texts of a record's bound columns (the last one read is kept).
    const QStringList& texts(int record) const;

    std::vector<RowsheetColumn> m_cols;
    _RecordsetPtr m_rs;
    _RecordsetPtr m_reader;
    int m_records = 0;
    std::vector<int> m_fieldOf;  // column -> field number, -1 when none
    QHash<int, COLORREF> m_colors;
    mutable int m_cachedRecord = -1;
    mutable QStringList m_cached;
    mutable bool m_incomplete = false;
};

} // namespace gridbase
