// CMatInventView: the inventory list of material values ("mat_invent", dialog
// 629): the material accounts ticked in the grid, a branch, a source of
// financing and a responsible person, handed to the form's report script.
#pragma once
#include "CCellwork.h"
#include "CderivedFormview.h"
#include "MaterialCards.h"
#include "dlgkit.h"

#include <vector>

namespace nledmark {

class CMatInventView : public CderivedFormview {
    DECLARE_DYNCREATE(CMatInventView)
public:
    CMatInventView();
    ~CMatInventView() override;

    void OnInitialUpdate() override;

    CComboBox m_comboSource;
    CComboBox m_comboFil;
    CderivedEdit m_editTn;
    CCellwork m_grid;
    int m_nSource = 0;
    // The accounts of the grid's rows, row for row.
    std::vector<InventAccount> m_accounts;

    // The account condition of the ticked rows (empty when none is ticked).
    CString CheckedCondition() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPrint();
    afx_msg void OnTnPick();
    afx_msg void OnTnChange();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
