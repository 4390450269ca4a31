// CSprFilsView: the branches of the institution ("Филиалы", dialog 643), one
// branch at a time: the code typed or chosen shows its branch, OK writes it
// back (a new branch without a code gets the next one). The form stays open
// for the next branch.
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CSprFilsView : public CderivedFormview {
    DECLARE_DYNCREATE(CSprFilsView)
public:
    CSprFilsView();
    ~CSprFilsView() override;

    void OnInitialUpdate() override;

    CderivedEdit m_editCode;  // 1144

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnCodeChange();
    afx_msg void OnChooseBranch();
    afx_msg void OnSave();
    DECLARE_MESSAGE_MAP()

private:
    CString Field(UINT id) const;
    void FocusCode();
    // Writes the branch; FALSE when nothing was written.
    BOOL WriteBranch(const CString& code);
};

} // namespace nledmark
