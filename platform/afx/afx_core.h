// The values and text half of the MFC subset: basic types, CString, formatting.
#pragma once
#include "core/afx_types.h"
#include "core/AfxFormat.h"
#include "core/CString.h"
