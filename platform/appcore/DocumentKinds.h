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

// The kinds of stored documents of the configuration as one text: entries
// separated by GetDelimiter(), the fields of an entry by GetDelimiter0():
// 1 the kind id, 2 its title, 3 its table, 4 the select expression naming the
// counterpart as icn, 5 a further field; in configuration order.
CString I_GetDocumentsList();

namespace appcore {

// The document name of the form that shows a stored document a module names:
// the name of a document kind ("КнигаПокупок") gives the kind's form; any
// other name is taken as a document name itself (the postings journal
// carries those).
CString StoredDocumentForm(const CString& name);

} // namespace appcore
