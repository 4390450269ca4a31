// CSpr5prView ("Spr5prView"): the lines into which the month's pay is posted
// to the ledger. The code (1078) shows the line's name, percentage, debit and
// credit accounts (checked against the chart), economic code, sub-accounts,
// whether it posts per employee, its decimals and the pay codes it covers.
#pragma once
#include "PayBookView.h"

namespace npaymar {

class __attribute__((visibility("default"))) CSpr5prView : public CPayBookView {
    DECLARE_DYNCREATE(CSpr5prView)
public:
    CSpr5prView();
    // The line of the code, and its name; an unknown code empties the fields.
    void OnChange5pr() override;

    CderivedCheckListBox m_codes;
    CComboBox m_poits;
    int m_bman = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FirstLoad() override;
    bool CheckEntry() override;
    bool WriteEntry() override;
    void AfterWrite() override;

    afx_msg void OnDebitBtn();
    afx_msg void OnCreditBtn();
    afx_msg void OnSubDebitBtn();
    afx_msg void OnSubCreditBtn();

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
