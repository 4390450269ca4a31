// The department selection form (dialog 313): departments with a check box,
// the id in column 0 and the name in column 1. The document's m_strParam, as
// the form finds it in its initial update, may name a table: then only the
// departments that occur in its column prd are listed, and with m_nMode 1
// only those of its rows of the current year (g). OK and print build the
// derived form's report (BuildReport); Cancel closes.
#pragma once

#include "CSelectionView.h"

class CSelectPRDView : public CSelectionView {
    DECLARE_DYNCREATE(CSelectPRDView)
public:
    explicit CSelectPRDView(UINT nIDTemplate = 313);
    ~CSelectPRDView() override;

    void OnInitialUpdate() override;

    int m_nMode = 0;
};
