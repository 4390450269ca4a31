// COfkRecord: a treasury cash request as stored, one row of
// ledmark_dov_pol_den, apart from its form: the request's header fields, its
// amounts table as the serialized grid text, and the statements that write
// it. The request makes no postings; its `id` stays 0.
#pragma once
#include "afx.h"

namespace nledmark {

struct COfkRecord {
    static const char* const kTable;

    CString number;
    CString date;     // dd.mm.yyyy
    CString prim;     // note
    CString tn;       // personnel number of the employee who receives the cash
    CString cpec;     // special instruction
    CString ser;      // cheque series
    CString n;        // cheque number
    CString datePol;  // date of receipt, dd.mm.yyyy or ""
    CString icn;      // the employee's full name
    CString grid;     // the amounts table, serialized
    CString sum;      // total of the table, "." decimal
    CString ls;       // personal account (spr_ls id)
    int branch = 1;

    // Reads the stored row in one query; FALSE when it cannot be read
    // (reported by the database layer, or the row is gone).
    BOOL Load(long realId);
    // The statements of a new row and of the update of a stored one. The
    // personnel number, the account and the cheque number are written as
    // numbers, every text through the literal helpers.
    CString InsertSql() const;
    CString UpdateSql(long realId) const;
};

} // namespace nledmark
