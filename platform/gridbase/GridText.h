// Texts made of parts: the serialized grid and the lists the forms pass around
// ("1,2,3", "230405000@12.50", "%d:%d:%d"), and the character helpers on them.
// Parts are counted from 1, characters from 0; both are characters, not bytes,
// so a Cyrillic text counts as it reads.
#pragma once
#include "afx.h"

// The separator of the rows of a serialized grid and of other lists of
// records (U+0001), and the separator of the cells of a row or the fields of
// a record (U+0002). Control characters: nothing a user types or a form
// formats contains them, and they are none of the characters that split SQL
// batches, script calls or number lists (line feeds, ";", ",", '"').
CString GetDelimiter();
CString GetDelimiter0();

// The number of parts of a text split at every occurrence of the delimiter;
// an empty text has none ("" gives 0, "a" 1, "a,b," 3).
int Length(const CString& text, const CString& delimiter);
// Part n, counted from 1; "" when there is no such part.
CString GetPart(const CString& text, const CString& delimiter, int n);
// Parts from..to joined by the delimiter as they stand in the text; `to` past
// the last part means up to the end; "" when `from` is past the end or after `to`.
CString GetPart(const CString& text, const CString& delimiter, int from, int to);

// The characters from..to, counted from 0, both included; the range is clipped
// to the text, so a range wholly outside it gives "".
CString GetFromTo(const CString& text, int from, int to);
// The single character at position n; "" past the end.
CString GetFromTo(const CString& text, int n);

// A surname, name or full name with normalised capitals: blanks trimmed and
// runs of blanks made one, each word and each part of a hyphenated word
// starting with a capital, the rest small ("иванов-петров  ИВАН" gives
// "Иванов-Петров Иван").
CString FIOP(const CString& text);
