// The fragment searches of the modules' form bases: a fragment asked for in
// the search dialog and kept in a memory of the form, then looked up in a
// reference book by name or among the employees by a surname condition. A
// single hit is written into the form's field (its change notification shows
// the name), several open the chooser on the hits, none is said in a message.
#pragma once

#include "afx.h"

namespace naddviews {

// The last fragment of a search and the dialog's two flags (the second: whole words).
struct SearchMemory {
    CString text;
    int option1 = 0;
    int option2 = 0;
};

// Shows the search dialog with the prompt and the memory's fragment and flags,
// and stores what was confirmed back into the memory. FALSE when cancelled.
BOOL AskFragment(CWnd* parent, const CString& prompt, SearchMemory& memory);

// A search fragment as a chooser's filter: the fragment itself, or null for
// one the chooser would read as a query or a condition ("select ...").
const char* FragmentFilter(const char* fragment);

// Drops the key presses still queued for the thread, so the key that closed
// the dialog does not reach the form.
void DropQueuedKeys();

// The rows of the book whose name holds every blank-separated fragment: one
// writes its key into `field` of the form, several open the book's chooser on
// the fragment, none says "По запросу ничего нет: " and the fragment.
void FindInBook(CWnd* form, const char* table, int field, const CString& fragment);

// The employees of table tn that `condition` (" where ...") selects: one
// writes the personnel number into `field`, several open the employee chooser
// on them with position and dismissal date, none says "По запросу ничего нет: "
// and the fragment.
void FindEmployee(CWnd* form, int field, const CString& condition, const CString& fragment);

} // namespace naddviews
