// CVenz: the entry of the tariffication module. Init registers the
// module's views with the application, so a script, a menu command or
// another form opens them by document name. ShowNipList opens the list of an
// employee's positions on behalf of another form; GetKof and
// GetDigitFormatOkl ask the configuration's global script two questions of
// the tariffication rules for other modules.
#pragma once
#include "VenzExport.h"
#include "afx.h"

namespace nvenzol {

class NVENZOL_EXPORT CVenz {
public:
    CVenz() = default;
    CVenz(const CVenz&) = default;
    CVenz& operator=(const CVenz&) = default;
    virtual ~CVenz();

    // Creates one template per view of the module and hands it to the
    // application; always 1.
    static int Init();

    // Opens "NipListView" for the employee `tn` on behalf of `parent`, which
    // gets the chosen running number in its field 1149. A list already open
    // is retitled and refilled for this employee and answers this window.
    static void ShowNipList(CWnd* parent, CString tn);

    // GetKof(n,"text") and GetDigitFormatOkl("text") of the global script,
    // the answer read as a number: 0 when the evaluation fails (reported) or
    // the answer is no number. With `ok` the caller learns which: false
    // unless the script answered a number.
    static double GetKof(int n, const char* text);
    static double GetKof(int n, const char* text, bool& ok);
    static int GetDigitFormatOkl(const char* text);
    static int GetDigitFormatOkl(const char* text, bool& ok);
};

} // namespace nvenzol
