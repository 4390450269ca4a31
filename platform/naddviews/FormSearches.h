// The two searches of the modules' form bases, written once: an employee by a
// surname fragment, and a reference book's code by fragments of its names,
// each remembering its last fragment in the form's memories.
#pragma once

#include "FragmentSearch.h"

namespace naddviews {

// The fragment asked for with the memory's last one ("Укажите фрагменты
// Фамилии"), trimmed; the employees whose surname begins with it, or with the
// dialog's second flag whose surname's first word it is (letter case aside,
// LIKE's signs literal), found into `field` as FindEmployee does.
void SearchSurname(CWnd* form, int field, SearchMemory& memory);

// The fragment asked for with `prompt` and the memory of the book's id among
// `memories` (a table without a book, or an id past `count`, keeps none), then
// FindInBook into `field`.
void SearchBook(CWnd* form, const char* table, int field, const CString& prompt, SearchMemory* memories,
                UINT count);

} // namespace naddviews
