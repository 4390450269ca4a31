// CHelpers: evaluation of script calls with the application's interpreter.
#include "CHelpers.h"

#include "CInterpriter.h"
#include "ScriptHooks.h"

#include <cstdlib>

namespace {

CInterpriter* Interpriter(const char* call)
{
    CInterpriter* main = CInterpriter::GetMain();
    if (!main)
        appcore::ScriptReportError(std::string("Сценарий не выполнен, интерпретатор не запущен:\n") + (call ? call : ""));
    return main;
}

} // namespace

int CHelpers::EXEC_GetFunctionValue(const char* call, CString& result, const char* context)
{
    result.Empty();
    CInterpriter* main = Interpriter(call);
    return main && main->Evaluate(call, context, result) ? 1 : 0;
}

int CHelpers::EXEC_Execute(const char* text, const char* context)
{
    CInterpriter* main = Interpriter(text);
    std::string answer;
    if (!main || !main->Evaluate(text, context, answer))
        return 0;
    if (answer.empty())
        return 1;
    char* end = nullptr;
    long value = std::strtol(answer.c_str(), &end, 10);
    return end != answer.c_str() ? int(value) : 1;
}
