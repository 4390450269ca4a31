// The command line in the Windows form that the programs parse: the
// program's path in double quotes, a blank, then the arguments joined by
// single blanks as they were given (never quoted again, so a text that a
// caller split at blanks or at "-" reads as it was written).
#pragma once
#include "wnd/AfxWinTypes.h"

void AfxSetCommandLine(int argc, char** argv);
// The arguments alone ("" without any).
LPCTSTR AfxCommandLineArguments();
