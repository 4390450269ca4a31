// CPrnOsvView: the form of the turnover-and-balance sheet ("PrnOsvView",
// template 516 on dialog 442): the KBK list, the branches, the period, the
// source of financing and "Раскрывать КОСГУ". OK builds the sheet
// (TurnoverSheet.h) for this connection and shows it in the report window.
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnOsvView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnOsvView)
public:
    CPrnOsvView();
    ~CPrnOsvView() override;

    void OnInitialUpdate() override;

    CderivedEdit m_editKbk, m_editFils;
    COleDateTime m_dateFrom, m_dateTo;
    int m_nSource = 0;  // 0 every source, 1-4 the digit
    int m_bExpand = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnKbkBtn();
    afx_msg void OnFILbtn();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
