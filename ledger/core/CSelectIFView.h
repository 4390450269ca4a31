// CSelectIFView: the base of the report forms that choose branches, a period
// and the sources of financing found in the postings, each source optionally
// narrowed to budget classification codes. A derived report adds its print
// command and reads the choice as an SQL condition (GetIfSql) or as a
// parameter list for its report script (GetIfList).
//
// The checked sources persist in the profile ("constants"/"select_if", shared
// by every report of this kind: "" all, else the checked codes joined by ","),
// the branch text per project type ("constants<type>"/"select_fil_prn0").
#pragma once
#include "CCellwork.h"
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

// The answer of the budget classification chooser of a source's row.
constexpr UINT kKbkAnswerMsg = 0x469;

class CSelectIFView : public CderivedFormview {
    DECLARE_DYNCREATE(CSelectIFView)
public:
    // A derived report on its own dialog: the period is the user's working
    // year up to the working period's end.
    explicit CSelectIFView(UINT dialogId, HINSTANCE hModule = AFX_CALLER_MODULE);
    // Dynamic creation: dialog 572, both dates left at zero.
    CSelectIFView();
    ~CSelectIFView() override;

    void OnInitialUpdate() override;

    // The condition of the checked sources over the debit side of the
    // postings, " and (...)" to append to a where clause: per source
    // "deb0=<code>", narrowed to its codes by "kbk_deb=<code>" ...; none
    // checked gives a condition no posting meets.
    CString GetIfSql();
    // One item per checked source, "<code>:<codes of column 2>:<column 3>",
    // the items joined by ";" (the third field empty in a three-column grid).
    CString GetIfList();
    void SaveIfSelection();
    // Refills the grid with the sources used in postings up to the period
    // end, keeping the saved checks.
    void FillIfGrid();

    // The section of the branch text ("constants" + the project type).
    static CString BranchSection();
    // The query of the sources used in postings up to `endLiteral` (an SQL
    // date literal), one column col0 in order.
    static CString SourcesSql(const CString& endLiteral);

    short m_nRow = -1;          // the row whose codes are being chosen
    CderivedEdit m_editFil;     // 1144: the chosen branch ids, "1,3"
    CderivedComboBox m_combo;   // for derived dialogs; not bound here
    COleDateTime m_date1;       // 1010
    COleDateTime m_date2;       // 1011
    CCellwork m_grid;           // 10051
    CString m_strSelectIf;      // the saved selection

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Event 5 of the grid: the chooser of a cell. Column 2 opens the budget
    // classification chooser of the row's source for all branches.
    virtual void OnGridEvent(short col, short row);

    afx_msg void OnSelectAll();
    afx_msg void OnClearAll();
    afx_msg void OnDateChange(NMHDR* header, LRESULT* result);
    afx_msg LRESULT OnKbkChosen(WPARAM wParam, LPARAM lParam);
    afx_msg void OnFILbtn();
    afx_msg void OnGridChecked();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
