// CSchetEdit: the account field of the ledger's document forms. A user may
// type a short form of the account; when the field loses the focus the
// configuration's script expands it into the full 9-character code for the
// side of the posting the field stands for. A text with a "." (304.05.2) is
// left as typed.
#pragma once
#include "CderivedEdit.h"

namespace nledmark {

class CSchetEdit : public CderivedEdit {
    DECLARE_DYNCREATE(CSchetEdit)
public:
    CSchetEdit();
    ~CSchetEdit() override;

    // 1 for a debit-side field, 0 for a credit-side one (owning views set 0
    // for their credit fields in their constructors).
    int m_bDebit;

    afx_msg void OnKillFocus(CWnd* pNewWnd) override;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
