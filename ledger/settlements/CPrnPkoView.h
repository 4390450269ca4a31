// CPrnPkoView: the receipt cash order ("Прих.орд.", dialog 504): money taken
// into the cash desk, the main account debited, each line's account
// credited.
#pragma once
#include "CCashOrderView.h"

namespace nledmark {

class CPrnPkoView : public CCashOrderView {
    DECLARE_DYNCREATE(CPrnPkoView)
public:
    CPrnPkoView();
    ~CPrnPkoView() override;
};

} // namespace nledmark
