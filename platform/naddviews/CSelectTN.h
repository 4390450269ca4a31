// The employee selection form (dialog 398): every employee with a check
// box, the personnel number in column 0, the full name in column 1, then the
// position and the dismissal date. A
// derived form builds its report of the ticked employees in BuildReport; the
// form does not insist that one is ticked.
#pragma once

#include "CSelectionView.h"

class CSelectTN : public CSelectionView {
    DECLARE_DYNAMIC(CSelectTN)
public:
    explicit CSelectTN(UINT nIDTemplate = 398);
    ~CSelectTN() override;

    void OnInitialUpdate() override;
};
