// What the parameter form of the journal of operations hands to the print:
// every choice read from the form and checked, the lists of codes already
// checked to be numbers, and the breakdown with the dimension its book has in
// the accounts. The print reads the dimension from here, never the position
// of the book in the form's list.
#pragma once
#include "CAccountPartsGrid.h"

#include <vector>

namespace nledmark {

// The analytic dimension the journal is broken down by; none when book is 0.
struct JournalBreakdown {
    int book = 0;       // reference-book id
    int dimension = 0;  // 1..3
    CString name;
};

struct JournalChoice {
    CString name;                   // edit 1067
    CString number;                 // edit 1102
    CString branches;               // checked ids joined by ","; "" for all
    CString kbks;                   // checked KBK ids joined by ","; "" for none
    int source = 0;                 // 0 all sources, 1-4
    JournalBreakdown breakdown;
    CString filters[3];             // checked codes of dimensions 1-3 joined by ","; "" for none
    COleDateTime from, to;
    std::vector<AccountRow> accounts;
    bool kbkLayout = false;         // "раскрывать КБК"
    CString gridKey;                // the profile key the print keeps the grid under
    CString grid;                   // the accounts grid serialized
    CString title;                  // the form's title, the report window's
};

// True for a row whose parts are digits of their lengths (synthetic account
// 3, analytic account 2 or none, KOSGU 3 or none): only such rows reach SQL.
bool JournalAccountValid(const AccountRow& row);

// The profile section of the form's choices, and the branch list's section.
extern const char* const kJournalConstants;
// Prints the journal of the choice.
void PrintJournalOfOperations(const JournalChoice& choice);

} // namespace nledmark
