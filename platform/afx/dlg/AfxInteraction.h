// The interaction point: every modal step of the program (message boxes,
// modal dialogs, choosers) goes through AfxRunModal. Without a driver it shows
// the real window and waits for the user (QDialog::exec). A test installs a
// driver (the interaction script of testing_gui) that takes each step
// synchronously: the window is shown and made active, the driver acts on it
// (types, presses, answers) and must close it; nothing waits for a person.
// On the offscreen platform, or when VORNAL_UNATTENDED is set (every test
// binary sets it, also for a program it starts), a step without a driver is
// refused at once (a message answers IDCANCEL, a dialog IDCANCEL) with a
// message on stderr.
#pragma once
#include "wnd/AfxWinTypes.h"
#include <functional>

class QDialog;
class CWnd;

enum class AfxModalKind { Message, Dialog, Chooser };

struct AfxModalRequest {
    AfxModalKind kind = AfxModalKind::Dialog;
    CString text;           // a message's text; a chooser's prompt
    CString details;        // a message's details, shown behind "Подробнее..."
    CString caption;
    UINT type = 0;          // MB_ flags of a message
    CString templateName;   // a dialog's template id ("910") or name
    CString chooser;        // a chooser's name ("file", "account"...)
    CWnd* wnd = nullptr;    // the CDialog, if any
    QDialog* widget = nullptr;
    // A chooser without a Qt dialog: the program's way of asking, and the answer.
    std::function<int(AfxModalRequest&)> show;
    CString answer;
    int result = 0;
};

class AfxModalDriver {
public:
    virtual ~AfxModalDriver() = default;
    // Takes the step; must close req.widget (or set req.result/answer).
    virtual void run(AfxModalRequest& req) = 0;
    // A step left its window open: the point closes it (result 0).
    virtual void leftOpen(AfxModalRequest& req) = 0;
    virtual void beep(UINT type) {}
};

void AfxSetModalDriver(AfxModalDriver* driver);
AfxModalDriver* AfxGetModalDriver();

// Runs one modal step; answers the dialog's result (QDialog::result), or
// req.result for a chooser without a widget.
int AfxRunModal(AfxModalRequest& req);
