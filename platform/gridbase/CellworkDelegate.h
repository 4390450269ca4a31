// The cells' editors and the chooser button of a Cellwork grid. An editor is
// a line edit that accepts what its column's kind allows (with the chooser
// button inside it on a button column) or a list of the column's items. The
// keys that end an edit (Enter, Tab, the arrows up and down, Escape) and the
// chooser keys are taken here, before the item view's own queued handling, so
// every edit ends at once and through the grid's one commit path.
#pragma once
#include <QPointer>
#include <QStyledItemDelegate>

namespace gridbase {

class CellworkView;

class CellworkDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellworkDelegate(CellworkView* view);

    // The text the next editor opens with (set just before the view opens it).
    void openWith(const QString& text) { m_pending = text; m_hasPending = true; }
    QWidget* editor() const { return m_editor; }
    QString editorText() const;
    // Puts text into the open editor as if typed over its whole text.
    void typeIntoEditor(const QString& text);

    // Where the chooser button of a cell is drawn and clicked.
    static QRect chooserRect(const QRect& cell);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* lineEditor(QWidget* parent, const QModelIndex& index) const;
    bool editorKey(QWidget* editor, int key, Qt::KeyboardModifiers modifiers);

    CellworkView* m_view;
    mutable QPointer<QWidget> m_editor;
    mutable QString m_pending;
    mutable bool m_hasPending = false;
};

} // namespace gridbase
