// The month view of reporting periods (form 901, document name "OtpView"):
// the twelve periods of a year from table otp, with adding a year and
// changing a month's dates; choosing a month makes it the user's period.
#pragma once
#include "CCellwork.h"
#include "appcore.h"

class CSelectPieriodMonthView : public CderivedFormview {
    DECLARE_DYNCREATE(CSelectPieriodMonthView)
public:
    CSelectPieriodMonthView();

    void OnInitialUpdate() override;
    // The year whose periods the grid shows (0 before the first fill).
    int GetShownYear() const { return m_nShownYear; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void FillYears();
    void FillGrid();
    // Makes the current row's month the user's period; stays open when a
    // date is missing or the period cannot be stored.
    void Choose();

    afx_msg void OnYearChosen();
    afx_msg void OnYearsDropDown();
    afx_msg void OnChoose();
    afx_msg void OnAddYear();
    afx_msg void OnEditDates();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGridDblClick();
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);

    CCellwork m_grid;
    CComboBox m_years;
    CString m_strYear;
    int m_nShownYear = 0;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
