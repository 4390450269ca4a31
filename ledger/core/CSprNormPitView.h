// CSprNormPitView: the food norms ("СправочникНормыПитания", dialog 652): for
// the products of a group (rows) and the allowance categories in force
// (columns), the norm of each product, kept in versions by date. The form
// shows and saves the version of the date chosen in "На дату:"; it stays open.
#pragma once
#include "CCellwork.h"
#include "CderivedFormview.h"
#include "dlgkit.h"

#include <vector>

namespace nledmark {

class CSprNormPitView : public CderivedFormview {
    DECLARE_DYNCREATE(CSprNormPitView)
public:
    CSprNormPitView();
    ~CSprNormPitView() override;

    void OnInitialUpdate() override;
    // The grid for the date chosen: its category columns, then the products.
    void RebuildGrid();
    // The products of the chosen group with their norms at the date.
    void LoadProducts();

    COleDateTime m_date;           // 1010
    CderivedComboBox m_comboGroup; // 1160
    CCellwork m_grid;              // 10051
    std::vector<long> m_categories;  // the category of each column from the fourth
    std::vector<long> m_products;    // the product of each row

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnDateChange(NMHDR* header, LRESULT* result);
    afx_msg void OnGroupChosen();
    afx_msg void OnSave();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    CString DateLiteral() const;
    int ChosenGroup() const;
    void FillGroups(const CString& date);

    int m_nGroup = 0;
};

} // namespace nledmark
