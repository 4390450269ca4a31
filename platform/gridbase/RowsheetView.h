// The window of a Rowsheet grid: a read-only table view over the records of
// its own recordset, opened on its own connection (CRowsheet.h describes the
// rows it counts and the events it raises). The grid keeps its recordset on
// the current record, so a form reads the record the user stands on.
#pragma once
#include "afx.h"
#include "ado.h"

#include <QStringList>
#include <QTableView>
#include <vector>

namespace gridbase {

class RowsheetModel;

// Event 12: the record shown in a visible row changed (the row, from 0).
constexpr long kEventRowValueChanged = 12;

class RowsheetView : public QTableView {
    Q_OBJECT
public:
    explicit RowsheetView(QWidget* parent);

    RowsheetModel* records() const { return m_model; }
    // Runs the query on the grid's connection (opened again when its text
    // changed or it was lost) and shows it, keeping the first visible record;
    // a list read by its key opens on its last screen.
    void connectTo(const QString& connectionText, const QString& sql);
    // The columns the queries are ordered by ("" for none): a query that ends
    // with "order by" them is read a page at a time by its key.
    void setOrderKey(const QStringList& key) { m_key = key; }
    // The table whose rows the records are ("" when the query's joins decide).
    void setCountTable(const QString& table) { m_countTable = table; }
    // Takes the count of a keyed list once it is there (waiting for it with
    // `wait`): the records shown stay where they are.
    void adoptCount(bool wait);

    int top() const;
    int pageRows() const;
    int curRow() const;
    void setCurCell(int col, int row);
    void focusGrid();

    void applyWidths();
    void setKeepRatio(bool on);
    void setRowHeight(int height);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool viewportEvent(QEvent* event) override;

private:
    bool fire(long id, const AfxEventArgs& args);
    _RecordsetPtr openRecordset(const QString& connectionText, const QString& sql);
    // A recordset the program moved since the grid last did names the record of the first row.
    void adoptProgramPosition();
    void announceRows();
    // Scrolls so that the record (from 0) is in the first visible row, as far as the list allows.
    void showFrom(int record);

    RowsheetModel* m_model;
    _ConnectionPtr m_connection;
    QString m_connectionText;
    long m_synced = 0;              // the position the grid last gave its recordset
    std::vector<int> m_announced;   // per visible row, the record event 12 was raised for
    bool m_keepRatio = false;
    bool m_connecting = false;
    QStringList m_key;
    QString m_countTable;
    QString m_lastSql;              // the last query shown, and its count
    long m_lastCount = 0;
};

} // namespace gridbase
