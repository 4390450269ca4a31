// CPrnOsOpisInvKartView: the list of inventory cards of fixed assets
// ("prn_os_opis_inv_kart", dialog 591): the fixed-asset accounts ticked in
// the grid, a branch, a source of financing, a responsible person, a
// department and the bounds of the value, handed to the form's report "prn".
#pragma once
#include "AssetCards.h"
#include "CCellwork.h"
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnOsOpisInvKartView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnOsOpisInvKartView)
public:
    CPrnOsOpisInvKartView();
    ~CPrnOsOpisInvKartView() override;

    void OnInitialUpdate() override;

    CComboBox m_comboSource;
    CComboBox m_comboFil;
    CderivedEdit m_editTn, m_editPrd, m_editFrom, m_editTo;
    CCellwork m_grid;
    int m_nSource = 0;

    // The report call of the form as it is filled; false (the user told,
    // the field focused) when a code or a bound is no number.
    bool ReportCall(CString& call);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPrint();
    afx_msg void OnTnPick();
    afx_msg void OnTnChange();
    afx_msg void OnPrdPick();
    afx_msg void OnPrdChange();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
