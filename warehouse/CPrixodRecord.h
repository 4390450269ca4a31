// A receipt of materials as it is stored: its header in stovan_prx0 and its
// lines in stovan_prx1, both keyed by day, department, statement and the
// receipt's number н/п within them. The form fills a record from its fields
// and grid; a benchmark or a test drives one without windows.
#pragma once
#include "CheckLists.h"
#include "afx.h"

#include <vector>

namespace nstovan {

struct CPrixodLine {
    CString id;      // material code
    CString name;    // of the material, as read
    CString unit;    // of the material, as read
    CString price;   // as typed ("" stores NULL)
    CString kol;
    CString s;       // as typed ("" stores NULL)
};

// The key of a receipt as SQL literals; each part a checked date or number.
struct CPrixodKey {
    CString d, prd, nv, npp;
    // "d=... and prd=... and nv=..." (and "npp=..." with the number).
    CString Day() const;
    CString Receipt() const;
};

class CPrixodRecord {
public:
    CString date;   // dd.mm.yyyy
    CString prd;
    CString nv;
    CString npp;    // "" for a new receipt
    CString ndoc;
    CString org;
    CString tn;
    std::vector<CPrixodLine> lines;

    // The key as literals: FALSE when date, department or statement (and,
    // with `withNumber`, н/п) is empty or not a date or a whole number, so a
    // half-typed key reaches no SQL.
    bool Key(CPrixodKey& key, bool withNumber) const;

    // Reads the header and the lines (in material order, with name and unit)
    // of the receipt of the key. An incomplete key reads nothing and answers
    // TRUE with an empty receipt; FALSE when a read failed (reported).
    BOOL Load();
    // Writes the receipt in one transaction: an existing н/п is replaced
    // (header and lines), any other gets the next free number of its day,
    // department and statement, kept in `npp`. Lines without a code or whose
    // quantity reads as 0 are left out. FALSE (reported, nothing changed)
    // when the key is incomplete or a statement fails.
    BOOL Save();
    // Deletes the receipt's header and lines in one transaction.
    BOOL Delete();

    // Whether a line is stored: a code and a quantity that does not read as 0.
    static bool Stored(const CPrixodLine& line);

private:
    enum class Written { Done, Conflict, Failed };
    Written InsertHeader(const CPrixodKey& key);
    BOOL InsertLines(const CPrixodKey& key);
};

// A whole number typed into a code field ("12"), or "" for anything else.
using naddviews::WholeNumber;

} // namespace nstovan
