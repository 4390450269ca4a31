// CNochnyeView ("NochnyeView", dialog 396): the night hours of the working
// month, one list of the whole institution (NightHours.h). Each line names a
// position row by personnel and position number, with its hours and pay code;
// the pickers (the grid's chooser, or F3 in the number columns) answer into
// the hidden fields 112 and 1149 and, for the code, by message 0x478. A line
// shows the employee's and the position's names; an employee with one
// position row gets its number and the cursor in the hours. Leaving the last
// line when every line is complete gives a new empty one. "&Записать" checks
// the lines, replaces the month and closes the form.
#pragma once
#include "CMyFormView1.h"
#include "gridbase.h"

namespace npaymar {

class CNochnyeView : public CMyFormView1 {
    DECLARE_DYNCREATE(CNochnyeView)
public:
    CNochnyeView();
    ~CNochnyeView() override;

    void OnInitialUpdate() override;
    // The picked personnel number (112) or position number (1149) into the
    // line the picker was opened for.
    void OnChangeTn() override;
    void OnChangeNpp() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Checks the lines, asks (when `ask` is nonzero), replaces the month's
    // night hours and closes the form; 1 when written.
    int Write(int ask) override;

    void Load();
    // The picker of a column (0 employee, 2 position row, 5 pay code) for a line.
    void Pick(long col, long row);
    // The line left: when it was the last one and every line is complete, a
    // new line is added, and made current when asked.
    void LeaveLine(long row, bool moveInto);
    void DeleteLine();

    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSaveCommand();
    afx_msg void OnDeleteCommand();
    afx_msg LRESULT OnCodeAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg void OnGridPick(short col, short row);
    afx_msg void OnGridChanged(short col, short row, CString* text);
    afx_msg void OnGridRowEnter(short col, short row, short* flag);

    // The names of a line after its personnel or position number changed.
    void FillNames(long col, long row);
    // Whether a window is the grid or within it (its editor).
    bool InGrid(HWND hwnd) const;

    // The line the last picker was opened for, and the current line.
    long m_pickedRow = 0;
    long m_row = -1;
    // Whether the month's lines were read whole (else nothing is saved).
    bool m_loaded = false;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace npaymar
