// The view of reporting periods by kind (form 900, document name
// "Otp0View"): the nineteen kinds of period of the year in the edit (months,
// quarters, half-year, nine months, the year) with their dates computed from
// the calendar; choosing one makes it the user's period.
#pragma once
#include "CCellwork.h"
#include "appcore.h"

class CSelectPieriodQwoterView : public CderivedFormview {
    DECLARE_DYNCREATE(CSelectPieriodQwoterView)
public:
    CSelectPieriodQwoterView();

    void OnInitialUpdate() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Writes the first and last day of every kind for the year in the edit.
    void ComputeDates();
    void Choose();

    afx_msg void OnChoose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnYearSpin(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnYearChanged();
    afx_msg void OnGridDblClick();

    CCellwork m_grid;
    CSpinButtonCtrl m_spin;
    int m_nMaxYear = 0;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
