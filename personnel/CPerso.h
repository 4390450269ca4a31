// CPerso: the entry of the personnel module. Init registers the module's
// views with the application, so a script, a menu command or another form
// opens them by document name; ShowNipList opens the list of an employee's
// positions (the tariffication module's form); OnKadryLk opens the personal
// card for the payroll module.
#pragma once
#include "PersoExport.h"
#include "afx.h"

namespace nperso {

class NPERSO_EXPORT CPerso {
public:
    CPerso() = default;
    CPerso(const CPerso&) = default;
    CPerso& operator=(const CPerso&) = default;
    virtual ~CPerso();

    // Creates one template per view of the module and hands it to the
    // application; always 1.
    static int Init();
    // The tariffication module's list of the employee's positions, as
    // nvenzol::CVenz::ShowNipList opens it.
    static void ShowNipList(CWnd* parent, CString tn);
    // Opens the personal card ("Личная карточка") empty.
    static void OnKadryLk();
};

} // namespace nperso
