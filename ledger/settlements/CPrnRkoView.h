// CPrnRkoView: the expense cash order ("Расх.орд", dialog 503): money paid
// out of the cash desk, the main account credited, each line's account
// debited; the recipient's identity document is filled in from the
// employee's passport when the employee is chosen.
#pragma once
#include "CCashOrderView.h"

namespace nledmark {

class CPrnRkoView : public CCashOrderView {
    DECLARE_DYNCREATE(CPrnRkoView)
public:
    CPrnRkoView();
    ~CPrnRkoView() override;

protected:
    void ShowPerson() override;
};

} // namespace nledmark
