#include "RowsheetView.h"

#include "GridColumnWidths.h"
#include "RowsheetModel.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>

namespace gridbase {

RowsheetView::RowsheetView(QWidget* parent) : QTableView(parent), m_model(new RowsheetModel(this))
{
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setVerticalScrollMode(ScrollPerItem);
    setCornerButtonEnabled(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(16);
    verticalHeader()->setFixedWidth(12);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { announceRows(); });
}

bool RowsheetView::fire(long id, const AfxEventArgs& args)
{
    CWnd* wnd = CWnd::FromQWidget(this);
    return wnd ? AfxFireEvent(wnd, id, args) : FALSE;
}

_RecordsetPtr RowsheetView::openRecordset(const QString& connectionText, const QString& sql)
{
    const bool reused = m_connection && m_connectionText == connectionText && m_connection->GetState() == adStateOpen;
    if (!reused) {
        m_connection = nullptr;
        _ConnectionPtr connection;
        connection.CreateInstance(__uuidof(Connection));
        connection->Open(_bstr_t(connectionText), _bstr_t(""), _bstr_t(""), adConnectUnspecified);
        m_connection = connection;
        m_connectionText = connectionText;
    }
    _RecordsetPtr rs;
    rs.CreateInstance(__uuidof(Recordset));
    rs->PutCursorLocation(adUseClient);
    try {
        // Three screens a page: scrolling a screen either way reads nothing.
        const long hint = sql == m_lastSql ? m_lastCount : 0;
        if (m_key.isEmpty()
            || !rs->OpenKeyed(sql, m_connection.GetInterfacePtr(), m_key, std::max(64, 3 * pageRows()), hint,
                            m_countTable))
            rs->Open(_variant_t(sql), m_connection.GetInterfacePtr(), adOpenStatic, adLockReadOnly, adCmdText);
    } catch (const _com_error&) {
        // A kept connection may have been lost since the last refresh: one more try on a new one.
        if (!reused)
            throw;
        m_connection = nullptr;
        return openRecordset(connectionText, sql);
    }
    return rs;
}

void RowsheetView::connectTo(const QString& connectionText, const QString& sql)
{
    int keepTop = top();
    _RecordsetPtr rs = openRecordset(connectionText, sql);
    m_connecting = true;
    m_model->setRecordset(rs);
    if (!rs->IsCounted()) {
        // Before the count the rows read are those at the end.
        keepTop = std::max(0, m_model->rowCount() - pageRows());
        QPointer<RowsheetView> self(this);
        rs->OnCounted([self] {
            QMetaObject::invokeMethod(qApp, [self] {
                if (self)
                    self->adoptCount(false);
            }, Qt::QueuedConnection);
        });
    }
    showFrom(keepTop);
    m_connecting = false;
    m_synced = rs->GetState() == adStateOpen ? rs->GetAbsolutePosition() : 0;
    m_lastSql = sql;
    m_lastCount = rs->GetState() == adStateOpen && rs->IsCounted() ? rs->GetRecordCount() : 0;
    m_announced.clear();
    applyWidths();
    announceRows();
}

void RowsheetView::adoptCount(bool wait)
{
    const _RecordsetPtr rs = m_model->recordset();
    if (!rs || rs->GetState() != adStateOpen)
        return;
    const long shift = rs->TakeShift(wait);
    if (rs->IsCounted())
        m_lastCount = rs->GetRecordCount();
    if (shift == 0 && rs->GetRecordCount() == m_model->rowCount())
        return;
    const int first = top();
    const QModelIndex current = currentIndex();
    m_connecting = true;
    m_model->renumber(shift);
    showFrom(std::max(0, first + (int)shift));
    if (current.isValid() && m_model->rowCount() > 0)
        setCurrentIndex(m_model->index(std::clamp(current.row() + (int)shift, 0, m_model->rowCount() - 1),
                                       current.column()));
    showFrom(std::max(0, first + (int)shift));
    m_connecting = false;
    m_announced.clear();
    announceRows();
}

int RowsheetView::top() const
{
    return m_model->rowCount() > 0 ? verticalScrollBar()->value() : 0;
}

int RowsheetView::pageRows() const
{
    return std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()));
}

