// WM_QUERYKEEPVIEW: sent to each view of a document before the document's
// last window goes (its frame closed, the program ending). A view that holds
// unsaved work the user chose to keep answers nonzero, and the window stays
// open; a view that does not handle the message answers 0.
#pragma once

#define WM_QUERYKEEPVIEW 0x0370
