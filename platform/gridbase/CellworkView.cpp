#include "CellworkView.h"

#include "CellInput.h"
#include "CellworkColumnHeader.h"
#include "CellworkDelegate.h"
#include "CellworkModel.h"
#include "CellworkRowHeader.h"
#include "GridColumnWidths.h"

#include <QEvent>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>

namespace gridbase {

namespace {

// Moves of the current cell that a change of the rows makes raise no event.
class QuietCurrent {
public:
    explicit QuietCurrent(int& depth) : m_depth(depth) { ++m_depth; }
    ~QuietCurrent() { --m_depth; }

private:
    int& m_depth;
};

} // namespace

CellworkView::CellworkView(QWidget* parent)
    : QTableView(parent), m_model(new CellworkModel(this)), m_delegate(new CellworkDelegate(this)),
      m_rowHeader(new CellworkRowHeader(this))
{
    setVerticalHeader(m_rowHeader);
    setHorizontalHeader(new CellworkColumnHeader(this));
    setModel(m_model);
    setItemDelegate(m_delegate);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(true);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    m_rowHeader->setDefaultSectionSize(19);
    m_rowHeader->setMinimumSectionSize(8);
    m_model->setBoldFont(font());
}

bool CellworkView::fire(long id, const AfxEventArgs& args)
{
    CWnd* wnd = CWnd::FromQWidget(this);
    return wnd ? AfxFireEvent(wnd, id, args) : FALSE;
}

void CellworkView::setCellText(int col, int row, const QString& text, bool events)
{
    if (!m_model->validCell(col, row))
        return;
    const QString kept = CleanCellText(text);
    if (m_model->text(col, row) == kept)
        return;
    m_model->setText(col, row, kept);
    const std::pair<int, int> cell(col, row);
    if (!events || std::find(m_inCellChanged.begin(), m_inCellChanged.end(), cell) != m_inCellChanged.end())
        return;
    m_inCellChanged.push_back(cell);
    CString answer(kept);
    QPointer<CellworkView> self(this);
    fire(EventCellChanged, { AfxEventArg((short)col), AfxEventArg((short)row), AfxEventArg(&answer) });
    if (!self)
        return;
    m_inCellChanged.erase(std::find(m_inCellChanged.begin(), m_inCellChanged.end(), cell));
    // The handler may hand back another text for the cell.
    if (answer.ToQString() != kept)
        m_model->setText(col, row, CleanCellText(answer.ToQString()));
}

void CellworkView::setRowCount(int n)
{
    if (n == m_model->rows())
        return;
    if (editing() && m_editIndex.isValid() && m_editIndex.row() >= n)
        closeEditorQuietly();
    QuietCurrent quiet(m_quietCurrent);
    m_model->setRowCount(n);
}

void CellworkView::setRows(std::vector<CellworkRow> rows)
{
    if (editing())
        closeEditorQuietly();
    for (CellworkRow& r : rows) {
        for (QString& text : r.cells)
            text = CleanCellText(text);
    }
    QuietCurrent quiet(m_quietCurrent);
    m_model->replaceRows(std::move(rows));
}

void CellworkView::setColCount(int n)
{
    if (editing())
        closeEditorQuietly();
    QuietCurrent quiet(m_quietCurrent);
    m_model->setColCount(n);
    applyWidths();
}

void CellworkView::insertRow(int row)
{
    if (editing())
        closeEditorQuietly();
    QuietCurrent quiet(m_quietCurrent);
    m_model->insertRowAt(row);
}

void CellworkView::removeRow(int row)
{
    if (!m_model->validRow(row))
        return;
    if (editing())
        closeEditorQuietly();
    QuietCurrent quiet(m_quietCurrent);
    m_model->removeRowAt(row);
}

void CellworkView::moveRow(int from, int to)
{
    if (editing())
        closeEditorQuietly();
    QuietCurrent quiet(m_quietCurrent);
    m_model->moveRow(from, to);
}

void CellworkView::clearGrid()
{
    if (editing())
        closeEditorQuietly();
    m_model->clearContent();
}

void CellworkView::setCurCell(int col, int row)
{
    if (!m_model->validCell(col, row))
        return;
    const QModelIndex target = m_model->index(row, col);
    if (target != currentIndex())
        setCurrentIndex(target);
    scrollTo(target);
}

int CellworkView::focusableNear(int col) const
{
    for (int c = std::max(0, col); c < m_model->cols(); ++c) {
        if (focusable(c))
            return c;
    }
    for (int c = std::min(col, m_model->cols()) - 1; c >= 0; --c) {
        if (focusable(c))
            return c;
    }
    return -1;
}

void CellworkView::showFirstUnlocked()
{
    int row = currentIndex().isValid() ? currentIndex().row() : 0;
    if (!m_model->validRow(row))
        return;
    for (int c = 0; c < m_model->cols(); ++c) {
        if (takesInput(c)) {
            setCurCell(c, row);
            return;
        }
    }
}

void CellworkView::focusGrid()
{
    setFocus(Qt::OtherFocusReason);
    if (!currentIndex().isValid() && m_model->rows() > 0) {
        const int col = focusableNear(0);
        if (col >= 0)
            setCurCell(col, 0);
    }
}

void CellworkView::forceEdit(int col, int row)
{
    if (!m_model->validCell(col, row))
        return;
    setFocus(Qt::OtherFocusReason);
    setCurCell(col, row);
    if (editing())
        finishEdit(0, false);
    requestEdit(m_model->index(row, col), QString());
}

void CellworkView::setChecks(bool on)
{
    m_rowHeader->setChecks(on);
}

void CellworkView::setChecked(int row, bool on)
{
    if (m_model->validRow(row) && m_model->row(row).checked != on)
        m_model->changeRow(row, [on](CellworkRow& r) { r.checked = on; });
}

void CellworkView::toggleCheckByUser(int row)
{
    if (!m_rowHeader->checks() || !m_model->validRow(row))
        return;
    // The row ticked becomes current first: the form's answer to the tick
    // reads the current row, which must be the row the user ticked.
    const int col = currentIndex().isValid() ? currentIndex().column() : focusableNear(0);
    setCurCell(col >= 0 ? col : 0, row);
    setChecked(row, !m_model->row(row).checked);
    fire(EventCheckChanged, {});
}

void CellworkView::applyWidths()
{
    std::vector<int> widths;
    std::vector<bool> hidden;
    for (int c = 0; c < m_model->cols(); ++c) {
        widths.push_back(m_model->column(c).width);
        hidden.push_back(m_model->column(c).hidden);
    }
    ApplyColumnWidths(this, widths, hidden, m_keepRatio);
}

void CellworkView::setKeepRatio(bool on)
{
    m_keepRatio = on;
    applyWidths();
}

void CellworkView::setFullRow(bool on)
{
    setSelectionBehavior(on || m_model->readOnly() ? SelectRows : SelectItems);
    if (currentIndex().isValid())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect
                                     | (on ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
}

void CellworkView::setReport(bool on)
{
    if (on && editing())
        closeEditorQuietly();
    m_model->setReadOnly(on);
    setSelectionBehavior(on ? SelectRows : SelectItems);
}

void CellworkView::setRowHeight(int height)
{
    m_rowHeader->setMinimumSectionSize(std::min(8, height));
    m_rowHeader->setDefaultSectionSize(std::max(1, height));
}

void CellworkView::setHScroll(bool on)
{
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void CellworkView::setFilling(bool on)
{
    setUpdatesEnabled(!on);
    if (!on) {
        applyWidths();
        viewport()->update();
    }
}

bool CellworkView::viewportEvent(QEvent* event)
{
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize && m_keepRatio)
        applyWidths();
    return handled;
}

bool CellworkView::takesInput(int col) const
{
    const CellworkColumn& c = m_model->column(col);
    return !c.hidden && !c.noFocus && !c.locked && c.editable;
}

bool CellworkView::focusable(int col) const
{
    const CellworkColumn& c = m_model->column(col);
    return !c.hidden && !c.noFocus;
}

bool CellworkView::takesEnter() const
{
    if (editing())
        return true;
    if (m_model->readOnly())
        return false;
    for (int c = 0; c < m_model->cols(); ++c) {
        if (takesInput(c))
            return true;
    }
    return false;
}

} // namespace gridbase
