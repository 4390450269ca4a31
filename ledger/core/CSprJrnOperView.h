// CSprJrnOperView: the account masks of the journals of operations
// ("spr_jrn_oper1", dialog 634). The bookkeeper chooses a journal and edits
// its masks (synthetic account, analytic account, KOSGU code) in a grid with
// the chart-of-accounts pickers; a save replaces the journal's masks as a
// whole. The form stays open.
#pragma once
#include "CCellwork.h"
#include "CderivedFormview.h"

namespace nledmark {

// Columns of the masks grid.
enum JrnColumn { JRN_SINT = 0, JRN_ANAL = 1, JRN_KOSGU = 2 };

class CSprJrnOperView : public CderivedFormview {
    DECLARE_DYNCREATE(CSprJrnOperView)
public:
    CSprJrnOperView();
    ~CSprJrnOperView() override;

    void OnInitialUpdate() override;
    long JournalId() const { return m_id; }

    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnChooseJournal();
    afx_msg LRESULT OnJournalChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnKeepEmptyRow(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSintChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAnalChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnKosguChosen(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClearRow();
    afx_msg void OnSave();
    afx_msg void OnGridChooser(short col, short row);
    afx_msg void OnGridChanged(short col, short row, CString* text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    void LoadJournal(long id);
    CString Cell(int col, long row) const;
    void TakeMask(int col, LPARAM lParam);
    // The masks are whole codes: 3 digits, then 2 or none, then 3 or none.
    BOOL CheckMasks();

    long m_id = -1;
    long m_rows[3] = {65535, 65535, 65535};  // the row each picker answers into
};

} // namespace nledmark
