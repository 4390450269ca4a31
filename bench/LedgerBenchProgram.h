// The program around a ledger form in a benchmark: user 1 working the whole of
// a year, the application object, an MDI main frame shown offscreen and the
// ledger module's templates.
#pragma once

class CMDIFrameWnd;

// The main frame, or null when it could not be made.
CMDIFrameWnd* StartLedgerProgram(int year);
