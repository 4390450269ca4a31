// CSprTvxView ("TvxView", dialog 379): the pay-code groups. The owner pay
// code (1004) shows every pay code with the group's members ticked; the save
// replaces the members (none ticked: the group goes).
#pragma once
#include "PayBookView.h"

namespace npaymar {

class __attribute__((visibility("default"))) CSprTvxView : public CPayBookView {
    DECLARE_DYNCREATE(CSprTvxView)
public:
    CSprTvxView();
    // The group of the owner code and the code's name.
    void OnChangeVou() override;

    CderivedCheckListBox m_codes;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool CheckEntry() override;
    bool WriteEntry() override;
    void AfterWrite() override;

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
