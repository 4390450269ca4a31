#include "PostingScript.h"

#include "appcore.h"
#include "gridbase.h"

namespace npaymar {

CString PostingScriptCall(const char* filter, const char* monthsText, int month, const char* date)
{
    return FormatText("Prov_5(\"%s\", \"%s\", %d, \"%s\")", MakeParam(filter ? filter : ""),
                      MakeParam(monthsText ? monthsText : ""), month, MakeParam(date ? date : ""));
}

bool RunPostingScript(const char* filter, const char* monthsText, int month, const char* date)
{
    CString result;
    const int ran = CHelpers::EXEC_GetFunctionValue(PostingScriptCall(filter, monthsText, month, date), result,
                                                    "Arm." + I_GetArmId());
    return ran != 0 && result.Trim() != "0";
}

} // namespace npaymar
