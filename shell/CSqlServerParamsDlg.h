// The connection settings (dialog 150, "Настройки"): driver id, server,
// database, user and password of the database layer. OK stores them and
// does not connect; whoever ran the dialog connects again.
#pragma once
#include "afx.h"
#include "dlgkit.h"

class CSqlServerParamsDlg : public CderivedDialog {
public:
    explicit CSqlServerParamsDlg(CWnd* pParent = nullptr);

    int m_nDriverId = 1;
    CString m_strServer;
    CString m_strDatabase;
    CString m_strUser;
    CString m_strPassword;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    CComboBox m_driver;

    DECLARE_MESSAGE_MAP()
};
