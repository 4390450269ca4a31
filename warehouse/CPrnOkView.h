// CPrnOkView ("prn_ok", dialog 348): "Отчет по кабинетам", the statement of
// the movement of stock over a period for the ticked departments, statements
// and material groups: per material the balance at the start, the receipts,
// the issues and the balance at the end. For department 1 alone with
// statement 3 among the ticks the issues are split into three cabinet
// columns, for department 3 alone into two.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

#include <vector>

namespace nstovan {

// An issue column of the report: its caption and its cabinet condition.
struct CabinetColumn {
    const char* caption;
    const char* condition;
};

class __attribute__((visibility("default"))) CPrnOkView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnOkView)
public:
    CPrnOkView();
    ~CPrnOkView() override;

    void OnInitialUpdate() override;

    void FillDepartmentList();
    void FillStatementList();
    void FillGroupList();
    CString DepartmentClause() const;
    CString StatementClause() const;
    CString GroupClause() const;
    // The issue columns the ticks choose: none for the plain layout.
    std::vector<CabinetColumn> Cabinets() const;
    // The report's query of the materials and the query of one cabinet column.
    CString ReportSql(const CString& from, const CString& to) const;
    CString CabinetSql(const CabinetColumn& cabinet, const CString& from, const CString& to) const;
    // The page over the period (SQL date literals) as the ticks stand.
    CString BuildReport(const CString& from, const CString& to) const;
    // The report; the page as it was shown is kept in m_page.
    void OnPrintReport();

    CCellwork m_departments;
    CCellwork m_statements;
    CCellwork m_groups;
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
    afx_msg void OnSelectAllGroups();
    afx_msg void OnClearGroups();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nstovan
