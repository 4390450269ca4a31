// A cheque-book application as it is stored: one row of ledmark_check_book.
// Its print is made from the same fields (CheckBookPage.h).
#pragma once
#include "StoredDocument.h"

namespace nledmark {

class CCheckBookRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString number;
    CString date;  // dd.mm.yyyy
    CString prim;
    CString tn;
    CString fio;  // the employee's name as the form shows it
    CString books, leaves;
    CString series;
    CString firstNumber, lastNumber;
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
