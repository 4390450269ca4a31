// CTrvDView ("TrvDView", dialog 305): the time sheet of one day. It lists the
// assignments current in the working month, of all departments or of one,
// with each one's mark of the day, and writes the marks typed or chosen
// (MarkColumn.h, MarkWriter.h). The grid is filled on every change of the day
// or the department; rows holding unsaved marks are saved or dropped only
// after the user has been asked.
#pragma once
#include "CderivedFormview.h"
#include "MarkColumn.h"
#include "gridbase.h"

namespace nperso {

// The query of the day sheet's rows: "tn.npp", full name, rates, position
// and the day's mark of every assignment current in the period that begins
// on `periodStart` (not ended before it, its employee not dismissed before
// it), of department `prd` (-1 all), by personnel and assignment number (for
// one department by category first). The day and the period's first day are
// dd.mm.yyyy texts.
CString TrvDaySql(const CString& day, long prd, const CString& periodStart);

class CTrvDView : public CderivedFormview {
    DECLARE_DYNCREATE(CTrvDView)
public:
    CTrvDView();
    ~CTrvDView() override;

    void OnInitialUpdate() override;
    // Writes the marks changed since the fill, of the day the rows were
    // filled for, in one transaction; asks first when `ask` is nonzero.
    int Write(int ask) override;
    // Closing asks about unsaved marks first (Cancel keeps the window).
    void OnCancel() override;

    // Rebuilds the department list: all departments (-1), then every row of spr_prd.
    void FillDepartments();
    // Fills the grid for the day and department chosen, unless they are those
    // of the rows shown.
    void Fill();

    CCellwork m_grid;
    CComboBox m_prd;
    MarkColumn m_marks{m_grid, 4};
    // The day text and department of the rows shown: "" and -2 when none.
    CString m_lastDay;
    long m_lastPrd = -2;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    long ChosenDepartment() const;
    // `periodStart`: the working period's first day, as Fill read it.
    void LoadRows(const CString& day, long prd, const CString& periodStart);
    // Writes the rows' changed marks; nonzero when written.
    int WriteRows();
    // Puts the day and department of the rows shown back into their fields.
    void RestoreChoice();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnQueryKeepView(WPARAM, LPARAM);
    afx_msg void OnChangeDay();
    afx_msg void OnChangeCode();
    afx_msg void OnDepartmentsDropDown();
    afx_msg void OnDepartmentChosen();
    afx_msg void OnWriteCommand();
    afx_msg void OnEditStart(short col, short row, CString* text, short* cancel);
    afx_msg void OnChooser(short col, short row);
    afx_msg void OnCellChanged(short col, short row, CString* text);
    afx_msg void OnEdited(short col, short row, short key, CString* text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    bool m_restoring = false;
};

} // namespace nperso
