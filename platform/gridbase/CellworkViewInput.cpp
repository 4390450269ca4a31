// The keyboard, the mouse and the edits of a Cellwork grid (CellworkView.h).
#include "CellInput.h"
#include "CellworkDelegate.h"
#include "CellworkModel.h"
#include "CellworkRowHeader.h"
#include "CellworkView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace gridbase {

namespace {

bool printable(const QKeyEvent* e)
{
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = e->text();
    return !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7f;
}

} // namespace

bool CellworkView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Only the grid's own edit requests open editors (event 3 comes first).
    return m_opening && QTableView::edit(index, trigger, event);
}

bool CellworkView::requestEdit(const QModelIndex& index, const QString& typed)
{
    if (!index.isValid() || editing())
        return false;
    const int col = index.column(), row = index.row();
    // A typed character over a cell that takes none is no edit request.
    if (!typed.isEmpty() && !m_model->editable(col, row))
        return false;
    CString text(m_model->text(col, row));
    short cancel = 0;
    QPointer<CellworkView> self(this);
    fire(EventEditStart, { AfxEventArg((short)col), AfxEventArg((short)row), AfxEventArg(&text), AfxEventArg(&cancel) });
    if (!self || cancel || !m_model->editable(col, row))
        return false;
    const QModelIndex cell = m_model->index(row, col);
    if (cell != currentIndex())
        setCurrentIndex(cell);
    m_delegate->openWith(text.ToQString());
    m_editIndex = cell;
    m_opening = true;
    const bool opened = QTableView::edit(cell, AllEditTriggers, nullptr);
    m_opening = false;
    if (!opened) {
        m_editIndex = QPersistentModelIndex();
        return false;
    }
    if (hasFocus() || (m_delegate->editor() && window()->isActiveWindow()))
        m_delegate->editor()->setFocus(Qt::OtherFocusReason);
    if (!typed.isEmpty())
        m_delegate->typeIntoEditor(typed);
    return true;
}

void CellworkView::commitEdited(int col, int row, int vk, const QString& text)
{
    if (m_committing || !m_model->validCell(col, row))
        return;
    m_committing = true;
    CString answer(FinishedCellText(m_model->column(col).kind, text));
    QPointer<CellworkView> self(this);
    fire(EventCellEdited, { AfxEventArg((short)col), AfxEventArg((short)row), AfxEventArg((short)vk), AfxEventArg(&answer) });
    if (!self)
        return;
    m_committing = false;
    setCellText(col, row, answer.ToQString());
}

