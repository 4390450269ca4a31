#include "ChartLookups.h"
#include "ScriptBridges.h"
#include "SqlText.h"
#include <appcore.h>
#include <ndbcore.h>

CString GL_GetCol1_Name(const char* col1)
{
    return ExecuteString(FormatText("select name as str from spr_plan_sch where col0=0 and col1=%s and col2='00' and col3='000'",
                                SqlQuoted(col1)), -1);
}

CString GL_GetCol2_Name(const char* col1, const char* col2)
{
    return ExecuteString(FormatText("select name as str from spr_plan_sch where col0=0 and col1=%s and col2=%s and col3='000'",
                                SqlQuoted(col1), SqlQuoted(col2)), -1);
}

CString GL_GetCol3_Name(const char* col1, const char* col2, const char* col3)
{
    return ExecuteString(FormatText("select name as str from spr_plan_sch where col0=0 and col1=%s and col2=%s and col3=%s",
                                SqlQuoted(col1), SqlQuoted(col2), SqlQuoted(col3)), -1);
}

CString GL_SB_Name(int book, const char* code)
{
    if (!code || !*code)
        return "";
    CString table = I_GetSprTableName(book);
    if (table.IsEmpty())
        return "";
    // The code is a value typed by the user: it goes into the query quoted.
    return ExecuteString(FormatText("select %s as str from %s where %s", I_GetSprFieldName(book), table,
                                    SqlKeyIs(I_GetSprFieldId(book), code)), -1);
}

CString GL_SB_EI(const char* account, short n, const char* code)
{
    if (n < 1 || n > 3)
        return "";
    if (I_GetSprTableName(GL_Get_SB(account, n)) != "spr_stovan_mat")
        return "";
    return ExecuteString(FormatText("select spr_ei.name as str from spr_stovan_mat left join spr_ei on spr_ei.id=ei "
                                "where %s", SqlKeyIs("spr_stovan_mat.id", code)), -1);
}

int GL_Verify_SB(const char* account, short n, const char* code)
{
    if (n < 1 || n > 3)
        return 0;
    if (code && CString(code) == "<...>")
        return 0;
    if (!GL_IsZab(account) && CString(account ? account : "").GetLength() != 9)
        return 0;
    int book = GL_Get_SB(account, n);
    CString table = I_GetSprTableName(book);
    if (table.IsEmpty())
        return 0;
    // The posting script has usually just asked the same: its answer is kept
    // while the document's lines are checked.
    const CString sql = FormatText("select count(*) as cnt from %s where %s", table, SqlKeyIs(I_GetSprFieldId(book), code));
    long long count = 0;
    if (!appcore::CScriptReadCache::FindCount(sql.ToStdString(), count))
        count = ExecuteCount(sql, nullptr, 0);
    return int(count);
}

namespace {

// The condition on journal accounts of (col1, col2, col3); a missing or empty
// level stands for the whole level.
CString JournalFilter(const char* col1, const char* col2, const char* col3)
{
    CString filter = "spr_jrn_oper1.col1=" + SqlQuoted(col1);
    if (col2 && *col2)
        filter += " and spr_jrn_oper1.col2=" + SqlQuoted(col2);
    else
        filter += " and (spr_jrn_oper1.col2 is null or spr_jrn_oper1.col2='' or spr_jrn_oper1.col2='00')";
    if (col3 && *col3)
        filter += " and spr_jrn_oper1.col3=" + SqlQuoted(col3);
    else
        filter += " and (spr_jrn_oper1.col3 is null or spr_jrn_oper1.col3='' or spr_jrn_oper1.col3='000')";
    return filter;
}

int DimensionOfBook(int col0, CString filter, unsigned book)
{
    filter.Replace("spr_jrn_oper1.", "");
    if (filter.IsEmpty())
        return 0;
    for (int n = 1; n <= 3; ++n) {
        long long found = ExecuteCount(FormatText("select sb%d as cnt from spr_plan_sch where col0=%d and %s", n, col0, filter));
        if (found == (long long)book)
            return n;
    }
    return 0;
}

} // namespace

int GL_WhichSB(int col0, const char* col1, const char* col2, const char* col3, unsigned book)
{
    // Book 0 is "no reference book": no dimension uses it, and an unset sbN (0)
    // or a failed query (0) must not read as a match.
    if (book == 0)
        return 0;
    int n = DimensionOfBook(col0, JournalFilter(col1, col2, col3), book);
    if (n == 0)
        n = DimensionOfBook(col0, LocalGetFilter(col1, col2, col3), book);
    return n;
}

CString GL_GetTailFromEKR(const char* account, const char* ekr, int type)
{
    if (!ekr)
        return "000";
    CString code(account ? account : "");
    CString economic(ekr);
    bool cash = code.Mid(1, 5) == "21002";
    if (economic.IsEmpty() && cash)
        return "130";
    if (type < 1 || type > 3) {
        AfxMessageBox("wrong type for GL_GetTailFromEKR()");
        return "000";
    }
    // An empty or non-numeric economic code cannot choose a KOSGU row (as a
    // prefix it would match every row): the side's default KOSGU applies.
    if (IsDigitsOnly(economic) && IsDigitsOnly(code.Left(6)) && code.GetLength() >= 6) {
        CString side = type == 3 ? CString("and (tp=1 or tp=2 or tp=3)") : FormatText("and (tp=%d or tp=3)", type);
        CString account3 = FormatText("col0=%s and col1='%s' and col2='%s'", code.Left(1), code.Mid(1, 3), code.Mid(4, 2));
        CString found = ExecuteString(FormatText("select col3 as str from spr_plan_sch where %s and col3='%s' %s", account3,
                                             economic.Left(3), side), -1);
        for (int length = 2; found.IsEmpty() && length >= 1; --length)
            found = ExecuteString(FormatText("select col3 as str from spr_plan_sch where %s and col3 like'%s%%' %s "
                                         "order by col3 desc", account3, economic.Left(length), side), -1);
        if (!found.IsEmpty())
            return found;
    }
    if (cash)
        return "130";
    return (type == 2 ? GL_GetFullSchKred(account) : GL_GetFullSchDeb(account)).Mid(6, 3);
}
