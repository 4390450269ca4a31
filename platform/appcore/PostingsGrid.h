// The postings of one document (ledmark_provodki rows of a document id) in a
// read-only grid: line, date, debit with its analytic values, credit with
// its analytic values, quantity, amount, content.
#pragma once

#include "afx.h"

class CCellwork;

namespace appcore {

// Fills the grid with the postings of document `id`; `sign` -1 shows the
// amounts and quantities reversed (a storno's lines). FALSE after a reported
// database failure.
BOOL FillPostingsGrid(CCellwork& grid, long id, int sign);

} // namespace appcore
