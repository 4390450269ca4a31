#include "GridSql.h"

#include "DbDialect.h"

CString GL_SqlFio()
{
    return SqlFullName();
}

CString SqlIsNull(LPCTSTR expression, LPCTSTR fallback)
{
    return SqlIfNull(expression, fallback);
}

CString SafeArayToString(const _variant_t& value)
{
    return CString(value.text());
}
