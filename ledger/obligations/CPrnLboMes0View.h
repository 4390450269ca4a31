// Execution of monetary obligations (report "prn_lbo_mes0"): on the form of
// the reports by sources of financing, a period from 1 January, one branch or
// all and the checked sources; OK shows the page and leaves the form open.
#pragma once
#include "CSelectIFView.h"
#include "ObligationsExecutionPage.h"

namespace nledmark {

class CPrnLboMes0View : public CSelectIFView {
    DECLARE_DYNCREATE(CPrnLboMes0View)
public:
    CPrnLboMes0View();
    void OnInitialUpdate() override;

    // The filter of the form; "" in `error` or the message that stops the run.
    ObligationsFilter Filter(CString& error);

protected:
    afx_msg void OnOK();
    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
