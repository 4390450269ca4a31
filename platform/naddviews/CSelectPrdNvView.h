// The department and pay-sheet selection form (dialog 312): two check-box
// lists side by side, m_gridDepartments (prd in column 0) and m_gridSheets
// (nv in column 0), the names in column 1. The derived form names its source
// table in the document's m_strParam before this form's initial update; the
// lists then hold the departments and sheets of that table's rows of the
// current year and month. OK builds the report (BuildReport(0)), print
// directly BuildReport(1).
#pragma once

#include "CSelectionView.h"

class CSelectPrdNvView : public CSelectionView {
    DECLARE_DYNCREATE(CSelectPrdNvView)
public:
    explicit CSelectPrdNvView(UINT nIDTemplate = 312);
    ~CSelectPrdNvView() override;

    void OnInitialUpdate() override;

    CCellwork& m_gridDepartments;
    CCellwork m_gridSheets;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void SetAllTicks(long tick) override;
    void LayOut() override;
};
