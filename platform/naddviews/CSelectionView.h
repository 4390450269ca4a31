// The base of the shared selection forms: check-box lists (the key in
// column 0, the name in column 1), commands to tick every row or none, and
// the report the derived form builds from the ticked rows: OK and print call
// BuildReport(0), print directly BuildReport(1). An error escaping the report
// is reported and the form stays open.
#pragma once

#include "appcore.h"
#include "gridbase.h"

class CSelectionView : public CderivedFormview {
    DECLARE_DYNAMIC(CSelectionView)
public:
    CSelectionView(UINT nIDTemplate, HINSTANCE hModule);
    ~CSelectionView() override;

    // The report of the ticked rows; the base builds nothing.
    virtual void BuildReport(int direct);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Ticks every row of every list (1) or clears them (0).
    virtual void SetAllTicks(long tick);
    // Places the lists and the buttons after a change of size.
    virtual void LayOut();
    // Calls BuildReport, reporting what escapes it.
    void RunReport(int direct);

    CCellwork m_grid;

    afx_msg void OnSelall();
    afx_msg void OnClearlist();
    afx_msg void OnOk();
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintDirect();
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
