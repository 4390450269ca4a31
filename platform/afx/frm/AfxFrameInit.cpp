// What the frame layer installs when the library loads.
#include "bars/ToolBarWidget.h"
#include "frm/CMDIFrameWnd.h"

void AfxRegisterStatusBarClass();

namespace {

struct FrameInit {
    FrameInit()
    {
        AfxRegisterMdiClientClass();
        AfxRegisterToolbarClass();
        AfxRegisterStatusBarClass();
    }
};

const FrameInit g_init;

} // namespace
