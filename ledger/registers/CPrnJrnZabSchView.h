// CPrnJrnZabSchView: the statement of off-balance accounts ("prn_zab_sch",
// template and dialog 563): the branch list, the period and the grid of the
// off-balance accounts posted in them, refilled on every change of a date or
// the branch. OK, or an edit started in the grid (the form's way to choose a
// row), prints the current account's statement through the form's report
// "prn".
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace nledmark {

// The query of the off-balance accounts posted from `from` to `to` (SQL date
// literals) in a branch (-2 = every branch): each account once, source digit
// and synthetic account, with the name of the chart row of the synthetic
// account, ordered by account and source.
CString OffBalanceAccountsSql(const CString& from, const CString& to, long branch);

class CPrnJrnZabSchView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnJrnZabSchView)
public:
    CPrnJrnZabSchView();
    ~CPrnJrnZabSchView() override;

    void OnInitialUpdate() override;

    // Lists the off-balance accounts of the period and branch chosen.
    void Refill();
    // The branch id of the selected entry (-2 = every branch).
    long Branch() const;

    CderivedComboBox m_comboFil;
    COleDateTime m_dateFrom, m_dateTo;
    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnDateChange(NMHDR*, LRESULT* result);
    afx_msg void OnFilChange();
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    void Print();
};

} // namespace nledmark
