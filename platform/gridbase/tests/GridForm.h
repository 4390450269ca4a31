// The form of the grid tests: a modeless dialog from the test script whose
// grid is a DDX member, with a handler for every grid event that logs it and
// may run the test's own reaction.
#pragma once
#include "GuiDriver.h"
#include "gridbase.h"
#include "res/resource.h"

#include <QStringList>
#include <functional>
#include <ostream>

// Texts in failure messages as they read.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class QLineEdit;

class GridForm : public CDialog {
public:
    explicit GridForm(UINT id = IDD_GRIDFORM);
    ~GridForm() override;
    // Creates and shows the form, active, with the focus in the grid.
    void open();

    CCellwork m_grid;
    QStringList log;
    std::function<void(short col, short row, CString* text, short* cancel)> onEditStart;
    std::function<void(short col, short row, CString* text)> onCellChanged;
    std::function<void(short col, short row, short key, CString* text)> onCellEdited;
    std::function<void(short col, short row)> onChooser;

    QWidget* view() const { return m_grid.GetQWidget(); }
    // The open cell editor, or null.
    QLineEdit* editor() const;
    void type(const QString& text) { afxtest::typeKeys(view(), text); }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { afxtest::pressKey(view(), key, mods); }
    // Takes the log so far and starts a new one.
    QStringList take();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    UINT m_id;
    void OnRowSetUp(short col, short row, short* flag);
    void OnEditStart(short col, short row, CString* text, short* cancel);
    void OnChooser(short col, short row);
    void OnCellChanged(short col, short row, CString* text);
    void OnCellEdited(short col, short row, short key, CString* text);
    void OnCurrentCell(short col, short row);
    void OnCheckChanged();
    void OnDblClick();
    DECLARE_EVENTSINK_MAP()
};
