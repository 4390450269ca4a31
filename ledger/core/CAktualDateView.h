// CAktualDateView: the actuality date ("actual_date", dialog 392), the one
// date of the database before which postings may no longer change. It is the
// database constant "system_actual_date"; the ledger's date checks
// (GL_Verify_Date, GL_Verify_Date0) refuse postings dated on or before it.
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CAktualDateView : public CderivedFormview {
    DECLARE_DYNCREATE(CAktualDateView)
public:
    CAktualDateView();
    ~CAktualDateView() override;

    void OnInitialUpdate() override;

    CderivedEdit m_editDate;  // 1043

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The explanation is written in dark red on the form's background.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnOK();

    DECLARE_MESSAGE_MAP()

private:
    CBrush m_background;
};

} // namespace nledmark
