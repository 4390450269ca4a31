// The version of each stored document (table system_doc_version, keyed by its
// header table and key): how often its row was saved again. A form keeps the
// version it loaded, read as the form opens and before the view reads the
// row, so a save another user made meanwhile is never taken for the one
// loaded; a save over another version is refused. Every save of a stored row
// raises its version under the row's lock, whoever saves it.
#pragma once
#include "afx.h"

class CDocument;

namespace appcore {

// The version of the stored row `realId` of `table`: 0 when it was never
// saved again, -1 when the read failed (reported).
AFX_EXT_API long StoredVersion(const CString& table, long realId);
// The statement that raises the version `stored` of the row to stored + 1.
AFX_EXT_API CString RaiseVersionSql(const CString& table, long realId, long stored);
// The statement that forgets the version of a deleted row.
AFX_EXT_API CString ForgetVersionSql(const CString& table, long realId);

// The version the form of `document` loaded (0 for a new document), and the
// version it keeps after its save.
AFX_EXT_API long LoadedVersion(const CDocument* document);
AFX_EXT_API void KeepLoadedVersion(const CDocument* document, long version);

} // namespace appcore
