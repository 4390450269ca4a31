// Budget obligations and balances by contract (report "prn_ost_dogovor"): the
// contracts in force with a tick each, the branch, the source and an economic
// code; OK shows plan, fact and balance by month for the ticked contracts.
#pragma once
#include "CCellwork.h"
#include "CLboReportForm.h"
#include "ContractBalancePage.h"

namespace nledmark {

class CPrnOstDogovoraView : public CLboReportForm {
    DECLARE_DYNCREATE(CPrnOstDogovoraView)
public:
    CPrnOstDogovoraView();
    void OnInitialUpdate() override;
    // The filter of the form; empty contracts when none is ticked.
    ContractBalanceFilter Filter();

    CderivedEdit m_editEkr;  // 1095
    CCellwork m_grid;        // 10051: contract id, name, a tick per row

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void SelectAllContracts();
    afx_msg void ClearAllContracts();
    afx_msg void OnChangeEkr();
    afx_msg void OnEKRbtn();
    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
