// The about box (dialog 100, "О программе..."): the versions of the program,
// the configuration archive and the configuration in the database, and
// where the database is.
#pragma once
#include "afx.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
