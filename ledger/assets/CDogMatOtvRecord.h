// An agreement of full material liability as it is stored in
// ledmark_dog_mat_otv: the employee with his name as the form showed it, the
// work the liability is tied to, what it is tied to and a note. It posts
// nothing, so its row keeps `id` 0.
#pragma once
#include "StoredDocument.h"

namespace nledmark {

class CDogMatOtvRecord : public IStoredDocument {
public:
    static constexpr const char* kTable = "ledmark_dog_mat_otv";
    // What a new agreement is tied to.
    static const char* const kStandardText;

    CString number;
    CString date;  // dd.mm.yyyy
    CString tn;    // a personnel number the form has checked
    CString fio;   // icn
    CString job;
    CString txt;
    CString prim;
    int branch = 1;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return FALSE; }
    // `tn` reaches SQL as a number (NULL for any other text).
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long) override { return TRUE; }
};

} // namespace nledmark
