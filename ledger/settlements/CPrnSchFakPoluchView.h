// CPrnSchFakPoluchView: the register of received invoices ("prn_sch_fak_poluch" on
// dialog 494) for a period, a branch and a source of financing; its report
// script shows the register. The branch chosen is not kept.
#pragma once
#include "CInvoicePrintView.h"

namespace nledmark {

class CPrnSchFakPoluchView : public CInvoicePrintView {
    DECLARE_DYNCREATE(CPrnSchFakPoluchView)
public:
    CPrnSchFakPoluchView();
    ~CPrnSchFakPoluchView() override;
};

} // namespace nledmark
