// CLedmark: the entry of the general-ledger module for the application core.
// Init registers the document template of every view of the module, so any
// script, menu command or view opens a ledger view by its document name. The
// class also holds the chart-of-accounts pickers that the ledger's forms call.
//
// Picker answers: with a control id other than -1 the chosen code is written
// into that control of the parent; with -1 the parent gets the message, the
// answer in its LPARAM (and WPARAM): the code as a text for GetSint, GetAnalit
// and GetKOSGU, the key of the reference book as an integer for GetSB.
#pragma once
#include "afx.h"

namespace nledmark {

class __attribute__((visibility("default"))) CLedmark {
public:
    CLedmark() = default;
    virtual ~CLedmark();

    // Creates one template per view of the module (resource id, document,
    // frame and view classes) and hands it to the application; always 1.
    static int Init();

    // The value of analytic dimension n (1..3) of a full account from the
    // reference book of that dimension (the employee chooser for employees);
    // a beep when the account has no such dimension. `flag` 1 lets several
    // values be chosen.
    static void GetSB(CWnd* parent, UINT ctrlId, UINT msg, const char* account, short n, int flag);
    // A synthetic account, an analytic account of `col1`, a KOSGU code of
    // `col1`.`col2`, chosen in the configuration's selection forms "GetSint",
    // "GetAnal" and "GetKOSGU". A missing synthetic or analytic account is
    // asked for and nothing opens.
    static void GetSint(CWnd* parent, UINT ctrlId, UINT msg);
    static void GetAnalit(CWnd* parent, UINT ctrlId, UINT msg, const char* col1);
    static void GetKOSGU(CWnd* parent, UINT ctrlId, UINT msg, const char* col1, const char* col2);
};

} // namespace nledmark
