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
