#include "CheckList.h"

#include "CPrixodRecord.h"
#include "ndbcore.h"

namespace nstovan {

void ClearList(CCellwork& grid)
{
    grid.SetNRows(0);
}

BOOL FillList(CCellwork& grid, const CString& sql, const char* codeField, const char* nameField)
{
    return FillList(grid, sql, {codeField, nameField});
}

BOOL FillList(CCellwork& grid, const CString& sql, std::initializer_list<const char*> fields)
{
    ClearList(grid);
    return ForEachRow(sql, [&](_RecordsetPtr& row) {
               const long r = grid.GetNRows();
               grid.SetNRows(r + 1);
               long col = 0;
               for (const char* field : fields)
                   grid.SetCellValue(col++, r, SafeArayToString(row->GetCollect(field)));
           })
        >= 0;
}

CString ListClause(const CCellwork& grid, const char* item)
{
    CString clause;
    for (long r = 0; r < grid.GetNRows(); ++r) {
        if (!grid.GetBCheck(r))
            continue;
        const CString code = WholeNumber(grid.GetCellValue(0, r));
        if (code.IsEmpty())
            continue;
        clause += (clause.IsEmpty() ? "and (" : " or ") + FormatText(item, code);
    }
    return clause.IsEmpty() ? clause : clause + ")";
}

CString QualifiedClause(const CString& clause, const char* prefix, const char* qualified)
{
    CString text = clause;
    text.Replace(prefix, qualified);
    return text;
}

CString JoinCheckedNames(const CCellwork& grid)
{
    CString names;
    for (long r = 0; r < grid.GetNRows(); ++r)
        if (grid.GetBCheck(r))
            names += (names.IsEmpty() ? "" : ", ") + grid.GetCellValue(1, r);
    return names;
}

void CheckAll(CCellwork& grid, bool on)
{
    grid.SetBCheckAll(on ? 1 : 0);
}

CString WorkingMonthFrom()
{
    return ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0);
}

CString WorkingMonthTo()
{
    return ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0);
}

bool ReportPeriod(const COleDateTime& from, const COleDateTime& to, CString& fromSql, CString& toSql)
{
    fromSql = ChangeDateUS0(DMGtoStr(from), 0);
    toSql = ChangeDateUS0(DMGtoStr(to), 0);
    return !(from.GetStatus() == COleDateTime::valid && to.GetStatus() == COleDateTime::valid && from > to);
}

BOOL EveryListChosen(std::initializer_list<ListChoice> lists)
{
    for (const ListChoice& list : lists) {
        if (list.clause.IsEmpty()) {
            AfxMessageBox(list.refusal);
            return FALSE;
        }
    }
    return TRUE;
}

} // namespace nstovan
