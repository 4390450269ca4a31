// CPrnPrixRasxView ("prnPrixRasx", dialog 342): the stock card of a material.
// The storekeeper ticks departments and statements; the material list shows
// each material's balance of all time for them, and the card of the first
// ticked material lists, over the period of the pickers, its balance before
// the period, every receipt and issue in date order with the running
// balance, the totals and the balance at the end.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace nstovan {

class __attribute__((visibility("default"))) CPrnPrixRasxView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnPrixRasxView)
public:
    CPrnPrixRasxView();
    ~CPrnPrixRasxView() override;

    void OnInitialUpdate() override;

    void FillDepartmentList();
    void FillStatementList();
    void FillMaterialBalanceList();
    CString DepartmentClause() const;
    CString StatementClause() const;
    // The movements of the material over the period, for the ticked
    // departments and statements, by date and number.
    CString MovementSql(const CString& id, const CString& from, const CString& to) const;
    // The balance of the material before the period, as "str".
    CString OpeningSql(const CString& id, const CString& from) const;
    // The card of the material of list row `row` (code `id`) over the period.
    CString BuildCard(long row, const CString& id, const CString& from, const CString& to) const;
    // The card; the page as it was shown is kept in m_page.
    void OnPrintReport();

    CCellwork m_materials;
    CCellwork m_statements;
    CCellwork m_departments;
    COleDateTime m_from;
    COleDateTime m_to;
    CString m_page;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSelectAllDepartments();
    afx_msg void OnClearDepartments();
    afx_msg void OnSelectAllStatements();
    afx_msg void OnClearStatements();
    afx_msg void OnSelectAllMaterials();
    afx_msg void OnClearMaterials();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nstovan
