// What the document forms' shared commands do with a stored document. The
// table is the form's own (CDocumentView::StoredTable): by default that of
// the configuration's document kind whose form is the view's document name.
#pragma once

#include "afx.h"

class CView;

namespace appcore {

// The table of the stored documents a form shows ("" when no kind names it).
CString DocumentTable(const CString& documentName);

// Whether the stored row `realId` of `table` may be deleted: asks
// "Удалить этот документ ? "; a document not yet stored, one without a table,
// or one whose kept date lies in a closed period (GL_Verify_Date0) is not.
BOOL ConfirmDocumentDelete(const CString& table, long realId, const CString& loadedDate);

// Deletes the row `realId` of `table` and the postings of its document id in
// one transaction; FALSE (reported) when nothing was deleted.
BOOL DeleteDocumentRow(const CString& table, long realId);

// Opens the postings of the stored row `realId` of `table` ("doc_prov").
void ShowDocumentPostings(const CString& table, long realId);

// Tells every open view but `sender` that a document was saved (WM_DOCUMENT_SAVED).
void NotifyDocumentSaved(CView* sender, long realId);

} // namespace appcore
