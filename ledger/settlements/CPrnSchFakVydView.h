// CPrnSchFakVydView: the register of issued invoices ("sch_fak_vyd" on
// dialog 494) for a period, a branch and a source of financing; its report
// script shows the register. The branch chosen is not kept.
#pragma once
#include "CInvoicePrintView.h"

namespace nledmark {

class CPrnSchFakVydView : public CInvoicePrintView {
    DECLARE_DYNCREATE(CPrnSchFakVydView)
public:
    CPrnSchFakVydView();
    ~CPrnSchFakVydView() override;
};

} // namespace nledmark
