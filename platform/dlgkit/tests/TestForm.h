// A form with one field of every kind the dialog kit offers, bound as the
// modules bind theirs: kinds set in the constructor, DDX_Control and DDX.
#pragma once
#include "dlgkit.h"
#include <string>
#include <vector>

// A field of a form's own that does more on leaving, calling the base first.
class TestAccountEdit : public CderivedEdit {
public:
    std::vector<std::string>* log = nullptr;
    afx_msg void OnKillFocus(CWnd* pNewWnd) override;

    DECLARE_MESSAGE_MAP()
};

class TestForm : public CderivedDialog {
public:
    TestForm();

    CderivedEdit m_plain, m_date, m_decimal, m_amount, m_password;
    TestAccountEdit m_account;
    CderivedComboBox m_branch;
    CderivedDTimeCtrl m_day;
    CderivedCheckListBox m_list;
    CderivedTabCtrl m_tabs;

    CString m_strPlain, m_strDate, m_strDecimal, m_strAmount, m_strPassword;
    int m_nBranch = 0;
    int m_nBranchId = 0;
    COleDateTime m_dtDay;
    std::vector<std::string> log;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnAccountKillFocus();
    afx_msg void OnListCheck();

    DECLARE_MESSAGE_MAP()
};
