// A cash deposit announcement as it is stored: one row of ledmark_obyavl.
#pragma once
#include "StoredDocument.h"

namespace nledmark {

class CDocObyavlRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString number;
    CString date;        // dd.mm.yyyy
    CString account;     // spr_ls
    CString sum;         // "." as decimal point
    CString source;      // spr_cn, may be empty
    CString sourceText;  // the source as text
    CString prim;
    CString org;         // spr_org
    int branch = 1;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return FALSE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long) override { return TRUE; }
};

} // namespace nledmark
