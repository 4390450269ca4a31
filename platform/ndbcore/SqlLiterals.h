// SQL literal forms of values that come from a user: each answers a ready SQL
// value that the caller writes unquoted, quoted and escaped for the current
// dialect, or NULL. Nothing typed ever reaches SQL raw: a text that is not
// what the form expects becomes NULL, and the layer logs it.
#pragma once
#include "afx.h"

// Text made safe to stand inside '...' (the caller adds the quotes).
CString MakeSqlStr(LPCTSTR text);
// A quoted text, or NULL for an empty one.
CString NullStr(LPCTSTR text);
// A number (whole or decimal) or NULL for an empty text. Blanks are dropped and
// "," reads as the decimal point, so "1 234,50" gives 1234.50; decimals are
// never cut off.
CString NullInt0(LPCTSTR text);
CString NullFloat(LPCTSTR text);
// An amount or other number as NullInt0 gives it: a typed decimal comma
// reaches the database as a point; an empty text gives NULL.
CString DB_Digit(LPCTSTR text);
// A date literal of dd.mm.yyyy, d.m.yyyy or yyyy-m-d text (a time after it is
// kept); NULL for an empty text or one that is no date.
CString ChangeDateUS0(LPCTSTR date, int unused = 0);
CString ChangeDateUS(LPCTSTR date, int unused = 0);
// Today as a literal: with the time of day when withTime is nonzero (the
// audit columns take GetCurDateUS0(1)), the date alone for 0.
CString GetCurDateUS0(int withTime = 1);
// The text padded with blanks on the right to `width` characters; a longer
// text is kept whole (a cut would lose data).
CString PadR(LPCTSTR text, int width);

// The number of a text in the form NullInt0 writes ("-12.50"); false when the
// text is empty or no number.
bool NormalizeNumberText(const QString& text, QString& number);
