// The list of a reference book as GetInSpr opens it: which book the caller
// names, and what its filter argument means.
#pragma once

#include "PickerList.h"

class QString;
struct CSprRecord;

namespace appcore {

// What the filter argument of the picker is, by its first word.
enum class FilterKind {
    None,      // null or blank: every row
    Select,    // "select ...": the whole list query
    Where,     // "where ...": a condition on the book's table
    And,       // " and ...": a condition added to the book's rows
    Fragment,  // anything else: a search fragment the list opens with
};
FilterKind ClassifyFilter(const QString& filter);

// The book a caller names: by picker key, then table, then name or caption
// (letter case aside); null when the configuration has none.
const CSprRecord* FindPickerBook(const QString& book);

// The list of a book with the filter. A name the configuration does not know
// is taken as a table with key "id" and name "name" when it is a plain
// identifier. False, after telling the user, when there is nothing to list.
bool BookPickerSetup(const char* book, const char* filter, PickerSetup& setup);

} // namespace appcore
