// Window classes of controls: how a class name of a dialog template or of
// CreateEx ("Edit", "Button", "ComboBox", "SysDateTimePick32", or a custom
// class such as the grid) becomes a Qt widget, which object wraps it, which
// Windows behaviour it has (its window procedure) and which of its Qt signals
// become notifications to the parent.
//
// A library adds a class with AfxRegisterControlClass when it loads; names are
// compared without regard to case, as Windows does.
#pragma once
#include "wnd/AfxWinTypes.h"
#include <QRect>

class QWidget;
class QFont;
class CWnd;

struct AfxControlCreate {
    CString text;           // the template's text (caption, or a custom class's data)
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    QRect rect;             // pixels, in the parent's client coordinates
    QWidget* parent = nullptr;
    HINSTANCE module = nullptr;  // where the template came from (pictures)
};

struct AfxControlClass {
    const char* name;
    // Makes the widget (geometry, text and style applied).
    QWidget* (*create)(const AfxControlCreate& cc);
    // Makes the wrapper object for a template control (new CEdit...).
    CWnd* (*makeWrapper)();
    // The class's own handling of a message; sets handled when it took it.
    LRESULT (*proc)(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // Wires the widget's Qt signals to notifications; may be null.
    void (*connect)(QWidget* widget, HWND hWnd);
};

void AfxRegisterControlClass(const AfxControlClass& cls);
const AfxControlClass* AfxFindControlClass(LPCTSTR lpszClassName);

// Creates a control of a class on a parent window: the widget, its handle and
// its object (pWnd, or a new wrapper owned by the window table when NULL).
HWND AfxCreateControl(const AfxControlClass* cls, const AfxControlCreate& cc, CWnd* pWnd);

// Sends WM_COMMAND (id, code) from a control to its parent, as a user action.
void AfxNotifyParent(HWND hControl, UINT nCode);
// Sends WM_NOTIFY from a control to its parent; hdr's hwndFrom, idFrom are filled.
LRESULT AfxNotifyParentNM(HWND hControl, NMHDR* hdr);

// Texts of widgets: the window text as Windows keeps it (a caption keeps its
// "&" marks).
CString AfxWidgetText(const QWidget* w);
void AfxSetWidgetText(QWidget* w, const CString& text);

// A widget of this platform with a window text of its own.
class AfxTextWidget {
public:
    virtual ~AfxTextWidget() = default;
    virtual CString windowText() const = 0;
    virtual void setWindowText(const CString& text) = 0;
};

// Qt text <-> CString.
QString AfxQ(const char* s);
CString AfxC(const QString& s);
