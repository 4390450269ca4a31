// What a save checks of a document beyond its rows: the year its number
// counts in, and the version of the stored row the form loaded.
#pragma once
#include "StoredDocument.h"

namespace nledmark {

// A numbered document whose number counts among the documents dated in the
// same year: its proposed number is checked in the year of its date, not in
// the working year (a document dated last year never repeats a number of
// last year).
class INumberDated {
public:
    virtual ~INumberDated() = default;
    // The document's date, dd.mm.yyyy.
    virtual CString NumberDate() const = 0;
};

// Saves as SaveStoredDocument, and a stored row (`realId` not -1) only while
// its version is still `version`, the one the caller loaded
// (DocumentVersions.h): a row saved since by another user is refused
// ("Документ изменен другим пользователем. Откройте его заново.") and nothing
// is written. `version` receives the version the save gave the row (0 for a
// new document).
BOOL SaveStoredDocumentOfVersion(IStoredDocument& document, long& realId, long& version,
                                 CString* takenNumber = nullptr);

} // namespace nledmark
