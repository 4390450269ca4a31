// CSprKalView ("SprKalView"): a working-time calendar's figures for the
// working month: days for pay, days for sick pay and hours. Opens on the
// first calendar; the save replaces the month's row.
#pragma once
#include "PayBookView.h"

namespace npaymar {

class __attribute__((visibility("default"))) CSprKalView : public CPayBookView {
    DECLARE_DYNCREATE(CSprKalView)
public:
    CSprKalView();
    // The calendar's name and the working month's figures.
    void OnChangeKl() override;

protected:
    void FirstLoad() override;
    bool CheckEntry() override;
    bool WriteEntry() override;

    DECLARE_MESSAGE_MAP()

private:
    bool CheckDays(int field, const char* empty);
};

} // namespace npaymar
