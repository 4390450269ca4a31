// CRnUd: the window of the monthly accrual run. It starts the run's worker
// and shows what is being computed; it ends with IDOK when the month was
// written (with a beep), with IDCANCEL when the run failed or the user
// cancelled it. The worker reaches it only by messages to its handle.
#pragma once
#include "AccrualRun.h"
#include "dlgkit.h"

namespace npaymar {

class CRnUd : public CderivedDialog {
public:
    explicit CRnUd(CWnd* parent = nullptr);
    // A window gone before its run ended takes the run with it: it rolls back.
    ~CRnUd() override;
    // The run this window started (null before it opened).
    std::shared_ptr<AccrualRun> Run() const { return m_run; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnStatus(WPARAM stage, LPARAM);

private:
    std::shared_ptr<AccrualRun> m_run;
    bool m_asking = false;  // the question to cancel is open

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
