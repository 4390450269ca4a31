// CDetiVozView ("DetiVozView", dialog 376): the children who reach an age in
// the working month among the children of employees with no position in
// force (on leave), the age given as the document's parameter text "Y:M:D"
// ("1:6:0" one and a half years, "3:0:0" three years, each only the children
// marked for that allowance). Each row: the employee, the birth date, the age
// at the month's last day, the day the age is reached and the days of the
// month up to it. Read only; filled once, when the form opens.
#pragma once
#include "CMyFormView1.h"
#include "gridbase.h"

namespace npaymar {

class CDetiVozView : public CMyFormView1 {
    DECLARE_DYNCREATE(CDetiVozView)
public:
    CDetiVozView();
    ~CDetiVozView() override;

    void OnInitialUpdate() override;
    void Fill();

    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CString Parameter() const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnOkCommand();
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace npaymar
