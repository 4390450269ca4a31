// CSprOtchisView ("spr_otchis", dialog 381): the contributions charged on
// pay. The code (1075) shows the contribution's name, target purpose,
// percentage, decimals and the pay codes of its base; an unknown code leaves
// the fields as typed, so a new contribution is entered under it.
#pragma once
#include "PayBookView.h"

namespace npaymar {

class __attribute__((visibility("default"))) CSprOtchisView : public CPayBookView {
    DECLARE_DYNCREATE(CSprOtchisView)
public:
    CSprOtchisView();
    // The contribution of the code, and its name.
    void OnChangeOtchis() override;

    CderivedCheckListBox m_codes;
    CComboBox m_poits;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FirstLoad() override;
    bool CheckEntry() override;
    bool WriteEntry() override;
    void AfterWrite() override;

    DECLARE_MESSAGE_MAP()
};

// The decimals combo of the contributions and posting lines: "0", "1", "2".
void FillDecimals(CComboBox& combo);

} // namespace npaymar
