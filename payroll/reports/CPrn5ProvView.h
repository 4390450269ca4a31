// CPrn5ProvView ("Prn5ProvView", template 409 on the months' dialog 405): the
// printout of the payroll posting 5 for the ticked months of the working
// year, shown by the workplace's script Prov_5 without a date. With every
// listed month ticked the script is given neither condition nor names.
#pragma once
#include "CSelectYearView.h"

namespace npaymar {

class __attribute__((visibility("default"))) CPrn5ProvView : public CSelectYearView {
    DECLARE_DYNCREATE(CPrn5ProvView)
public:
    CPrn5ProvView();
    ~CPrn5ProvView() override;

    void BuildReport(int direct) override;
};

} // namespace npaymar
