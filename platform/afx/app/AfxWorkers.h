// The program's wait for its worker threads (AfxBeginThread).
#pragma once
#include "core/afx_types.h"

// Returns once every worker that was let run has returned from its function.
// A program ends through it (CWinApp::ExitInstance), so no worker outlives
// its program; the interface thread keeps serving the workers' requests to
// it (message boxes) while it waits. Called on a worker, it returns at once.
// A worker created suspended and never resumed is not waited for.
AFX_EXT_API void AfxWaitForWorkers();
