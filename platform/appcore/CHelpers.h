// CHelpers: the services of the application core that the modules call as
// static members. Each concern keeps its own source file: script evaluation
// (CHelpersScript.cpp), texts and SQL expressions (CHelpersText.cpp), the
// reference-book picker (CHelpersPicker.cpp).
#pragma once

#include "OpenRequest.h"
#include "afx.h"

class CWnd;

class CHelpers {
public:
    // Evaluates a call text in a script context (null = global, "Arm."+id,
    // "Form."+name) with the application's interpreter and writes the value as
    // text into `result`. Non-zero on success; on any failure (reported to the
    // user) 0 with an empty result, so a caller never reads a failure as "0".
    static int EXEC_GetFunctionValue(const char* call, CString& result, const char* context);
    // Runs a script command: 0 when it fails (reported) or answers 0, its
    // number when it answers one, 1 when it answers nothing else.
    static int EXEC_Execute(const char* text, const char* context);

    // An amount in words. countOnly 0: money, "Двадцать один рубль 05 копеек"
    // (rounded to kopecks); non-zero: the whole number alone in small letters,
    // "два" (the forms write counts of documents and books this way).
    static CString GetWrittenRubles(double amount, int countOnly);
    // SQL expressions of a posting's full debit and credit account (9
    // characters, source digit first) over table ledmark_provodki, in the
    // dialect of the current driver.
    static CString GL_SqlDeb();
    static CString GL_SqlKred();

    // The reference-book picker. `book` is a picker key (I_GetSprSU_Id), a
    // table or a book name of the configuration, or a plain table. `filter`:
    // null/empty for all rows; "select ..." the whole list query (a book of
    // the configuration answers its key column from it); "where ..."
    // a condition on the book's table; " and ..." a condition added to the
    // table's rows; any other text a search fragment the list opens with.
    // The choice is written into control `ctrlId` of `parent` (its change
    // notification runs), or, with ctrlId -1 or 0 and a message, sent to the
    // parent as `msg` with the answer in both wParam and lParam: the chosen
    // key as an integer, or as a text (const char*, valid while the handler
    // runs) when answerKind is 2 or several rows may be chosen (`multi` 1:
    // keys joined by ","). Answers IDOK when something was chosen, else IDCANCEL.
    static int GetInSpr(const char* book, CWnd* parent, int ctrlId, const char* filter, UINT msg,
                        short answerKind = 0, int multi = 0, const char* reserved1 = nullptr,
                        const char* reserved2 = nullptr, int reserved3 = 0);

    // Opens the form whose template string has `name` as its document name
    // (exact), or a grid form of the configuration, with that title ("" = the
    // form's own), position and size (-1 = the default) and parameter text.
    // A form of that name already open is brought forward instead and gets
    // onActivate(document, view, text); a new one gets onCreate(document,
    // text) before its initial update. `owner` becomes the document's calling
    // window. The fill callback runs once the view exists. 1 when the form is
    // open, 0 (reported) when no form has that name. Where modules register
    // the same name, the caller's module's form is opened (`caller`, evaluated
    // in the calling module, as for every opener below).
    static int FN_OpenDocument(const char* name, const char* title, int x, int y, int width, int height,
                               const char* param, FN_DOC_CREATE onCreate, CWnd* owner, const char* text,
                               FN_DOC_ACTIVATE onActivate, FN_FORM_FILL fill, int reserved = -1,
                               const char* reserved2 = nullptr, HINSTANCE caller = AFX_CALLER_MODULE);
    // The same by document name with the integer kind and the parameter text,
    // default title, position and size, and no calling window. An open form
    // of that name is brought forward only when it was opened with the same
    // kind; another kind opens a form of its own.
    static int FN_OpenDocument0(const char* name, int kind, const char* param, FN_DOC_CREATE onCreate = nullptr,
                                const char* text = nullptr, FN_DOC_ACTIVATE onActivate = nullptr,
                                FN_FORM_FILL fill = nullptr, HINSTANCE caller = AFX_CALLER_MODULE);
    // Opens a stored document (row key `realId`) in its form: `name` is a
    // template's document name or the name of a document kind of the
    // configuration; `type` becomes the document's integer parameter. A form
    // already showing that row is brought forward. 1 when open.
    static int I_OpenDocument(long realId, CWnd* parent, const char* name, int type,
                              FN_DOC_CREATE onCreate = nullptr, FN_DOC_ACTIVATE onActivate = nullptr,
                              HINSTANCE caller = AFX_CALLER_MODULE);
    // Writes a text into a control of another window (its change handler
    // runs). 0 when the window or the control is gone.
    static int SetId0(CWnd* wnd, int ctrlId, const char* text);
    static int SetId0(HWND wnd, int ctrlId, const char* text);
    // Closes every open form and report window.
    static void CloseAllOpenedWindows();

    // Shows a finished HTML page in a report window: `landscape` 1 prints the
    // page across; `fontSize` the base font size in points (8 to 11; other
    // values the default); the background colour ("" white); `print` 1
    // prints it at once instead of showing it. The other argument is not read.
    static int DisplayMessage(const char* html, const char* title, int landscape, int fontSize,
                              const char* background, int reserved, int print);
    // Shows a finished HTML file (UTF-8) in a report window; `mode` -2 prints
    // it at once (the print-direct commands), any other value shows it.
    static int ShowReport(const char* file, const char* title, int landscape, int mode, int reserved = -1);
    // Runs the call text in the named report of the configuration (a form of
    // kind "report") and shows the page it answers.
    static int EXEC_ShowReport(const char* name, const char* call);
    // Runs the call text in an external report file (a Lua script of the
    // configuration's _sys/_ExtReports) and shows the page it answers.
    // `title` names the report's window; without it the file's name does.
    static int EXEC_ShowExternalReport(const char* path, const char* call, const char* title = nullptr);
    // Opens a file with the program the desktop gives it.
    static int OpenFile(const char* path, int reserved = -1, const char* reserved2 = nullptr);
};
