// What the document forms' shared commands do with a stored document: its
// table comes from the configuration's document kinds (the kind whose form
// is the view's document name).
#pragma once

#include "afx.h"

class CView;

namespace appcore {

// The table of the stored documents a form shows ("" when no kind names it).
CString DocumentTable(const CString& documentName);

// Asks "Удалить этот документ ? " and deletes the stored row `realId` and
// the postings of its document id in one transaction. A document not yet
// stored, one whose kind is unknown, or whose kept date lies in a closed
// period (GL_Verify_Date0) is not deleted. TRUE when it was deleted.
BOOL DeleteStoredDocument(const CString& documentName, long realId, const CString& loadedDate);

// Opens the postings of the document ("doc_prov").
void ShowDocumentPostings(const CString& documentName, long realId);

// Tells every open view but `sender` that a document was saved (WM_DOCUMENT_SAVED).
void NotifyDocumentSaved(CView* sender, long realId);

} // namespace appcore
