// CInvView ("InvView", dialog 434): the disabled employees, one row each: the
// disability group and the certificate's series, number and date. Typing a
// personnel number shows his row; a save replaces it without a question, a
// delete asks first.
#pragma once
#include "CMyFormView1.h"
#include "dlgkit.h"

namespace npaymar {

class CInvView : public CMyFormView1 {
    DECLARE_DYNCREATE(CInvView)
public:
    CInvView();
    ~CInvView() override;

    void OnInitialUpdate() override;
    // The name and the employee's row.
    void OnChangeTn() override;
    // The employees of the list.
    void OnTNListbtn();
    // The save of command 1 and the delete of 32790: TRUE when written.
    BOOL Save();
    BOOL Delete();

    CderivedEdit m_edits[3];

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSaveCommand();
    afx_msg void OnDeleteCommand();

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
