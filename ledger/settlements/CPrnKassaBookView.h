// CPrnKassaBookView: the form of the cash book's insert sheet
// ("PrnKassaBookView", template 520 on dialog 450): the day, the branches
// and KBK codes the sheet counts, the sheet number and, on a month's last
// day, the month's and year's sheet counts. The number and the counts are
// counted again whenever the day or a list changes. OK shows the sheet
// (CashBookSheet.h) in the report window.
#pragma once
#include "CderivedFormview.h"
#include "CashBookSheet.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnKassaBookView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnKassaBookView)
public:
    CPrnKassaBookView();
    ~CPrnKassaBookView() override;

    void OnInitialUpdate() override;
    // The sheet number and the month's and year's counts of the form's day
    // and lists; nothing is counted while a list holds anything but ids.
    void CountSheets();

    CderivedEdit m_editFils, m_editKbk, m_editSheet, m_editMonth, m_editYear;
    CderivedDTimeCtrl m_dateCtrl;
    COleDateTime m_date;
    int m_nSheet = 0;
    int m_bLastDay = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSheet();
    afx_msg void OnLastDay();
    afx_msg void OnKbkPick();
    afx_msg void OnFilsPick();
    afx_msg void OnListChange();
    afx_msg void OnDateChange(NMHDR* header, LRESULT* result);

private:
    // The lists of the form checked; FALSE (told, the focus on the list)
    // when one holds anything but ids.
    BOOL ReadFilter(CCashBookFilter& filter, BOOL tell);
    void ShowCounts(BOOL show);

    BOOL m_bReady = FALSE;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
