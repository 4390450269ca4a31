// Numbers as the forms show them and write them into SQL and script calls.
// Every text uses "." as the decimal point and "-" for negatives, never an
// exponent; only the "," patterns of FormatNumber group thousands. Rounding is
// half away from zero on the number as written (2.675 gives 2.68), the rule of
// RoundKopecks, which rounds amounts wherever a sum is stored or compared.
#pragma once
#include "afx.h"
#include "MoneyText.h"

#include <concepts>

class CWnd;

// The decimal point of number texts: always ".", so the forms' swaps between
// it and "." change nothing, and atof reads every number text back.
CString GetNumberDelimiter();

// `value` rounded to `decimals` places (0 or more), every place written
// ("12.50"). The pattern: "" and "-" plain, so the text reads back with atof
// as the rounded number and may go into SQL as it is; "," and "-," group the
// whole part in threes with "," ("1,234,567.50").
CString FormatNumber(double value, LPCTSTR pattern, int decimals);
// As FormatNumber, but "" when the rounded value is zero (an empty report cell).
CString FormatNumber0(double value, LPCTSTR pattern, int decimals);
// As FormatNumber, with the trailing zeros of the decimals dropped (rtz).
CString FormatNumber1(double value, LPCTSTR pattern, int decimals);

// A quantity or price: every significant decimal kept (up to 10 places, so
// binary noise is dropped), at least `minDecimals` of them written. Nothing
// is rounded away: Number(29.4, 0) is "29.4", Number(3, 1) is "3.0".
CString Number(double value, int minDecimals);
// The same for a number typed or read as text (atof rules, "." decimal point).
CString Number(const CString& text, int minDecimals);
// Number(value, 0), "" for zero (report cells).
CString Number0(double value);
// Number(value, 0): quantities and their differences in grid cells.
CString Number_(double value);

// The shortest text that atof reads back as exactly the same double.
CString ftoa(double value);
// Whole numbers as decimal text (any integer type; negatives with "-").
CString utoa(long long value);
CString utos(long long value);
template <std::integral T>
CString utoa(T value)
{
    return utoa(static_cast<long long>(value));
}
template <std::integral T>
CString utos(T value)
{
    return utos(static_cast<long long>(value));
}
// A window as the number of its handle, which a text may carry to another
// form and back (FromHandle of that number); "0" for none.
CString utoa(HWND window);
CString utoa(const CWnd* window);

// A number text with the trailing zeros of its decimals dropped, and the
// point too when nothing is left after it ("12.500" gives "12.5", "7.000"
// gives "7"); a text without a point is returned as it is ("100").
CString rtz(const CString& text);
