// What the frame layer installs when the library loads.
#include "frm/CMDIFrameWnd.h"

namespace {

struct FrameInit {
    FrameInit() { AfxRegisterMdiClientClass(); }
};

const FrameInit g_init;

} // namespace
