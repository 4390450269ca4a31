// What the login remembers per database (profile section "Settings" followed
// by the driver id, server and database): whether to remember, the
// personnel number and the password, kept enciphered.
#pragma once
#include "afx.h"

class CLoginProfile {
public:
    // The section of the current connection parameters.
    CLoginProfile();
    const CString& Section() const { return m_strSection; }

    // The state of "Запомнить пароль" (1 when never stored).
    int Remember() const;
    // The remembered number ("1" when never stored) and password ("" when none).
    CString Tn() const;
    CString Password() const;
    // Stores the check box; when it is set also the number and the password,
    // when it is cleared the remembered password is forgotten (the number stays).
    void Store(int remember, const CString& tn, const CString& password) const;

private:
    CString m_strSection;
};
