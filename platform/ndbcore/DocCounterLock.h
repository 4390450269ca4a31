// The document counter's row held by a new document's save from reading the
// id it takes to its commit: every other new document waits for that row, so
// the save reads the id with the row's lock, asks what it must know under the
// row (is its proposed number free?), and takes the id with the statements it
// writes next, in as few calls to the server as that allows.
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

// On MySQL, the statements that open a save's single call: they lock the
// counter's row (creating it for the first document of a database), take the
// next id and leave it in the session variable @vornal_doc, so that the
// statements after them in the same call may write it. The row stays held
// until the transaction ends. Sent by the MariaDB driver as one text only
// when nothing but commands follow.
CString DocCounterTakesNextIntoVariable();

// Whether this thread's session has a transaction open: a save in none may
// open and end its own in one call.
bool InTransaction();
