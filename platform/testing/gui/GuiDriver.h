// Acting on windows as a user would, by control id: typing (Cyrillic too,
// one key event per character), choosing a combo entry, pressing buttons and
// commands, reading texts; and the offscreen helpers (an active window,
// deferred deletes, pictures of windows).
#pragma once
#include "afx.h"
#include <QDate>
#include <QImage>
#include <QString>

class QWidget;

namespace afxtest {

// Shows a window and makes it the active one (focus works only then).
void showActive(QWidget* w);
void showActive(CWnd* w);
// Runs the deletes that DestroyWindow left for the event loop.
void flushDeletes();
// Delivers the messages posted so far.
void deliverPosted();
// Closes every document of the application and destroys its main window (or
// `frame` when given), with the deletes they leave run, as a test's end.
void closeProgramWindows(CWinApp* app, CWnd* frame = nullptr);

// The control, or a test failure and NULL.
CWnd* control(CWnd* parent, int id);
QString text(CWnd* parent, int id);
// Focuses the control, selects its text and types `text` key by key.
void typeInto(CWnd* parent, int id, const QString& text);
// Types into whatever widget has the focus (or w).
void typeKeys(QWidget* w, const QString& text);
void pressKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void pressKey(CWnd* parent, int id, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Chooses a combo box entry by its text (exact) or index, as the user does.
void chooseEntry(CWnd* parent, int id, const QString& entry);
void chooseEntry(CWnd* parent, int id, int index);
// Clicks a button, check box or radio button (nothing happens when disabled).
void click(CWnd* parent, int id);
// Sets a check box to the state by clicking it when it differs.
void setChecked(CWnd* parent, int id, bool on);
// Sets a date picker's date as the user does (ticking its check box first
// when it is empty), or empties a DTS_SHOWNONE picker.
void pickDate(CWnd* parent, int id, const QDate& date);
void clearDate(CWnd* parent, int id);
// Sends a menu or toolbar command.
void command(CWnd* target, UINT id);

// A picture of the window as shown, and how many colours it has.
QImage grab(CWnd* w);
int distinctColours(const QImage& image);

} // namespace afxtest
