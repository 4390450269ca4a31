// The stored row of a document read in one query, so a form either has the
// whole header or knows that it could not read it.
#pragma once
#include "afx.h"

#include <map>

namespace nledmark {

// The columns of one stored row by name, as texts (dates dd.mm.yyyy,
// decimals with ".", NULL as "").
class CStoredHeader {
public:
    // Reads `columns` (a select list) of row `realId` of `table`. FALSE when
    // the row is gone or the query failed (reported).
    BOOL Read(const CString& table, long realId, const char* columns);
    CString operator[](const char* column) const;
    int Int(const char* column, int otherwise) const;

private:
    std::map<CString, CString> m_values;
};

} // namespace nledmark
