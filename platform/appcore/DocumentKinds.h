// Stored documents as the application core knows them: the one document
// counter of every kind of document, and the kinds of stored documents that
// the configuration lists (their tables, and the forms that open them).
#pragma once

#include "afx.h"

// The next document id: one counter for every kind of document, shared by all
// users of the database (raised atomically by the database layer); the
// postings carry it. 0 when it could not be taken (the database layer has
// reported why), so a save must stop rather than write id 0.
long I_GetNextDoc_Ptr();
