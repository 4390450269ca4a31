// CPrnAktSverkView: the parameter form of the act of reconciliation with a
// counterparty ("prn_akt_sverk", template and dialog 594): the branches, the
// period, the KBK list, the counterparty, the department (only where the
// payables are kept per department) and the rows per posting. OK shows the
// act in the report window.
#pragma once
#include "CderivedFormview.h"
#include "ReconciliationAct.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnAktSverkView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnAktSverkView)
public:
    CPrnAktSverkView();
    ~CPrnAktSverkView() override;

    void OnInitialUpdate() override;

    // The form's choices checked into a request; false after telling the
    // user what is wrong (the field at fault then has the focus).
    bool ReadRequest(CReconciliationRequest& request);

    CderivedEdit m_editFils, m_editKbk, m_editContr, m_editPrd;
    COleDateTime m_dateFrom, m_dateTo;
    int m_bPerPosting = 0;
    bool m_bDepartment = false;  // the department controls are shown

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnChangeContr();
    afx_msg void OnContrBtn();
    afx_msg void OnChangePrd();
    afx_msg void OnPrdBtn();
    afx_msg void OnKbkBtn();
    afx_msg void OnFILbtn();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
