// CZakluchView: the closing entries form ("zalkuch", dialog 495): one
// operation date and "&ОК", which runs the closing its document's parameter
// names (1-5 the special closings, any other the annual closing of the
// accounts the configuration lists) over every branch, after the date check
// and a question, and closes the form once the run is written.
#pragma once
#include "CDocumentView.h"

namespace nledmark {

class CZakluchView : public CDocumentView {
    DECLARE_DYNCREATE(CZakluchView)
public:
    CZakluchView();
    ~CZakluchView() override;

    void OnInitialUpdate() override;
    // The closing mode of the form's document.
    int ClosingParam() const;

    COleDateTime m_date;  // 1010

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void CloseYearAccounts();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
