#include "SqlText.h"
#include <ndbcore.h>

CString SqlQuoted(const char* text)
{
    return "'" + MakeSqlStr(text ? text : "") + "'";
}

CString SqlKeyIs(const char* column, const char* value)
{
    return FormatText("concat(%s,'')=%s", column, SqlQuoted(value));
}

bool IsDigitsOnly(const CString& text)
{
    if (text.IsEmpty())
        return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}
