// The program around a ledger form in a benchmark: the application object, an
// MDI main frame shown offscreen and the ledger module's templates.
#pragma once

class CMDIFrameWnd;

// The main frame, or null when it could not be made.
CMDIFrameWnd* StartLedgerProgram();
