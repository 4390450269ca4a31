// COSInventView: the inventory list of fixed assets ("os_invent", dialog
// 506): the accounts of fixed assets ticked in the grid (all but the
// depreciation accounts), a branch, a source of financing, a responsible
// person and a department, handed to the form's report script. "Все сразу"
// hides the value bands; the bands only change what the form shows.
#pragma once
#include "CCellwork.h"
#include "CderivedFormview.h"
#include "MaterialCards.h"
#include "dlgkit.h"

#include <vector>

namespace nledmark {

class COSInventView : public CderivedFormview {
    DECLARE_DYNCREATE(COSInventView)
public:
    COSInventView();
    ~COSInventView() override;

    void OnInitialUpdate() override;

    CComboBox m_comboSource;  // 1016
    CComboBox m_comboFil;     // 1115
    CderivedEdit m_editTn;    // 112
    CderivedEdit m_editPrd;   // 1028
    CCellwork m_grid;         // 10051
    int m_nSource = 0;        // 0 all, else the source of financing
    BOOL m_bAll = TRUE;       // 1079 "Все сразу"
    int m_nBand = 2;          // 1000..1002
    // The accounts of the grid's rows, row for row.
    std::vector<InventAccount> m_accounts;

    // The account condition of the ticked rows (empty when none is ticked).
    CString CheckedCondition() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPrint();
    afx_msg void OnTnPick();
    afx_msg void OnTnChange();
    afx_msg void OnPrdPick();
    afx_msg void OnPrdChange();
    afx_msg void OnAllAtOnce();

    DECLARE_MESSAGE_MAP()

private:
    void ShowBands();
};

} // namespace nledmark
