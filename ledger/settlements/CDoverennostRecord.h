// A power of attorney for goods as it is stored: one row of ledmark_dov with
// the goods lines serialized in `grid`. Its list caption (`icn`) is the
// employee's name and the supplier's name.
#pragma once
#include "StoredDocument.h"

namespace nledmark {

// The cells of a goods line.
enum DovColumn { DOV_LINE = 0, DOV_NAME = 1, DOV_UNIT = 2, DOV_QUANTITY = 3 };

class CDoverennostRecord : public IStoredDocument {
public:
    static const char* const kTable;

    CString number;
    CString date;        // date of issue, dd.mm.yyyy
    CString validUntil;  // d2
    CString docName, docNumber, docDate;  // the supplier's document
    CString org, orgName;
    CString tn, fio;
    CString prim;
    CString grid;  // serialized
    int wordsForQuantities = 1;  // r
    int branch = 1;

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);
    // "<employee>, <supplier>".
    CString Caption() const { return fio + ", " + orgName; }

    CString HeaderTable() const override { return kTable; }
    BOOL HasPostings() const override { return FALSE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long) override { return TRUE; }
};

} // namespace nledmark
