// A power of attorney to receive a cheque as it is stored: one row of
// ledmark_dov_pol_cheka with the breakdown serialized in `grid`.
#pragma once
#include "StoredDocument.h"

namespace nledmark {

// The cells of a breakdown line.
enum DovChColumn { DOVCH_ACCOUNT = 0, DOVCH_EKR = 1, DOVCH_PURPOSE = 2, DOVCH_SYMBOL = 3, DOVCH_SUM = 4 };

class CDovPoluchCheckaRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString number;
    CString date;  // dd.mm.yyyy
    CString prim;
    CString tn, fio;
    CString series, chequeNumber, chequeDate;
    CString receiveDate;  // d_pol
    CString grid;         // serialized
    CString total;        // "." as decimal point
    CString accrued;      // s0
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
