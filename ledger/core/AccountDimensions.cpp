#include "AccountDimensions.h"

#include "ConfigGlobals.h"
#include "ledmark.h"

namespace nledmark {

CString DimensionTable(const CString& account, int n)
{
    const int book = GL_Get_SB(account, (short)n);
    return book ? I_GetSprTableName(book) : CString();
}

} // namespace nledmark
