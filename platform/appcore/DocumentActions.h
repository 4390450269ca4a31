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

// Locks the stored row `realId` of `table` until the open transaction ends,
// so no other user changes or deletes it meanwhile: 1 locked, 0 the row is
// gone ("Документ не найден в базе данных: его удалил другой пользователь."
// is shown once the transaction has ended), -1 the query failed (reported as
// the failure it is). Call it first inside the transaction.
int LockStoredRow(const CString& table, long realId);

// The one way a stored document is deleted, in one transaction: its row
// locked first, then the postings of the document id it carries, the rows of
// its line tables (`lineTablesSql`, statements for the row; "" when it has
// none) and the row itself. When any statement fails nothing is removed; a
// row another user deleted is refused. FALSE (reported) when nothing was deleted.
BOOL DeleteDocumentRow(const CString& table, long realId, const CString& lineTablesSql = CString());

// Opens the postings of the stored row `realId` of `table` ("doc_prov").
void ShowDocumentPostings(const CString& table, long realId);

// Tells every open view but `sender` that a document was saved (WM_DOCUMENT_SAVED).
void NotifyDocumentSaved(CView* sender, long realId);

} // namespace appcore
