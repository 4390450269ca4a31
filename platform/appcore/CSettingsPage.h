// The page of the settings sheet: asking before exit, several instances of
// the program for one user, the program's sounds and the report kind.
#pragma once

#include "afx.h"

class CSettingsPage : public CPropertyPage {
    DECLARE_DYNAMIC(CSettingsPage)
public:
    CSettingsPage();

    int m_bAskExit = 0;
    int m_bMultyProcess = 0;
    int m_bPlayWavFiles = 0;
    int m_nReportTipe = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
