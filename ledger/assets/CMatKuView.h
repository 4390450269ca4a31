// CMatKuView: the accounting cards of material values ("mat_ku", dialog 508),
// forms 0504041, 0504042 and 0504043, for the stock items ticked in the grid:
// the items posted to or from 105 up to the end of the working period under
// the chosen branch, source of financing and responsible person.
#pragma once
#include "CCellwork.h"
#include "CderivedFormview.h"
#include "MaterialCards.h"
#include "dlgkit.h"

namespace nledmark {

class CMatKuView : public CderivedFormview {
    DECLARE_DYNCREATE(CMatKuView)
public:
    CMatKuView();
    ~CMatKuView() override;

    void OnInitialUpdate() override;

    CComboBox m_comboSource;
    CComboBox m_comboFil;
    CderivedEdit m_editTn;
    CCellwork m_grid;
    int m_nSource = 0;

    // Refills the items under the current filters.
    void LoadItems();
    // The filter of the item list; false when the typed responsible person is
    // no personnel number (then no item is listed).
    bool Filter(MatCardFilter& filter);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void PrintCards(const char* form);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPrint041();
    afx_msg void OnPrint042();
    afx_msg void OnPrint043();
    afx_msg void OnTnPick();
    afx_msg void OnTnChange();
    afx_msg void OnFilterChange();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
