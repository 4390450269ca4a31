// COSNachOstView: the opening balances of fixed assets ("OSNachOstView",
// dialog 505): a branch and the date of the balances. "&Провести" checks the
// date, asks, has the database post the balances of the branch's cards
// (AssetOpeningBalances.h) and says how many cards it posted; the form stays
// open for another branch or date.
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class COSNachOstView : public CderivedFormview {
    DECLARE_DYNCREATE(COSNachOstView)
public:
    COSNachOstView();
    ~COSNachOstView() override;

    void OnInitialUpdate() override;

    CComboBox m_comboFil;  // 1115
    CderivedEdit m_editDate;  // 1043

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPost();

    DECLARE_MESSAGE_MAP()

private:
    void FocusDate();
};

} // namespace nledmark
