// CHelpers: evaluation of script calls with the calling thread's interpreter.
#include "CHelpers.h"

#include "CInterpriter.h"
#include "ScriptHooks.h"

#include <cstdlib>

namespace {

CInterpriter* Interpriter(const char* call)
{
    CInterpriter* current = CInterpriter::GetCurrent();
    if (current)
        return current;
    if (CInterpriter::GetMain())
        appcore::ScriptReportError(std::string("Сценарий не выполнен: у потока нет своего интерпретатора "
                                               "(CThreadInterpriter):\n") + (call ? call : ""));
    else
        appcore::ScriptReportError(std::string("Сценарий не выполнен, интерпретатор не запущен:\n") + (call ? call : ""));
    return nullptr;
}

} // namespace

int CHelpers::EXEC_GetFunctionValue(const char* call, CString& result, const char* context)
{
    result.Empty();
    CInterpriter* current = Interpriter(call);
    return current && current->Evaluate(call, context, result) ? 1 : 0;
}

int CHelpers::EXEC_Execute(const char* text, const char* context)
{
    CInterpriter* current = Interpriter(text);
    std::string answer;
    if (!current || !current->Evaluate(text, context, answer))
        return 0;
    if (answer.empty())
        return 1;
    char* end = nullptr;
    long value = std::strtol(answer.c_str(), &end, 10);
    return end != answer.c_str() ? int(value) : 1;
}
