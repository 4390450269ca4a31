// The calculator the main window opens: digits, + − × ÷, =, C and rub-out,
// by its buttons or the keyboard (digits, numeric keypad, Enter for =,
// Backspace, Delete for C). "&ОК" hands the result back, "&Закрыть" closes
// without it. Modal through the interaction point.
#pragma once
#include "CalcEngine.h"
#include "CderivedDialog.h"

class CCalculatorDlg : public CderivedDialog {
    DECLARE_DYNAMIC(CCalculatorDlg)
public:
    // start: the number shown first ("" for 0).
    CCalculatorDlg(CWnd* pParent, const CString& start);

    CString m_strResult;   // set by "&ОК"

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnKey(UINT nID);

private:
    void Press(char key);

    dlgkit::CalcEngine m_engine;

    DECLARE_MESSAGE_MAP()
};

// Runs the calculator over pParentWnd, starting from lpszStart (NULL: 0).
// IDOK puts the result into strResult; IDCANCEL leaves it as it was.
int GetCalculator(CString& strResult, CWnd* pParentWnd, LPCTSTR lpszStart = nullptr);
