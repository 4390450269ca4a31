// A contract breakdown as it is stored: one row of ledmark_budg_rassh with
// the plan of the contract by month in its serialized grid. A breakdown has
// no document id and writes no postings; the obligations reports read its
// grid, whose fifteen cells a row are: the economic code, the amounts of
// January to December ("." as decimal point, "" for none), the source of
// financing ("1".."4") and the KBK.
#pragma once
#include "StoredDocument.h"

namespace nledmark {

// The cells of a breakdown row (columns of the form's grid, from 0).
enum BudgRasshColumn { RASSH_EKR = 0, RASSH_JANUARY = 1, RASSH_DECEMBER = 12, RASSH_SOURCE = 13, RASSH_KBK = 14 };

class CBudgRasshRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString date;  // dd.mm.yyyy
    CString number;
    CString contract;  // spr_dogovora
    CString icn;       // the contract's name, ", " and the supplier's
    CString prim;
    CString grid;   // serialized
    CString total;  // "." as decimal point
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
