// CPrnOrgView ("prnorg", dialog 338): the report by organisations. Over a
// period the storekeeper ticks departments, statements, material groups and
// supplier organisations (each list narrowed by the ticks above it,
// CheckList.h); the report lists how much of each material was received from
// them. Receipts brought back by employees are in no list.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace nstovan {

class __attribute__((visibility("default"))) CPrnOrgView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnOrgView)
public:
    CPrnOrgView();
    ~CPrnOrgView() override;

    void OnInitialUpdate() override;

    void FillDepartmentList();
    void FillStatementList();
    void FillGroupList();
    void FillOrganisationList();
    CString DepartmentClause() const;
    CString StatementClause() const;
    CString GroupClause() const;
    CString OrganisationClause() const;
    // The report: the form closes, then the page shows; the page is kept in
    // m_page until then.
    void OnPrintReport();

    CCellwork m_departments;
    CCellwork m_statements;
    CCellwork m_groups;
    CCellwork m_organisations;
    COleDateTime m_from;
    COleDateTime m_to;
    CString m_page;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The period's SQL literals; false when from lies after to.
    bool Period(CString& from, CString& to);

    afx_msg void OnPeriodChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelectAllDepartments();
    afx_msg void OnClearDepartments();
    afx_msg void OnSelectAllStatements();
    afx_msg void OnClearStatements();
    afx_msg void OnSelectAllGroups();
    afx_msg void OnClearGroups();
    afx_msg void OnSelectAllOrganisations();
    afx_msg void OnClearOrganisations();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nstovan
