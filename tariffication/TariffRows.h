// Reading the assignments of a tariffication statement: the columns of a row
// into the figures' input, and what stays the same within one list (its
// decimals, the scale and the grades' coefficients). The list and the summary
// list both read their rows this way, so their figures agree.
#pragma once
#include "TariffFigures.h"
#include "ndbcore.h"

#include <map>
#include <string>

namespace nvenzol {

// The columns of the employee statement by name, looked up once per
// statement rather than at every value of every row.
class RowReader {
public:
    explicit RowReader(_RecordsetPtr& rows);
    CString Text(const char* name) const;
    // A number column: its start value when NULL.
    double Number(const char* name, double start = 0) const;

private:
    _RecordsetPtr& m_rows;
    std::map<std::string, long> m_index;  // the first column of each name
};

TariffInput ReadRow(const RowReader& r, bool newVariant);

// The list's decimals and scale as of D1 and the grades' coefficients as of
// D2, each asked of the script once per list; false when the script could not
// give the decimals (its reason shown).
bool OpenTariffContext(const CString& d1, const CString& d2, TariffContext& list);

} // namespace nvenzol
