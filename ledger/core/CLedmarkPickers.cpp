// The chart-of-accounts pickers of CLedmark.
#include "CLedmark.h"

#include "CHelpers.h"
#include "ConfigGlobals.h"
#include "ledmark.h"
#include "naddviews.h"

namespace nledmark {

void CLedmark::GetSB(CWnd* parent, UINT ctrlId, UINT msg, const char* account, short n, int flag)
{
    const int book = GL_Get_SB(account, n);
    if (book == 0) {
        MessageBeep(0);
        return;
    }
    if (I_GetSprTableName(book) == "tn")
        CExtFuncs::OnTNcmd(parent, (int)ctrlId, nullptr, nullptr, msg, flag, 0);
    else
        CHelpers::GetInSpr(I_GetSprSU_Id(book), parent, (int)ctrlId, nullptr, msg, 0, flag, nullptr, nullptr, 0);
}

} // namespace nledmark
