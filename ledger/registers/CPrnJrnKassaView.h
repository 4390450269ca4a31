// CPrnJrnKassaView: the parameter form of the journal of operations
// ("PrnJrnKassaView", template 517 on dialog 446). The journal is the
// document's open parameter: its accounts load from its definition
// (spr_jrn_oper, spr_jrn_oper1) into the accounts grid; without one the grid
// of the last print comes back. The bookkeeper narrows the journal by source
// of financing, KBK, branches and up to three analytic filters, and chooses
// the analytic dimension it is broken down by. OK checks the choices and
// hands them to the print (JournalChoice.h).
#pragma once
#include "CAccountPartsGrid.h"
#include "CderivedFormview.h"
#include "JournalChoice.h"
#include "dlgkit.h"

#include <vector>

namespace nledmark {

class CPrnJrnKassaView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnJrnKassaView)
public:
    CPrnJrnKassaView();
    ~CPrnJrnKassaView() override;

    void OnInitialUpdate() override;

    // Loads the journal whose code edit 1140 holds.
    void LoadJournalAccounts();
    // Rebuilds the breakdown list, the filters' captions and which of them show.
    void UpdateSubcontoFilters();
    // The breakdown chosen (book 0 for none).
    JournalBreakdown Breakdown() const;
    // Reads and checks the form; FALSE (told, the focus on the field) when a
    // list holds anything but numbers.
    BOOL ReadChoice(JournalChoice& choice);
    // The profile key of the saved grid: "jrn_kass_grid" and the journal
    // code the form opened with, -2 without one.
    CString GridKey() const;

    CderivedEdit m_editSb3Filter, m_editSb2Filter, m_editKbk, m_editCode, m_editNumber, m_editName, m_editSb1Filter;
    CderivedComboBox m_comboExpand, m_comboIf;
    int m_nJournalSb = -1;  // the journal's default breakdown book; -1 none
    COleDateTime m_dateFrom, m_dateTo;
    int m_nIf = 0;
    CCellwork m_grid;
    BOOL m_bKbkShow = FALSE;
    CderivedEdit m_editFil;
    CAccountPartsGrid m_accounts;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnSourceChange();
    afx_msg void OnSb1FilterBtn();
    afx_msg void OnSb2FilterBtn();
    afx_msg void OnSb3FilterBtn();
    afx_msg void OnJournalBtn();
    afx_msg void OnCodeChange();
    afx_msg void OnKbkBtn();
    afx_msg void OnFilBtn();
    afx_msg void OnClearAccounts();
    afx_msg LRESULT KeepEmptyRow(WPARAM, LPARAM);
    afx_msg LRESULT OnSintPicked(WPARAM, LPARAM);
    afx_msg LRESULT OnAnalitPicked(WPARAM, LPARAM);
    afx_msg LRESULT OnKosguPicked(WPARAM, LPARAM);
    afx_msg void OnGridCellClick(short col, short row);
    afx_msg void OnGridCellChanged(short col, short row, short key, CString* text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    void OpenFilterPicker(int n);
    void ShowControls(std::initializer_list<UINT> ids, bool show);

    std::vector<DimensionBook> m_expandItems;  // the books of the breakdown list after its blank item
    bool m_filterShown[3] = {false, false, false};  // the filters the accounts' dimensions show
};

} // namespace nledmark
