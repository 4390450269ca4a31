// CPrnKassaKO_3View: the form of the journal of receipt and expense cash
// documents ("PrnKassaKO_3View", dialog 519): the period and the branches,
// handed to the form's report script as "prn(start, end, branches)".
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnKassaKO_3View : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnKassaKO_3View)
public:
    CPrnKassaKO_3View();
    ~CPrnKassaKO_3View() override;

    void OnInitialUpdate() override;

    CderivedEdit m_editFils;
    COleDateTime m_dateFrom, m_dateTo;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPrint();
    afx_msg void OnFilsPick();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
