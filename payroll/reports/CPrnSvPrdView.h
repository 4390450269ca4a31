// CPrnSvPrdView ("PrnSvPrdView", template 411 on the months-and-sheets form,
// dialog 401): the summary by pay kinds of the ticked months, by the form's
// script prn("months", "sheets"): once per ticked sheet in row order, or once
// for all of them with "&Суммировать в один отчет" (1168, shown here). A call
// that fails or answers 0 ends the run there; the form stays open.
#pragma once
#include "CSelectMonthNV.h"

namespace npaymar {

class __attribute__((visibility("default"))) CPrnSvPrdView : public CSelectMonthNV {
    DECLARE_DYNCREATE(CPrnSvPrdView)
public:
    CPrnSvPrdView();
    ~CPrnSvPrdView() override;
    void OnInitialUpdate() override;
    void BuildReport(int direct) override;
};

} // namespace npaymar
