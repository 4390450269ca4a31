// CPrnRaschVedView ("PrnRaschVedView", template 399 on the department
// selection form, dialog 313): the payroll sheet of each ticked department,
// the departments of the year's months' employees (paymar_m), each by the
// form's script prn(department) in row order. A call that fails or answers 0
// ends the run there; nothing ticked is refused with the form left open;
// after the run the form closes.
#pragma once
#include "CSelectPRDView.h"

namespace npaymar {

class __attribute__((visibility("default"))) CPrnRaschVedView : public CSelectPRDView {
    DECLARE_DYNCREATE(CPrnRaschVedView)
public:
    CPrnRaschVedView();
    ~CPrnRaschVedView() override;
    void OnInitialUpdate() override;
    void BuildReport(int direct) override;
    CCellwork& Departments() { return m_grid; }
};

} // namespace npaymar
