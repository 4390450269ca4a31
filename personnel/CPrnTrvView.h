// CPrnTrvView ("PrnTrvView", dialog 301): the print of the time sheets of
// chosen departments for a range of days. It lists the departments that have
// marks in the range (a refill at each change of a date clears the ticks); OK
// stores the range and asks the configuration's prn_GetTRV for each ticked
// department in turn, which shows its time sheet in a report window. The
// framework's print commands are disabled here: OK prints.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace nperso {

class CPrnTrvView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnTrvView)
public:
    CPrnTrvView();
    ~CPrnTrvView() override;

    void OnInitialUpdate() override;
    void FillPrdGrid();

    CCellwork m_grid;
    COleDateTime m_d1, m_d2;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnSelectAll();
    afx_msg void OnClear();
    afx_msg void OnDateChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnUpdatePrint(CCmdUI* pCmdUI);
    afx_msg void OnNoPrint();

    DECLARE_MESSAGE_MAP()
};

} // namespace nperso
