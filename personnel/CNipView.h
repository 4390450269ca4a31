// CNipView of the personnel module ("NipView", dialog 302): the personnel
// clerk's record of one position assignment: the order (kind, number, date),
// the department, category and position, the number of staff rates and the
// period of work. The employee (112) proposes his current assignment; each
// change of the running number (1149) loads its row. Load and save are the
// assignment routine of the tariffication module (NipForm.h) over the
// appointment columns, so the pay columns stay as they are.
#pragma once
#include "CMyFormView1.h"
#include "dlgkit.h"

namespace nperso {

class CNipView : public CMyFormView1 {
    DECLARE_DYNCREATE(CNipView)
public:
    CNipView();
    ~CNipView() override;

    void OnInitialUpdate() override;
    // The employee's name, then his current assignment into 1149.
    void OnChangeTn() override;

    // The edit fields, in the order of kFields (CNipView.cpp).
    CderivedEdit m_edits[11];

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnChangeNpp();
    afx_msg void OnSave();

    DECLARE_MESSAGE_MAP()
};

} // namespace nperso
