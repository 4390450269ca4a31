// CHlam0View: the report by sources of financing ("hlam0"): the balances at
// the end of the period for the chosen branches, sources and budget
// classification codes. OK runs the form's report script "prn(date, list,
// branches)" twice: report 0 (balances by source, code and account) and
// report 1 (the same by analytic values).
#pragma once
#include "CSelectIFView.h"

namespace nledmark {

class CHlam0View : public CSelectIFView {
    DECLARE_DYNCREATE(CHlam0View)
public:
    CHlam0View();
    void OnInitialUpdate() override;

    // The call text both reports get.
    CString ReportCall();

protected:
    afx_msg void OnOK();
    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
