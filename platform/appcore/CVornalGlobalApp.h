// The base of the program's application object. Its start makes the
// application core known to the modules (GetDLL_Appcore) and lets the
// scripts speak to the user through the program's windows; the program's
// own start-up follows in its InitInstance.
#pragma once

#include "afx.h"

class CVornalGlobalApp : public CWinApp {
    DECLARE_DYNAMIC(CVornalGlobalApp)
public:
    explicit CVornalGlobalApp(LPCTSTR lpszAppName = nullptr);
    ~CVornalGlobalApp() override;

    // Non-zero: the core is ready.
    BOOL InitInstance() override;
    int ExitInstance() override;
};

namespace appcore {

// Reads the settings that the settings sheet keeps in the profile into their
// globals: "Application" "AskExit", "MultyProcess", "ReportTipe" and
// "Settings" "PlayWavFiles"; a value not in the profile leaves its global as
// it was. VerifyUser reads them once the user is known, as the profile's
// branch is fixed by then.
void ReadApplicationSettings();

} // namespace appcore
