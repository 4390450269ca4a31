// CBudgetDocView: the header that the budget assignments and the budget
// obligation share: branch, number, base document, the debit and credit
// accounts with their KBKs, the department and the note. The accounts are
// kept with KOSGU "000" (leaving an account field resets its tail); each
// posting completes them from its economic code (BudgetPostings.h).
//
// The department fields show only while an analytic dimension of the
// accounts the postings use keeps departments (spr_prd); the view says which
// accounts those are, and they are looked at again whenever they change, so a
// save never asks for a department the user cannot see.
#pragma once
#include "BudgetPostings.h"
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "dlgkit.h"

#include <vector>

namespace nledmark {

class CBudgetDocView : public CPostingDocView {
    DECLARE_DYNAMIC(CBudgetDocView)
public:
    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedEdit m_editNumber;
    CderivedEdit m_editIcn;
    CderivedEdit m_editDebit;
    CderivedEdit m_editCredit;
    CderivedEdit m_editKbkDebit;
    CderivedEdit m_editKbkCredit;
    CderivedEdit m_editPrd;
    CderivedEdit m_editPrim;
    CString m_strNumber;
    CString m_strIcn;
    CString m_strDebit;
    CString m_strCredit;
    CString m_strKbkDebit;
    CString m_strKbkCredit;
    CString m_strPrd;
    CString m_strPrim;

    // Nonzero while the department fields are shown.
    BOOL DepartmentShown() const;

protected:
    explicit CBudgetDocView(UINT nIDTemplate);
    ~CBudgetDocView() override;

    void DoDataExchange(CDataExchange* pDX) override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }
    // A successful save closes the form.
    void AfterSave() override;

    // The accounts whose dimensions decide the department fields.
    virtual std::vector<CString> PostedAccounts() = 0;
    // Shows or hides the department fields for the accounts as they are now.
    void DecideDepartmentFields();
    void ShowDepartmentFields(BOOL show);
    // A posting side needs a department and none is given: the fields are
    // shown, "Укажите подразделение", the focus goes to the field; FALSE.
    BOOL CheckDepartment(const CBudgetSide& debit, const CBudgetSide& credit);
    // The account fields' tails reset to "000".
    void ResetAccountTails();

    afx_msg void OnKbkDebit();
    afx_msg void OnKbkCredit();
    afx_msg void OnDepartmentPick();
    afx_msg void OnDepartmentChange();
    afx_msg void OnDebitKillFocus();
    afx_msg void OnCreditKillFocus();
    afx_msg void OnAccountChange();

private:
    void ResetTail(UINT ctrlId);

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
