// The program's settings sheet ("Настройки"). It opens with the settings'
// current values (the globals) and, after OK, holds the values chosen; the
// program stores them in their globals and the profile. Cancel changes
// nothing. The caption id is the program's; the caption is the core's own.
#pragma once

#include "CSettingsPage.h"
#include "afx.h"

class CSettingsPropSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CSettingsPropSheet)
public:
    CSettingsPropSheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    INT_PTR DoModal() override;

    // The four values: before DoModal the current ones, after OK the chosen ones.
    BOOL m_bAskExit = FALSE;
    BOOL m_bMultyProcess = FALSE;
    BOOL m_bPlayWavFiles = FALSE;
    long m_lReportTipe = 0;

private:
    CSettingsPage m_page;
};
