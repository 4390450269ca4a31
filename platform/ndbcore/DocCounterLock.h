// The document counter's row held by a new document's save while it takes
// its id and checks its proposed number: every other new document waits for
// that row, so the save reads the id with the row's lock, asks what it must
// know under the row (is its proposed number free?), and takes the id with
// the statements it writes next, in as few calls to the server as that allows.
#pragma once
#include "afx.h"

// Locks the counter's row in the open transaction and reads the id the next
// document takes, then the answer of `question` (a select of one number;
// none when empty), asked once the row is held. The id is taken only
// by DocCounterTakes(id) run in the same transaction. 0 when the row could not
// be read (reported).
long LockNextDocId(const CString& question, long long& answer);

// The statement that takes the id LockNextDocId read.
CString DocCounterTakes(long id);

// Takes the next document id in a call of its own that commits by itself
// (outside a transaction on MySQL: one statement, so the counter's row is held
// only while it runs; elsewhere GetNextDocId). A save that then writes its
// document in one call knows the id it looks for should that call break. An
// id taken by a save that fails later is not given again. 0 when it could not
// be taken (reported).
long TakeNextDocIdAlone();
// The statement that holds the counter's row in the open transaction until
// it ends, for the check of a proposed number and the header's insert that
// follow: no two saves look for a free number at once.
CString DocCounterHoldsRow();
