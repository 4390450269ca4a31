// The table of live windows: handle number <-> widget <-> CWnd.
//
// Handles are numbers counted up from 0x10000 and never reused, so a stale
// handle (kept in a text or a member) can never name a newer window. Lookups
// from other threads (IsWindow, PostMessage) are safe; everything else is on
// the user-interface thread.
#pragma once
#include "wnd/CWnd.h"
#include <QHash>
#include <QMap>
#include <QPointer>
#include <QString>
#include <memory>

class QTimer;
struct AfxControlClass;

struct WndRecord {
    HWND hwnd = nullptr;
    QPointer<QWidget> widget;
    CWnd* wnd = nullptr;                  // the object that gets the messages
    std::unique_ptr<CWnd> autoWnd;        // the wrapper made for a template control
    const AfxControlClass* cls = nullptr; // the control class (null: plain window)
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    bool closing = false;                 // DestroyWindow called, widget not yet gone
    bool redraw = true;
    QMap<UINT_PTR, QTimer*> timers;
};

// Named in a public header (a friend or a pointer there), which would export it;
// it stays inside the library.
class __attribute__((visibility("hidden"))) WndHandleTable {
public:
    // Registers a widget under a new handle; wnd receives its messages.
    static HWND add(QWidget* widget, CWnd* wnd, std::unique_ptr<CWnd> autoWnd, const AfxControlClass* cls,
                    DWORD style, DWORD exStyle, int id);
    static WndRecord* find(HWND hwnd);            // live or closing
    static WndRecord* findLive(HWND hwnd);        // not closing
    static WndRecord* findWidget(const QWidget* widget);
    // The nearest recorded widget from w upwards, not leaving w's window.
    static WndRecord* findOwning(const QWidget* widget);
    static bool isLive(HWND hwnd);                // any thread
    static void markClosing(WndRecord* rec);
    // Puts `wnd` in place of the record's current object (subclassing).
    static void setWnd(WndRecord* rec, CWnd* wnd);

private:
    static void removeWidget(QObject* widget);
};

// Internal access to a CWnd's private widget pointer for the platform files.
class AfxWndAccess {
public:
    static void bind(CWnd* wnd, QWidget* widget, HWND hwnd)
    {
        wnd->m_widget = widget;
        wnd->m_hWnd = hwnd;
    }
    static void unbind(CWnd* wnd)
    {
        wnd->m_widget = nullptr;
        wnd->m_hWnd = nullptr;
    }
    static void setOwnsWidget(CWnd* wnd, BOOL owns) { wnd->m_bOwnsWidget = owns; }
    static void postNcDestroy(CWnd* wnd) { wnd->PostNcDestroy(); }
    static BOOL isDialogWindow(const CWnd* wnd) { return wnd->IsDialogWindow(); }
    static int defaultButtonID(const CWnd* wnd) { return wnd->GetDefaultButtonID(); }
};
