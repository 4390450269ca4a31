// CSelectMonthNV (dialog 401): the base of the payroll reports over months of
// the working year and pay sheets. The months that have rows in paymar_M,
// then the pay sheets of paymar_NUz in the ticked months, refilled at every
// change of the months' ticks (the sheets' own ticks are lost then). The box
// "&Суммировать в один отчет" is hidden until a derived form shows it. The
// "&ОК" button builds the report (BuildReport(0)) once a month and a sheet
// are ticked.
#pragma once
#include "CMyFormView1.h"
#include "gridbase.h"

namespace npaymar {

class __attribute__((visibility("default"))) CSelectMonthNV : public CMyFormView1 {
    DECLARE_DYNCREATE(CSelectMonthNV)
protected:
    CSelectMonthNV();

public:
    explicit CSelectMonthNV(UINT nIDTemplate);
    ~CSelectMonthNV() override;

    void OnInitialUpdate() override;

    // Over the ticked months on paymar_NUz.ms, and over the ticked sheets on
    // paymar_NUz.nv; "" when none is ticked.
    virtual CString GetMonthCondition();
    virtual CString GetSheetCondition();
    // The report of the ticked months and sheets; the base builds nothing.
    virtual void BuildReport(int direct);

    // "1,2,3": the ticked months, and the ticked sheets.
    CString GetMonthList() const;
    CString GetSheetList() const;

    void FillMonths();
    void FillSheets();

    CCellwork m_gridSheets;
    CCellwork m_gridMonths;
    int m_bOneReport = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void CheckAllMonths();
    afx_msg void UncheckAllMonths();
    afx_msg void CheckAllRows();
    afx_msg void UncheckAllRows();
    afx_msg void OnPrint();
    void OnMonthCellChanged(short col, short row, CString* text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace npaymar
