// CPrnOsInventKartView: the inventory cards of fixed assets
// ("prn_invent_kart", dialog 585): the assets with postings on 101 up to the
// end of the working period under the chosen branch, source of financing and
// responsible person; the ticked ones (the current one when none is ticked)
// are printed as the card of each asset (mode 0 of the document) or as one
// card of a group of like items (mode 1).
#pragma once
#include "AssetCards.h"
#include "CCellwork.h"
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnOsInventKartView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnOsInventKartView)
public:
    CPrnOsInventKartView();
    ~CPrnOsInventKartView() override;

    void OnInitialUpdate() override;

    CComboBox m_comboSource;
    CComboBox m_comboFil;
    CderivedEdit m_editTn;
    CCellwork m_grid;
    int m_nSource = 0;

    // Refills the assets under the current filters.
    void LoadAssets();
    // The filter of the list; false when the typed responsible person is no
    // personnel number (then no asset is listed).
    bool Filter(OsCardFilter& filter);
    // The mode of the document: 0 the card of each asset, 1 a group card.
    int Mode() const;
    // The ids of the ticked rows joined by ",", the current row ticked first
    // when none is.
    CString TickedIds();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPrint();
    afx_msg void OnTnPick();
    afx_msg void OnTnChange();
    afx_msg void OnFilterChange();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
