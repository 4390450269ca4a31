// Bridges to the branch, default-value, journal and closing scripts.
#include "CScriptCall.h"
#include "ScriptBridges.h"

CString GL_GetDefKBK(const char* account, int branch, const char* current, int flag)
{
    return CScriptCall("GL_GetDefKBK").Text(account).Int(branch).Text(current).Int(flag).Answer();
}

CString GetFilRukDol(int branch)
{
    return CScriptCall("GetFilRukDol").Int(branch).Answer();
}

CString GetDefSO(const char* debit, const char* credit)
{
    return CScriptCall("GetDefSO").Text(debit).Text(credit).Answer();
}

CString GetFilsSql(const char* branches)
{
    return CScriptCall("GetFilsSql").Text(branches).Answer();
}

CString GetFilRuk(int branch, int shortForm)
{
    return CScriptCall("GetFilRuk").Int(branch).Int(shortForm).Answer();
}

CString GetFilRuk0(const char* branches, int)
{
    return CScriptCall("GetFilRuk0").Text(branches).Answer();
}

CString GetFilName0(const char* branches)
{
    return CScriptCall("GetFilName0").Text(branches).Answer();
}

CString GL_JRN_GetNumber(const char* debit, const char* credit, const char* extra)
{
    return CScriptCall("GL_JRN_GetNumber").Text(debit).Text(credit).Text(extra).Answer();
}

CString GetFilName(int branch)
{
    return CScriptCall("GetFilName").Int(branch).Answer(true);
}

CString GetFilAdres(int branch)
{
    return CScriptCall("GetFilAdres").Int(branch).Answer(true);
}

CString GetZaklSch()
{
    return CScriptCall("GetZaklSch").Answer(true);
}

CString GL_SqlProvodki(const char* from, const char* to, const char* condition, int flag)
{
    return CScriptCall("GL_SqlProvodki").Text(from).Text(to).Text(condition).Int(flag).Answer(true);
}

CString LocalGetFilter(const char* col1, const char* col2, const char* col3)
{
    return CScriptCall("local_get_filter").Text(col1).Text(col2).Text(col3).Answer();
}
