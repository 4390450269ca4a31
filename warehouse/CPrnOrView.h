// CPrnOrView ("prnor", dialog 340): the report per employee. Over a period
// the storekeeper ticks departments, statements and employees (each list
// narrowed by the ticks above it, CheckList.h); the report lists per material
// what the ticked employees held at the start, received (issues to them),
// gave up (their returns and the write-offs from them) and hold at the end.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace nstovan {

class __attribute__((visibility("default"))) CPrnOrView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnOrView)
public:
    CPrnOrView();
    ~CPrnOrView() override;

    void OnInitialUpdate() override;

    void FillDepartmentList();
    void FillStatementList();
    void FillEmployeeList();
    CString DepartmentClause() const;
    CString StatementClause() const;
    CString EmployeeClause() const;
    // The report; the page as it was shown is kept in m_page.
    void OnPrintReport();

    CCellwork m_statements;
    CCellwork m_departments;
    CCellwork m_employees;
    COleDateTime m_from;
    COleDateTime m_to;
    CString m_page;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool Period(CString& from, CString& to);

    afx_msg void OnPeriodChanged(NMHDR* pNMHDR, LRESULT* pResult);
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
