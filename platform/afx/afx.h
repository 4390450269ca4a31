// The one public header of the MFC and Windows subset.
#pragma once
#if __has_include("afx_core.h")
#include "afx_core.h"
#endif
#if __has_include("afx_gui.h")
#include "afx_gui.h"
#endif
#if __has_include("afx_frame.h")
#include "afx_frame.h"
#endif
