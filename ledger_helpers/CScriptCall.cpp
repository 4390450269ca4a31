#include "CScriptCall.h"
#include <appcore.h>
#include <gridbase.h>
#include <cstdlib>

CScriptCall::CScriptCall(const char* function)
    : m_text(function)
{
    m_text += '(';
}

void CScriptCall::Separate()
{
    if (!m_first)
        m_text += ',';
    m_first = false;
}

CScriptCall& CScriptCall::Text(const char* value)
{
    Separate();
    m_text += '"';
    m_text += MakeParam(value ? value : "");
    m_text += '"';
    return *this;
}

CScriptCall& CScriptCall::Int(long long value)
{
    Separate();
    m_text.AppendFormat("%lld", value);
    return *this;
}

CScriptCall& CScriptCall::QuotedInt(long long value)
{
    Separate();
    m_text.AppendFormat("\"%lld\"", value);
    return *this;
}

CScriptCall& CScriptCall::Branch(int branch)
{
    if (branch == -2)
        return Text("");
    return QuotedInt(branch);
}

CScriptCall& CScriptCall::Tail(const char* tail)
{
    m_tail = tail;
    return *this;
}

CString CScriptCall::CallText() const
{
    return m_text + ")" + m_tail;
}

bool CScriptCall::Evaluate(bool workplace, CString& answer) const
{
    answer.Empty();
    CString context;
    if (workplace)
        context = "Arm." + I_GetArmId();
    bool done = CHelpers::EXEC_GetFunctionValue(CallText(), answer, workplace ? (const char*)context : nullptr) != 0;
    if (!done)
        answer.Empty();
    return done;
}

CString CScriptCall::Answer(bool workplace) const
{
    CString answer;
    Evaluate(workplace, answer);
    return answer;
}

long CScriptCall::Number(bool workplace) const
{
    return std::atol(Answer(workplace));
}

int CScriptCall::CheckCode() const
{
    CString answer;
    if (!Evaluate(false, answer))
        return -1;
    answer.Trim();
    const char* text = answer;
    char* end = nullptr;
    long code = std::strtol(text, &end, 10);
    if (answer.IsEmpty() || *end != '\0')
        return -1;
    return int(code);
}

double CScriptCall::Real() const
{
    return std::atof(Answer());
}
