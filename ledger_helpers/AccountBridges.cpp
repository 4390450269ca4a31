// Bridges to the account scripts.
#include "AccountFacts.h"
#include "CScriptCall.h"
#include "ScriptBridges.h"

int GL_Should_Have_Kol(const char* account)
{
    return CScriptCall("GL_Should_Have_Kol").Text(account).Number();
}

int GL_IsZab(const char* account)
{
    return CScriptCall("GL_IsZab").Text(account).Number();
}

int GL_Get_SB(const char* account, short n)
{
    return CScriptCall("GL_Get_SB").Text(account).Int(n).Number();
}

CString GetSchName(const char* account)
{
    return CScriptCall("GetSchName").Text(account).Answer();
}

int GL_Valid_Sch0(const char* account, int shortForm, int side)
{
    return CScriptCall("GL_Valid_Sch0").Text(account).Int(shortForm).Int(side).Number();
}

int GL_Valid_Sch(const char* account, int shortForm, int side)
{
    return GL_Valid_Sch0(account, shortForm, side);
}

CString GL_AccountFacts(const std::vector<CString>& accounts)
{
    CScriptCall call("GL_AccountFacts");
    for (const CString& account : accounts)
        call.Text(account);
    return call.Answer();
}

CString GL_Get_AP(const char* account)
{
    return CScriptCall("GL_Get_AP").Text(account).Answer();
}

CString GL_Printable(const char* account)
{
    return CScriptCall("GL_Printable").Text(account).Answer();
}

CString GL_Printable0(const char* account, const char* kbk, int flag)
{
    return CScriptCall("GL_Printable0").Text(account).Text(kbk).Int(flag).Answer();
}

CString GL_Printable1(const char* account, const char* kbk, int flag)
{
    return CScriptCall("GL_Printable1").Text(account).Text(kbk).Int(flag).Answer();
}

CString GL_Get_SCH(CString& source, CString& synthetic, CString& analytic, CString& kosgu)
{
    return CScriptCall("GL_Get_SCH").Text(source).Text(synthetic).Text(analytic).Text(kosgu).Answer();
}

CString GL_Get_EI(const char* table, const char* code)
{
    return CScriptCall("GL_Get_EI").Text(table).Text(code).Answer();
}

CString GL_GetMatEI(const char* code)
{
    return GL_Get_EI("spr_stovan_mat", code);
}

CString GetWhere(const char* text)
{
    return CScriptCall("GetWhere").Text(text).Answer();
}

int GetShould_Have_KBK()
{
    return 1;
}

CString GL_SB_Name(const char* account, short n, const char* code)
{
    return CScriptCall("GL_SB_Name").Text(account).Int(n).Text(code).Answer(true);
}

CString GL_GetFullSchDeb(const char* account)
{
    return CScriptCall("GL_GetFullSchDeb").Text(account).Answer(true);
}

CString GL_GetFullSchKred(const char* account)
{
    return CScriptCall("GL_GetFullSchKred").Text(account).Answer(true);
}
