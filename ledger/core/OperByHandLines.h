// The lines of a manual operation: one grid row per posting, the checks a
// line must pass before the operation is saved, in their order, and the
// posting a line becomes.
#pragma once
#include "PostingLines.h"

#include <array>
#include <vector>

namespace nledmark {

// Columns of the lines grid.
enum OperColumn {
    OPER_KBK_DEB = 0,
    OPER_DEBIT = 1,
    OPER_DEB_SB1 = 2,   // ... 3, 4: debit analytic values 1-3
    OPER_KBK_KRED = 5,
    OPER_CREDIT = 6,
    OPER_KRED_SB1 = 7,  // ... 8, 9: credit analytic values 1-3
    OPER_KOL = 10,
    OPER_SUM = 11,
    OPER_PRIM = 12,
    OPER_COLUMNS = 13,
};

using COperLine = std::array<CString, OPER_COLUMNS>;

// The analytic placeholder of a cell whose value the account requires.
extern const char* const kAnalyticPlaceholder;

// A line without accounts whose quantity and amount are both 0: it is not
// checked and not posted.
bool IsEmptyOperLine(const COperLine& line);

// Where the checks stopped: the row and column to make current, and the
// message to show; an empty message means the posting script has told the
// user already and the focus stays where it is.
struct COperLineFault {
    int row = -1;
    int column = -1;
    CString message;
};

// Checks the non-empty lines in grid order; FALSE at the first fault. Cells of
// analytic values the account does not have and quantities of accounts not
// kept in quantities are cleared on the way, as the save stores them. With no
// non-empty line the fault is "Укажите проводки" (row -1).
BOOL CheckOperLines(std::vector<COperLine>& lines, const CString& date, int branch, COperLineFault& fault);

// The posting of a non-empty line: its cells as typed, the content as note.
CPostingLine PostingOfOperLine(const COperLine& line);
std::vector<CPostingLine> PostingsOfOperLines(const std::vector<COperLine>& lines);

} // namespace nledmark
