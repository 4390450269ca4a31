// An issue requisition as it is stored: its header in stovan_rsx0 and its
// lines in stovan_rsx1, keyed by date, department and the requisition's
// number, which counts from 1 per department and working month. Each line
// keeps the stock left after it (all receipts minus all issues of the
// material for the department and statement). The form fills a record from
// its fields and grid; a benchmark or a test drives one without windows.
#pragma once
#include "afx.h"

#include <vector>

namespace nstovan {

struct CRashodLine {
    CString id;      // material code
    CString name;    // of the material, as read
    CString unit;    // of the material, as read
    CString kol;     // quantity issued
    CString ost;     // the stock left after the line ("" stores NULL)
};

class CRashodRecord {
public:
    CString ntreb;  // "" for a new requisition
    CString date;   // dd.mm.yyyy
    CString prd;
    CString nv;
    CString kab;
    CString org;
    CString tn;
    std::vector<CRashodLine> lines;

    enum class Found { Loaded, None, SeveralDepartments, Failed };
    // Reads the requisition of the number in the working month: of the
    // department when one is given, else the only one of that number (several
    // departments sharing it answer SeveralDepartments and read nothing).
    // The department found is written into `prd`. An empty or half-typed
    // number reads nothing (None).
    Found Load();

    // The stock of a material for the department and statement, all dates,
    // less this requisition's own stored lines; FALSE when a value is
    // missing or a read failed.
    BOOL Stock(const CString& material, double& stock) const;
    // Each line's remainder: the stock of its material less the quantities of
    // the lines of that material up to it (5 decimals). Lines without a code
    // are left alone. FALSE when a read failed.
    BOOL ComputeRemainders();
    // The first line whose remainder is below zero, or -1.
    long FirstShortLine() const;

    // Writes the requisition in one transaction: the stock is read again under
    // lock and a line that would take it below zero refuses the save
    // (`shortLine` set, nothing written); an existing number of the date and
    // department is replaced, an empty one gets the next free number of the
    // month and department (kept in `ntreb`). `created` tells a new
    // requisition from a replaced one.
    BOOL Save(long& shortLine, bool& created);
    // Deletes the requisition of the date, department and number in one transaction.
    BOOL Delete();

    // The key's literals: date, department, statement and number as checked
    // values; FALSE when one that is needed is missing.
    bool Literals(CString& d, CString& department, CString& statement, CString& number, bool withNumber) const;

private:
    BOOL WriteLines(const CString& d, const CString& department, const CString& statement, const CString& number);
};

} // namespace nstovan
