// CPrnKnigaPokView: the print of the VAT purchase book ("prn_kniga_pok" on dialog 494)
// for a period, a branch and a source of financing; the form's report
// script prints the book. The branch chosen is kept for the next prints.
#pragma once
#include "CInvoicePrintView.h"

namespace nledmark {

class CPrnKnigaPokView : public CInvoicePrintView {
    DECLARE_DYNCREATE(CPrnKnigaPokView)
public:
    CPrnKnigaPokView();
    ~CPrnKnigaPokView() override;
};

} // namespace nledmark
