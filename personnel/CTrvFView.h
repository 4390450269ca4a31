// CTrvFView ("TrvFView", dialog 304): the time sheet of one assignment over
// the working month, one row per day with its weekday and mark, Saturdays and
// Sundays in red. The employee (112) offers his assignments current in the
// month, strictly after its first day (1149); the marks are typed or chosen
// and written as in the day sheet (MarkColumn.h, MarkWriter.h).
#pragma once
#include "CMyFormView1.h"
#include "MarkColumn.h"
#include "gridbase.h"

namespace nperso {

class CTrvFView : public CMyFormView1 {
    DECLARE_DYNCREATE(CTrvFView)
public:
    CTrvFView();
    ~CTrvFView() override;

    void OnInitialUpdate() override;
    // Offers the employee's current assignment and refills.
    void OnChangeTn() override;
    // Writes the marks changed since the fill, of the assignment the rows
    // were filled for, in one transaction; asks first when `ask` is nonzero.
    int Write(int ask) override;
    // Closing asks about unsaved marks first (Cancel keeps the window).
    void OnCancel() override;

    // Fills a row per day of the working month, unless the employee and
    // assignment are those of the rows shown.
    void Fill();

    CCellwork m_grid;
    MarkColumn m_marks{m_grid, 2};
    // The personnel and assignment numbers of the rows shown.
    CString m_lastTn;
    CString m_lastNpp;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OfferAssignment();
    void ShowPosition();
    void LoadDays(const CString& tn, const CString& npp);
    int WriteRows();
    void RestoreChoice();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnQueryKeepView(WPARAM, LPARAM);
    afx_msg void OnChangeNpp();
    afx_msg void OnChangeCode();
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
