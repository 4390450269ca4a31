// The window of a Cellwork grid: a table view over the grid's model that
// edits, moves and raises the grid's events as the forms expect (CCellwork.h
// describes them). The CCellwork wrapper is only a way in; everything the grid
// knows lives here.
//
// Editing: an edit is asked for by a typed character, F2, a double click or
// ForceEditCell; event 3 lets the form fill or refuse the editor. Every edit
// that ends with its text kept (Enter, Tab, an arrow, a click or the focus
// elsewhere, the chooser button) goes through commitEdited: event 9 with the
// key that ended it, then the cell takes the text (event 8 when it changed).
// Escape drops the edit. Enter and Tab then move to the next cell of the row
// that takes input, and on to the next row.
#pragma once
#include "afx.h"

#include <QPersistentModelIndex>
#include <QTableView>
#include <utility>
#include <vector>

namespace gridbase {

class CellworkModel;
class CellworkDelegate;
class CellworkRowHeader;
struct CellworkRow;

// The grid's event numbers (the forms' event sink maps use them).
enum CellworkEvent : long {
    EventRowSetUp = 2,       // (col, row, flag&): the current row changed
    EventEditStart = 3,      // (col, row, text&, cancel&)
    EventChooser = 5,        // (col, row)
    EventCellChanged = 8,    // (col, row, text&)
    EventCellEdited = 9,     // (col, row, key, text&)
    EventCurrentCell = 15,   // (col, row)
    EventCheckChanged = 17,  // ()
};

class CellworkView : public QTableView {
    Q_OBJECT
public:
    explicit CellworkView(QWidget* parent);
    using QTableView::edit;

    CellworkModel* cells() const { return m_model; }
    CellworkRowHeader* rowHeader() const { return m_rowHeader; }

    // Content. A cell set with events raises 8 when its text changes.
    void setCellText(int col, int row, const QString& text, bool events = true);
    void setRowCount(int n);
    // Puts `rows` in place of all rows at once, raising no event (as a change
    // of the row count does); their texts are shown as given.
    void setRows(std::vector<CellworkRow> rows);
    void setColCount(int n);
    void insertRow(int row);
    void removeRow(int row);
    void moveRow(int from, int to);
    void clearGrid();

    // The current cell; moving it raises 2 (another row) and 15.
    void setCurCell(int col, int row);
    void showFirstUnlocked();
    void focusGrid();
    void forceEdit(int col, int row);

    void setChecks(bool on);
    void setChecked(int row, bool on);
    void toggleCheckByUser(int row);

    // Layout.
    void applyWidths();
    void setKeepRatio(bool on);
    void setFullRow(bool on);
    void setReport(bool on);
    void setRowHeight(int height);
    void setHScroll(bool on);
    void setFilling(bool on);
    void refreshGeometries() { updateGeometries(); }

    // Editing, as the delegate reports it.
    bool editing() const { return state() == EditingState; }
    void finishEdit(int vk, bool backwards);
    void cancelEdit();
    void commitFromView(const QModelIndex& index, const QString& text);
    void chooserFromEditor();
    // Whether Enter belongs to the grid rather than to the form's default button.
    bool takesEnter() const;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Raises an event in the form that holds the grid; false when none ran.
    bool fire(long id, const AfxEventArgs& args);
    bool requestEdit(const QModelIndex& index, const QString& typed);
    void commitEdited(int col, int row, int vk, const QString& text);
    void closeEditorQuietly();
    void pressChooser(const QModelIndex& index);
    void moveOn(int vk, bool backwards);
    bool moveNext(bool backwards);
    bool takesInput(int col) const;
    bool focusable(int col) const;
    int focusableNear(int col) const;

    CellworkModel* m_model;
    CellworkDelegate* m_delegate;
    CellworkRowHeader* m_rowHeader;
    QPersistentModelIndex m_editIndex;
    std::vector<std::pair<int, int>> m_inCellChanged;  // cells whose event 8 is being handled
    bool m_committing = false;
    bool m_opening = false;
    bool m_keepRatio = false;
    bool m_pressOnCurrent = false;
    int m_quietCurrent = 0;  // moves of the current cell that raise nothing
};

} // namespace gridbase
