// CPrnKnigaProdView: the print of the VAT sales book ("prn_kniga_prod" on dialog 494)
// for a period, a branch and a source of financing; the form's report
// script prints the book. The branch chosen is kept for the next prints.
#pragma once
#include "CInvoicePrintView.h"

namespace nledmark {

class CPrnKnigaProdView : public CInvoicePrintView {
    DECLARE_DYNCREATE(CPrnKnigaProdView)
public:
    CPrnKnigaProdView();
    ~CPrnKnigaProdView() override;
};

} // namespace nledmark
