// CHelpers: the services of the application core that the modules call as
// static members. This part holds script evaluation; the windows, reports,
// pickers and document opening join it in their own source files.
#pragma once

#include "afx.h"

class CHelpers {
public:
    // Evaluates a call text in a script context (null = global, "Arm."+id,
    // "Form."+name) with the application's interpreter and writes the value as
    // text into `result`. Non-zero on success; on any failure (reported to the
    // user) 0 with an empty result, so a caller never reads a failure as "0".
    static int EXEC_GetFunctionValue(const char* call, CString& result, const char* context);
    // Runs a script command: 0 when it fails (reported) or answers 0, its
    // number when it answers one, 1 when it answers nothing else.
    static int EXEC_Execute(const char* text, const char* context);
};
