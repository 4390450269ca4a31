// CPrnSvodVenzView ("prn_venzol_svod", dialog 571): the form from which the
// summary of the tariffication is printed. The dates offer the statements
// that can be printed; OK stores the dates and shows the summary of the
// ticked statements (TariffSummary.h) in the report window.
#pragma once
#include "CderivedFormview.h"
#include "TariffSummary.h"
#include "gridbase.h"

namespace nvenzol {

class CPrnSvodVenzView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnSvodVenzView)
public:
    CPrnSvodVenzView();
    ~CPrnSvodVenzView() override;

    void OnInitialUpdate() override;

    void FillNvGrid();
    // The dates, the statement condition of the ticked rows (none when every
    // row is ticked) and their names.
    TariffSummaryRequest Request();

    COleDateTime m_d1, m_d2;
    CCellwork m_nvGrid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnDateChange(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};

} // namespace nvenzol