int RowsheetView::curRow() const
{
    return currentIndex().isValid() ? currentIndex().row() - top() : -1;
}

void RowsheetView::showFrom(int record)
{
    // The scroll range follows a new recordset only once the layout has run.
    updateGeometries();
    verticalScrollBar()->setValue(record);
}

void RowsheetView::adoptProgramPosition()
{
    const _RecordsetPtr& rs = m_model->recordset();
    if (!rs || rs->GetState() != adStateOpen)
        return;
    const long position = rs->GetAbsolutePosition();
    if (position >= 1 && position != m_synced) {
        showFrom(position - 1);
        m_synced = position;
    }
}

void RowsheetView::setCurCell(int col, int row)
{
    adoptProgramPosition();
    const int first = top();
    const int record = first + row;
    if (record < 0 || record >= m_model->rowCount() || col < 0 || col >= m_model->columnCount())
        return;
    setCurrentIndex(m_model->index(record, col));
    // The record goes to the visible row it was named by.
    showFrom(first);
}

void RowsheetView::focusGrid()
{
    setFocus(Qt::OtherFocusReason);
}

void RowsheetView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    const _RecordsetPtr& rs = m_model->recordset();
    if (!current.isValid() || !rs || rs->GetState() != adStateOpen)
        return;
    rs->PutAbsolutePosition(current.row() + 1);
    m_synced = current.row() + 1;
}

void RowsheetView::announceRows()
{
    if (m_connecting)
        return;
    const int first = top();
    const int rows = pageRows();
    m_announced.resize(static_cast<std::size_t>(rows), -1);
    QPointer<RowsheetView> self(this);
    for (int r = 0; r < rows && self; ++r) {
        const int record = first + r < m_model->rowCount() ? first + r : -1;
        if (m_announced[static_cast<std::size_t>(r)] == record)
            continue;
        m_announced[static_cast<std::size_t>(r)] = record;
        if (record >= 0)
            fire(kEventRowValueChanged, { AfxEventArg((short)r) });
    }
}

void RowsheetView::keyPressEvent(QKeyEvent* event)
{
    short key = (short)AfxVirtualKeyOf(event);
    const short shift = (event->modifiers() & Qt::ShiftModifier ? 1 : 0)
        | (event->modifiers() & Qt::ControlModifier ? 2 : 0) | (event->modifiers() & Qt::AltModifier ? 4 : 0);
    QPointer<RowsheetView> self(this);
    fire(DISPID_KEYDOWN, { AfxEventArg(&key), AfxEventArg(shift) });
    // A handler that clears the key code has taken the key; Enter is the form's.
    if (!self || key == 0 || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QTableView::keyPressEvent(event);
}

void RowsheetView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!at.isValid())
        return;
    if (at != currentIndex())
        setCurrentIndex(at);
    fire(DISPID_DBLCLICK, {});
}

bool RowsheetView::viewportEvent(QEvent* event)
{
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Paint) {
        // Paging may have found rows another user added or removed.
        const _RecordsetPtr& rs = m_model->recordset();
        if (rs && rs->GetState() == adStateOpen && rs->GetRecordCount() != m_model->rowCount())
            QMetaObject::invokeMethod(this, [this] { adoptCount(false); }, Qt::QueuedConnection);
    }
    if (event->type() == QEvent::Resize) {
        if (m_keepRatio)
            applyWidths();
        announceRows();
    }
    return handled;
}

void RowsheetView::applyWidths()
{
    std::vector<int> widths;
    std::vector<bool> hidden;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        widths.push_back(m_model->column(c).width);
        hidden.push_back(m_model->column(c).hidden);
    }
    ApplyColumnWidths(this, widths, hidden, m_keepRatio);
}

void RowsheetView::setKeepRatio(bool on)
{
    m_keepRatio = on;
    applyWidths();
}

void RowsheetView::setRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(std::min(8, height));
    verticalHeader()->setDefaultSectionSize(std::max(1, height));
    announceRows();
}

} // namespace gridbase
