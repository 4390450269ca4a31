// The login (dialog 910, "Регистрация пользователя"): a personnel number and
// password checked against the users of the database, remembered per
// database when the user wishes, then the workplace. Three wrong attempts
// cancel the login. Once it ends with IDOK, m_strLogin is the login string
// with the chosen workplace's index.
#pragma once
#include "CSelectWorkingPlace.h"
#include "afx.h"
#include "dlgkit.h"

class CRegisterUser : public CderivedDialog {
public:
    explicit CRegisterUser(CWnd* pParent = nullptr);

    CString m_strLogin;
    int GetFailedAttempts() const { return m_nFailed; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    afx_msg void OnConnectionSettings();
    afx_msg HCURSOR OnQueryDragIcon();

    // After a wrong number or password: told, typed keys dropped, the number
    // selected; the third failure ends the login.
    void Refuse();
    // Appends the user's workplace to the login string (asking when there
    // are several); the dialog's result.
    int ChooseWorkplace(long tn);

    CderivedEdit m_edTn;
    CderivedEdit m_edPassword;
    CString m_strTn;
    CString m_strPassword;
    int m_bRemember = 1;
    int m_nFailed = 0;
    HICON m_hIcon = nullptr;
    CSelectWorkingPlace m_selectArm;

    DECLARE_MESSAGE_MAP()
};