void CellworkView::closeEditorQuietly()
{
    QWidget* editor = m_delegate->editor();
    m_editIndex = QPersistentModelIndex();
    if (editor)
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CellworkView::finishEdit(int vk, bool backwards)
{
    if (!m_delegate->editor() || !m_editIndex.isValid())
        return;
    const int col = m_editIndex.column(), row = m_editIndex.row();
    const QString text = m_delegate->editorText();
    closeEditorQuietly();
    QPointer<CellworkView> self(this);
    commitEdited(col, row, vk, text);
    // The form may have moved the current cell itself while handling the edit.
    if (self && vk != 0 && currentIndex() == m_model->index(row, col))
        moveOn(vk, backwards);
}

void CellworkView::cancelEdit()
{
    closeEditorQuietly();
}

void CellworkView::commitFromView(const QModelIndex& index, const QString& text)
{
    if (!index.isValid() || index != QModelIndex(m_editIndex))
        return;
    m_editIndex = QPersistentModelIndex();
    commitEdited(index.column(), index.row(), 0, text);
}

void CellworkView::chooserFromEditor()
{
    const QModelIndex cell = m_editIndex;
    if (!cell.isValid() || !cell.data(CellworkModel::ButtonRole).toBool())
        return;
    const QString text = m_delegate->editorText();
    closeEditorQuietly();
    QPointer<CellworkView> self(this);
    commitEdited(cell.column(), cell.row(), 0, text);
    if (self)
        pressChooser(cell);
}

void CellworkView::pressChooser(const QModelIndex& index)
{
    if (index.isValid() && index.data(CellworkModel::ButtonRole).toBool())
        fire(EventChooser, { AfxEventArg((short)index.column()), AfxEventArg((short)index.row()) });
}

bool CellworkView::moveNext(bool backwards)
{
    const QModelIndex from = currentIndex();
    if (!from.isValid())
        return false;
    const int step = backwards ? -1 : 1;
    int col = from.column() + step;
    // Only cells that can take a value: a cell locked for its row (an
    // analytic value the line's account does not keep) is passed over.
    for (int row = from.row(); m_model->validRow(row); row += step) {
        for (; col >= 0 && col < m_model->cols(); col += step) {
            if (takesInput(col) && m_model->editable(col, row)) {
                setCurCell(col, row);
                return true;
            }
        }
        col = backwards ? m_model->cols() - 1 : 0;
    }
    return false;
}

void CellworkView::moveOn(int vk, bool backwards)
{
    const QModelIndex from = currentIndex();
    if (vk == VK_RETURN || vk == VK_TAB)
        moveNext(backwards);
    else if ((vk == VK_UP || vk == VK_DOWN) && from.isValid())
        setCurCell(from.column(), from.row() + (vk == VK_UP ? -1 : 1));
}

void CellworkView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_F2:
        requestEdit(current, QString());
        return;
    case Qt::Key_F4:
        pressChooser(current);
        return;
    case Qt::Key_Down:
        if (alt) {
            pressChooser(current);
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!takesEnter()) {
            event->ignore();
            return;
        }
        moveNext(false);
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!moveNext(event->key() == Qt::Key_Backtab))
            event->ignore();
        return;
    case Qt::Key_Space:
        if (m_rowHeader->checks() && current.isValid()) {
            toggleCheckByUser(current.row());
            return;
        }
        break;
    default:
        break;
    }
    if (printable(event)) {
        requestEdit(current, event->text());
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex CellworkView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (!next.isValid() || focusable(next.column()))
        return next;
    // Columns that take no focus are stepped over in the direction of the move.
    const int step = action == MoveLeft || action == MovePrevious || action == MoveEnd ? -1 : 1;
    for (int c = next.column(); c >= 0 && c < m_model->cols(); c += step) {
        if (focusable(c))
            return m_model->index(next.row(), c);
    }
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_model->index(next.row(), current.column()) : next;
}

void CellworkView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    m_pressOnCurrent = at.isValid() && at == currentIndex();
    QTableView::mousePressEvent(event);
    const QModelIndex current = currentIndex();
    if (current.isValid() && !focusable(current.column())) {
        const int col = focusableNear(current.column());
        if (col >= 0)
            setCurCell(col, current.row());
    }
}

void CellworkView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    const QPoint pos = event->position().toPoint();
    const QModelIndex at = indexAt(pos);
    if (event->button() == Qt::LeftButton && m_pressOnCurrent && at == currentIndex()
        && at.data(CellworkModel::ButtonRole).toBool() && CellworkDelegate::chooserRect(visualRect(at)).contains(pos))
        pressChooser(at);
}

void CellworkView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!at.isValid() || event->button() != Qt::LeftButton) {
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    if (at != currentIndex() && focusable(at.column()))
        setCurrentIndex(at);
    QPointer<CellworkView> self(this);
    fire(DISPID_DBLCLICK, {});
    if (!self || !at.isValid())
        return;
    if (at.data(CellworkModel::ButtonRole).toBool())
        pressChooser(at);
    else
        requestEdit(at, QString());
}

void CellworkView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    // The chooser button is drawn on the current cell only.
    viewport()->update(visualRect(previous));
    viewport()->update(visualRect(current));
    if (m_quietCurrent > 0 || !current.isValid())
        return;
    QPointer<CellworkView> self(this);
    if (!previous.isValid() || previous.row() != current.row()) {
        short flag = 0;
        fire(EventRowSetUp, { AfxEventArg((short)current.column()), AfxEventArg((short)current.row()), AfxEventArg(&flag) });
        if (!self)
            return;
    }
    fire(EventCurrentCell, { AfxEventArg((short)current.column()), AfxEventArg((short)current.row()) });
}

} // namespace gridbase
