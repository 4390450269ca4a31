#include "CellworkDelegate.h"

#include "CellInput.h"
#include "CellworkModel.h"
#include "CellworkView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace gridbase {

namespace {

// The chooser's picture: three dots, as on the button of a chooser field.
QIcon chooserIcon()
{
    static QIcon icon = [] {
        QPixmap pixmap(12, 12);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (int x : { 1, 5, 9 })
            p.drawRect(x, 8, 2, 2);
        return QIcon(pixmap);
    }();
    return icon;
}

Qt::Alignment lineAlign(int align)
{
    return (align == AlignRight ? Qt::AlignRight : (align == AlignCenter ? Qt::AlignHCenter : Qt::AlignLeft))
        | Qt::AlignVCenter;
}

} // namespace

CellworkDelegate::CellworkDelegate(CellworkView* view) : QStyledItemDelegate(view), m_view(view) {}

QRect CellworkDelegate::chooserRect(const QRect& cell)
{
    const int w = std::min(18, std::max(12, cell.height()));
    return QRect(cell.right() - w + 1, cell.top(), w, cell.height());
}

QWidget* CellworkDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const CellworkColumn& column = m_view->cells()->column(index.column());
    QWidget* editor;
    if (!column.items.isEmpty()) {
        auto* list = new QComboBox(parent);
        list->setObjectName(QStringLiteral("cellList"));
        list->addItems(column.items);
        editor = list;
    } else {
        editor = lineEditor(parent, index);
    }
    editor->setAutoFillBackground(true);
    m_editor = editor;
    return editor;
}

QWidget* CellworkDelegate::lineEditor(QWidget* parent, const QModelIndex& index) const
{
    const CellworkColumn& column = m_view->cells()->column(index.column());
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("cellEditor"));
    edit->setFrame(false);
    edit->setAlignment(lineAlign(column.align));
    edit->setValidator(new CellValidator(column.kind, edit));
    if (column.button) {
        QAction* choose = edit->addAction(chooserIcon(), QLineEdit::TrailingPosition);
        choose->setToolTip(QStringLiteral("Выбрать (F4)"));
        connect(choose, &QAction::triggered, m_view, [view = m_view] { view->chooserFromEditor(); });
        for (QToolButton* b : edit->findChildren<QToolButton*>())
            b->setObjectName(QStringLiteral("chooserButton"));
    }
    return edit;
}

void CellworkDelegate::setEditorData(QWidget* editor, const QModelIndex&) const
{
    // Only when the editor opens: later refreshes must not undo what is typed.
    if (!m_hasPending)
        return;
    m_hasPending = false;
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(CleanCellText(m_pending));
        edit->selectAll();
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentIndex(std::max(0, list->findText(m_pending)));
    }
}

QString CellworkDelegate::editorText() const
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_editor.data()))
        return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(m_editor.data()))
        return list->currentText();
    return QString();
}

void CellworkDelegate::typeIntoEditor(const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_editor.data())) {
        edit->selectAll();
        edit->insert(text);
    } else if (auto* list = qobject_cast<QComboBox*>(m_editor.data())) {
        const int i = list->findText(text, Qt::MatchStartsWith);
        if (i >= 0)
            list->setCurrentIndex(i);
    }
}

void CellworkDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    // Focus leaving the editor, or the current cell moved by a click: the
    // item view commits through here.
    if (editor == m_editor)
        m_view->commitFromView(index, editorText());
}

void CellworkDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

void CellworkDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (editor == m_editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

void CellworkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!index.data(CellworkModel::ButtonRole).toBool() || index != m_view->currentIndex())
        return;
    QStyleOptionButton button;
    button.rect = chooserRect(option.rect);
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    button.text = QStringLiteral("…");
    QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
}

bool CellworkDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && editor == m_editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (editorKey(editor, key->key(), key->modifiers()))
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

bool CellworkDelegate::editorKey(QWidget* editor, int key, Qt::KeyboardModifiers modifiers)
{
    const bool line = qobject_cast<QLineEdit*>(editor) != nullptr;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_view->finishEdit(VK_RETURN, false);
        return true;
    case Qt::Key_Tab:
        m_view->finishEdit(VK_TAB, false);
        return true;
    case Qt::Key_Backtab:
        m_view->finishEdit(VK_TAB, true);
        return true;
    case Qt::Key_Escape:
        m_view->cancelEdit();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!line)
            return false;
        if (key == Qt::Key_Down && (modifiers & Qt::AltModifier)) {
            m_view->chooserFromEditor();
            return true;
        }
        m_view->finishEdit(key == Qt::Key_Up ? VK_UP : VK_DOWN, false);
        return true;
    case Qt::Key_F4:
        if (!line)
            return false;
        m_view->chooserFromEditor();
        return true;
    default:
        return false;
    }
}

} // namespace gridbase
