// One database of the chooser's list (dialog 912, "Настройки"): the seven
// values of the entry, set before the dialog runs and read back after OK.
#pragma once
#include "CWelcomeEntry.h"
#include "afx.h"
#include "dlgkit.h"

class CWelcomeSetingsDlg : public CderivedDialog {
public:
    explicit CWelcomeSetingsDlg(CWnd* pParent = nullptr);

    CWelcomeEntry m_entry;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    CComboBox m_driver;
    int m_nDriverId = 1;

    DECLARE_MESSAGE_MAP()
};
