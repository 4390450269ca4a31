// CSelectYearView (dialog 405): the base of the payroll reports over months of
// the working year. One check list of the months that have rows in m_table
// (column 0 the month's number, column 1 its name, written as the number
// is); OK builds the report of the ticked months (BuildReport(0)), print
// directly BuildReport(1); with no month ticked both answer "Выберите месяц".
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace npaymar {

class __attribute__((visibility("default"))) CSelectYearView : public CderivedFormview {
    DECLARE_DYNCREATE(CSelectYearView)
protected:
    CSelectYearView();

public:
    explicit CSelectYearView(UINT nIDTemplate);
    ~CSelectYearView() override;

    void OnInitialUpdate() override;

    virtual void OnPrintDirect();
    // "and (paymar_NUz.ms=1 or paymar_NUz.ms=3)" over the ticked months in
    // row order; "" when none is ticked.
    virtual CString GetMonthCondition();
    // The report of the ticked months; the base builds nothing.
    virtual void BuildReport(int direct);

    void FillMonths();

    CCellwork m_grid;
    // The table whose months are listed.
    CString m_table;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The check before a report, then the report; an error escaping it is
    // reported and the form stays open.
    void RunReport(int direct);

    afx_msg void CheckAllRows();
    afx_msg void UncheckAllRows();
    afx_msg void OnOK();
    afx_msg void OnPrintDirectCommand();
    void OnMonthCellChanged(short col, short row, CString* text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace npaymar
