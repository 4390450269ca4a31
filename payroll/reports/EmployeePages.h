// The page of chosen employees' documents: one temporary-file page (the
// payroll pages' head with the form's style size and title), each employee's
// text written in turn, shown once in the report window. A failed write ends
// the report unshown; a text cut short (a database error, a failed script)
// stops the page there with the incomplete mark, and it is shown with what it
// holds.
#pragma once
#include "PayrollPage.h"
#include "gridbase.h"

#include <functional>
#include <vector>

namespace npaymar {

// How the forms of the route differ.
struct EmployeePageLook {
    const char* headTitle;    // the page's <title>
    const char* viewerTitle;  // the report window's title
    unsigned styleSize;       // the style's base size
    unsigned directStyleSize; // the same when printed directly
    bool breakAfterEach;      // a page break after every employee, the last too
    int landscape;            // 1: across the sheet
    bool directPrints;        // print-direct prints at once (mode -2); else the page is
                              // shown
};

// One employee's text. False when the page stops there: `why` says why for a
// failed script, empty for a database error (already reported).
using EmployeeText = std::function<bool(long tn, CString& text, CString& why)>;
// Writes an employee's text into the page (the strips of the accrual listing
// count their rows); FALSE when the write failed.
using EmployeeWriter = std::function<BOOL(PayrollPage& page, const CString& text)>;

// Builds and shows the page of the employees; TRUE when it was shown.
BOOL ShowEmployeePages(const EmployeePageLook& look, const std::vector<long>& employees, int direct,
                       const EmployeeText& text, const EmployeeWriter& writer = {});

// The personnel numbers of the ticked rows of a list (key in column 0), in
// row order; a key that is no whole number is left out.
std::vector<long> TickedNumbers(const CCellwork& grid);

// The pay slips' strips of the accrual listing: a running count of table
// rows ("<tr"); a strip of 4 rows or fewer is padded with "<br>" and counts
// one more; once the count passes 56 a page break follows the strip and the
// count starts again.
class StripPager {
public:
    // The strip as it is written, with its padding and the break it ends with.
    CString Next(const CString& strip);
    int Count() const { return m_count; }

private:
    int m_count = 0;
};

// The printed page break.
extern const char* const kPayrollPageBreak;

} // namespace npaymar
