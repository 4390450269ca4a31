// CUnpostedDocView: the base of the settlements documents that write no
// postings (the powers of attorney, the cheque-book application, the cash
// deposit announcement, the purchase book entry). They keep the protocol's
// load, checks, stored-date check, question, insert or update and PostOK,
// but take no document id: their rows keep `id` 0.
//
// The initial update is one body for all of them: the base's, the form's own
// preparation (grid rows), the frame fitted to the form, then the load.
// The handlers of the fields several of them share are members here, bound
// by each form in its own message map.
#pragma once
#include "CPostingDocView.h"

namespace nledmark {

// The number field of the document forms.
constexpr UINT kDocNumberId = 1102;

class CUnpostedDocView : public CPostingDocView {
    DECLARE_DYNAMIC(CUnpostedDocView)
public:
    void OnInitialUpdate() override;

    BOOL HasPostings() const override { return FALSE; }
    BOOL WritePostings(long) override { return TRUE; }

protected:
    explicit CUnpostedDocView(UINT nIDTemplate);
    ~CUnpostedDocView() override;

    // The form's own name, its caption when the opener gave none.
    virtual const char* FormName() const = 0;
    // What the form sets up before its first load (grid rows, proportions).
    virtual void PrepareForm() {}
    UINT NumberFieldId() const override { return kDocNumberId; }
    // The branch of the stored row or of the profile, into the branch list
    // (1115); a form whose list cannot be filled closes.
    void ShowBranch(int branch);
    // The branch last saved by a document form (profile "constants",
    // "select_fil", default 1), and remembering the one just saved.
    static int RememberedBranch();
    static void RememberBranch(int branch);

    afx_msg void OnTnChange();
    afx_msg void OnOrgPick();
    afx_msg void OnOrgChange();
    afx_msg void OnSourcePick();
    afx_msg void OnAccountChange();
};

} // namespace nledmark
