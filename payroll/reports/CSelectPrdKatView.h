// CSelectPrdKatView (dialog 419): the base of the payroll reports over
// departments and worker categories of the working month. The departments
// with a non-zero fund in paymar_kty1, then the categories of the ticked
// departments, refilled at every change of the departments' ticks. "&Печать"
// builds the report (BuildReport(0)) once a department and a category are
// ticked.
#pragma once
#include "CMyFormView1.h"
#include "gridbase.h"

namespace npaymar {

class __attribute__((visibility("default"))) CSelectPrdKatView : public CMyFormView1 {
    DECLARE_DYNCREATE(CSelectPrdKatView)
protected:
    CSelectPrdKatView();

public:
    explicit CSelectPrdKatView(UINT nIDTemplate);
    ~CSelectPrdKatView() override;

    void OnInitialUpdate() override;

    // The report of the ticked departments and categories; the base builds nothing.
    virtual void BuildReport(int direct);

    // "and (prd=1 or prd=3)" over the ticked departments; "" when none is ticked.
    CString GetDepartmentCondition() const;

    void FillDepartments();
    void FillCategories();

    CCellwork m_gridCategories;
    CCellwork m_gridDepartments;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void CheckAllDepartments();
    afx_msg void UncheckAllDepartments();
    afx_msg void CheckAllRows();
    afx_msg void UncheckAllRows();
    afx_msg void OnPrint();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace npaymar
