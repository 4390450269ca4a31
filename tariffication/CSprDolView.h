// CSprDolView ("venz_spr_dol", dialog 493): the book of staff positions. The
// code (1083) loads the position: its category, grade, harmful-conditions
// allowance and salary group, its name beside the code, and a grid row per pay
// statement (statement 4 not listed) with the rate and the contract amount.
// The save writes the position and its rates in one transaction
// (PositionBook.h); "Кто" lists the employees assigned to the position.
#pragma once
#include "CMyFormView1.h"
#include "gridbase.h"
#include "dlgkit.h"

namespace nvenzol {

class CSprDolView : public CMyFormView1 {
    DECLARE_DYNCREATE(CSprDolView)
public:
    CSprDolView();
    ~CSprDolView() override;

    void OnInitialUpdate() override;
    // The position of the code: its fields, its name and its rates.
    void OnChangeDol() override;

    enum Column { COL_NV = 0, COL_NAME = 1, COL_ST = 2, COL_S = 3 };

    CderivedEdit m_code;
    CderivedEdit m_group;
    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSave();
    afx_msg void OnWho();
    afx_msg void OnGRbtn();

    DECLARE_MESSAGE_MAP()

private:
    void FillRates(const CString& code);
};

} // namespace nvenzol
