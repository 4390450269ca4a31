// CSprSubView ("spr_sub", dialog 648): a calendar list of single days, every
// day of the working month with its weekday and a check box that is set when
// the day is in the list. The document's mode chooses the list (CalendarDays.h):
// 1 the days off and holidays, 0 the other non-working days. Each change of a
// check box is written at once; the box then shows what the table holds.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace nperso {

class CSprSubView : public CderivedFormview {
    DECLARE_DYNCREATE(CSprSubView)
public:
    CSprSubView();
    ~CSprSubView() override;

    void OnInitialUpdate() override;
    void Fill();

    CCellwork m_grid;
    // The table of the document's mode; nullptr for an unknown mode.
    const char* m_table = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnChecked();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nperso
