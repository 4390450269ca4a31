// The fragment search of a table row that the material and asset documents
// share (F7 and the search button): the user types fragments of a name, the
// rows of the document's book that hold every fragment are counted, one match
// goes into column 0 of the current row, several open the book's picker on
// the same rows, whose answer comes back to the form as a message.
//
// Each form is one row of the table below; the form supplies its grid, its
// branch and account and its search memory, and answers the picker's message
// itself (FragmentSearchIds splits the answer).
#pragma once
#include "afx.h"

#include <functional>
#include <vector>

class CCellwork;

namespace nledmark {

// What one match does once its id is in column 0 of the current row.
enum class OneMatch {
    PostRowFill,   // current cell (0, row), grid focus, then message 0x464 posted to the form
    RowFill,       // the form's row fill at once, grid focus
    FocusGrid,     // grid focus only
    QuantityCell,  // current cell (6, row), grid focus
};

// The rows the search looks among, besides the name.
enum class SearchBase {
    Branch,               // the document's branch: fil_id
    BranchAssetAccount,   // the branch, and assets of the document's account (characters 1-6)
    ItemAccount,          // items of the document's account (characters 2-6); every item without one
};

struct FragmentSearchRow {
    const char* prompt;   // of the search dialog
    const char* table;    // the book searched, also the picker's
    SearchBase base;
    OneMatch oneMatch;
    UINT manyMessage;     // the picker's answer to the form (0x465 assets, 0x47C materials)
};

// The members of the family.
extern const FragmentSearchRow kOsPokupSearch;           // fixed-asset purchase
extern const FragmentSearchRow kOsSpisSearch;            // fixed-asset write-off
extern const FragmentSearchRow kOsNaklAssetSearch;       // waybill for fixed assets
extern const FragmentSearchRow kOsNaklMaterialSearch;    // waybill for materials
extern const FragmentSearchRow kMatPrixSearch;           // materials receipt
extern const FragmentSearchRow kMaterialsSpisSearch;     // materials write-off
extern const FragmentSearchRow kMenuTrebSearch;          // catering menu requirement

// Where one form searches.
struct FragmentSearchSite {
    CWnd* form = nullptr;
    CCellwork* grid = nullptr;
    int branch = 0;            // for the searches by branch
    CString account;           // for the searches by account ("" for none)
    // The form's search memory: the last text and the dialog's two options.
    CString* text = nullptr;
    int* option1 = nullptr;
    int* option2 = nullptr;
    long* pickRow = nullptr;   // the row a picker's answer is for
    std::function<void(long row)> rowFill;  // OneMatch::RowFill
};

// The condition (without "where") of the rows searched; "" for every row.
CString FragmentSearchBase(const FragmentSearchRow& row, int branch, const CString& account);

// The search, as the form's OnButtonSirch. Nothing happens unless the focus
// is in the grid, and nothing changes when the dialog is cancelled. Answers
// the number of matches as SuUniqByName does (0, 1, 2), or -1 when no search
// was made.
int RunFragmentSearch(const FragmentSearchRow& row, FragmentSearchSite& site);

// The ids of a picker's answer ("12,15"), each a whole number; anything else
// in the answer is left out, so only numbers reach SQL.
std::vector<long> FragmentSearchIds(const char* answer);

// A picker's answer of several ids written into column 0 of the grid: the
// first into row `first` (the row the picker was opened for), each next one
// into the lowest row whose column 0 is empty (a row added when none is).
// `placed` runs after each id is written (the form keeps its spare row there).
// False when the answer held no id.
bool FillPickedRows(CCellwork& grid, long first, const char* answer, const std::function<void(long row)>& placed);

} // namespace nledmark
