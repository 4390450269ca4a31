// CPrnOborotSchView: the parameter form of the turnover statement by account
// ("PrnOborotSchView", template 522 on dialog 453): the accounts grid (typed,
// picked part by part or loaded from a journal of operations), the branches,
// the period, the source of financing, the KBK list, up to three analytic
// dimensions ("Субконто": the reference book and the values) and the split
// by KBK. OK keeps the choices and hands them to the form's script "OnOk",
// which prints the statement.
#pragma once
#include "CAccountPartsGrid.h"
#include "CderivedFormview.h"
#include "dlgkit.h"

#include <vector>

namespace nledmark {

// The kind list's entries as OK passes them: the selected index (0 for none
// or the blank entry) and the book of the selected entry (-1 for none).
struct KindChoice {
    int index = 0;
    int book = -1;
};

class CPrnOborotSchView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnOborotSchView)
public:
    CPrnOborotSchView();
    ~CPrnOborotSchView() override;

    void OnInitialUpdate() override;

    // The "OnOk" call of the form's current choices.
    CString OkCall();
    // Rebuilds the three kind lists from the books of the grid's accounts and
    // shows the subconto rows of the dimensions the accounts have.
    void RebuildKinds();
    // Loads the accounts of the journal whose code edit 1140 holds.
    void LoadJournal();
    KindChoice Kind(int k) const;  // k = 0..2

    CderivedEdit m_editFils, m_editCode, m_editKbk;
    CderivedComboBox m_comboSource;
    CderivedComboBox m_comboKind[3];
    COleDateTime m_dateFrom, m_dateTo;
    int m_nSource = 0;
    int m_bSplit = 0;
    CCellwork m_grid;
    CAccountPartsGrid m_accounts;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnSourceChange();
    afx_msg void OnValue1Btn();
    afx_msg void OnValue2Btn();
    afx_msg void OnValue3Btn();
    afx_msg void OnJournalBtn();
    afx_msg void OnCodeChange();
    afx_msg void OnKbkBtn();
    afx_msg void OnFilBtn();
    afx_msg void OnClear();
    afx_msg LRESULT KeepEmptyRow(WPARAM, LPARAM);
    afx_msg LRESULT OnSintPicked(WPARAM, LPARAM);
    afx_msg LRESULT OnAnalitPicked(WPARAM, LPARAM);
    afx_msg LRESULT OnKosguPicked(WPARAM, LPARAM);
    afx_msg void OnGridCellClick(short col, short row);
    afx_msg void OnGridCellChanged(short col, short row, short key, CString* text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    void OpenValuePicker(int k);
    void Picked(int col, LPARAM code);

    std::vector<DimensionBook> m_books;  // the entries of each kind list after its blank one
};

} // namespace nledmark
