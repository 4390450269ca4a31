// The one document counter of every kind of document (table
// system_doc_counter). The number is raised under the counter row's lock
// inside a transaction (the open scope's, or one of its own), so two users
// saving at once never get the same number.
#pragma once

// The next document number; 0 when it could not be taken (reported).
long GetNextDocId();
