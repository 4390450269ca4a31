// CNipView of the tariffication module ("NipView_venz", dialog 561): one
// position assignment of an employee with its pay data: form type,
// coefficient, salary, grade increases, the percentage allowances, the
// category grant and the district and seniority flags. The employee (112)
// proposes his current assignment; each change of the running number (1149)
// loads its row. Load and save are the assignment routine (NipForm.h) over
// the tariffication columns.
#pragma once
#include "CMyFormView1.h"
#include "dlgkit.h"

namespace nvenzol {

class CNipView : public CMyFormView1 {
    DECLARE_DYNCREATE(CNipView)
public:
    CNipView();
    ~CNipView() override;

    void OnInitialUpdate() override;
    // The employee's name, then his current assignment into 1149.
    void OnChangeTn() override;

    // The edit fields, in the order of kFields (CNipView.cpp).
    CderivedEdit m_edits[29];

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnChangeNpp();
    afx_msg void OnChangeVf();
    afx_msg void OnVFbtn();
    afx_msg void OnSave();

    DECLARE_MESSAGE_MAP()
};

} // namespace nvenzol
