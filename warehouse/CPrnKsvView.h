// CPrnKsvView ("prnksv", dialog 339): the report "Кто сколько взял". The
// storekeeper ticks departments, statements, material groups and employees,
// each list narrowed by the ticks above it (CheckList.h); the report lists,
// per material in code order, how much the ticked employees were issued in
// the working month and how much they brought back.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace nstovan {

class __attribute__((visibility("default"))) CPrnKsvView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnKsvView)
public:
    CPrnKsvView();
    ~CPrnKsvView() override;

    void OnInitialUpdate() override;

    void FillDepartmentList();
    void FillStatementList();
    void FillGroupList();
    void FillEmployeeList();
    CString DepartmentClause() const;
    CString StatementClause() const;
    CString GroupClause() const;
    CString EmployeeClause() const;
    // The queries of the lists as the ticks above them stand ("" when a list
    // above has no tick) and of the report.
    CString DepartmentListSql() const;
    CString StatementListSql() const;
    CString GroupListSql() const;
    CString EmployeeListSql() const;
    CString ReportSql() const;
    // The report's page, built from the ticks.
    CString BuildReport() const;
    // The report; the page as it was shown is kept in m_page.
    void OnPrintReport();

    CCellwork m_employees;
    CCellwork m_departments;
    CCellwork m_statements;
    CCellwork m_groups;
    CString m_page;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSelectAllDepartments();
    afx_msg void OnClearDepartments();
    afx_msg void OnSelectAllStatements();
    afx_msg void OnClearStatements();
    afx_msg void OnSelectAllGroups();
    afx_msg void OnClearGroups();
    afx_msg void OnSelectAllEmployees();
    afx_msg void OnClearEmployees();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nstovan
