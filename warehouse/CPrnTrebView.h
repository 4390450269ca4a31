// CPrnTrebView ("prntreb", dialog 341): the month's requisitions as one
// sheet. The storekeeper ticks departments, statements and employees (each
// list narrowed by the ticks above it, CheckList.h); the sheet lists every
// line issued to the ticked employees in the working month, by date and
// material, numbered, for them to sign.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace nstovan {

class __attribute__((visibility("default"))) CPrnTrebView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnTrebView)
public:
    CPrnTrebView();
    ~CPrnTrebView() override;

    void OnInitialUpdate() override;

    void FillDepartmentList();
    void FillStatementList();
    void FillEmployeeList();
    CString DepartmentClause() const;
    CString StatementClause() const;
    CString EmployeeClause() const;
    // The sheet; the page as it was shown is kept in m_page.
    void OnPrintReport();

    CCellwork m_statements;
    CCellwork m_departments;
    CCellwork m_employees;
    CString m_page;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSelectAllDepartments();
    afx_msg void OnClearDepartments();
    afx_msg void OnSelectAllStatements();
    afx_msg void OnClearStatements();
    afx_msg void OnSelectAllEmployees();
    afx_msg void OnClearEmployees();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nstovan
