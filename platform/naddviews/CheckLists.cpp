#include "CheckLists.h"

#include "ndbcore.h"

namespace naddviews {

CString WholeNumber(const CString& text)
{
    const QString trimmed = text.ToQString().trimmed();
    bool ok = false;
    const long long value = trimmed.toLongLong(&ok);
    return ok && !trimmed.startsWith('+') ? utoa(value) : CString();
}

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

namespace {

// The whole-number keys of the ticked rows, each put into `item`, joined by
// `separator`.
CString JoinCheckedKeys(const CCellwork& grid, const char* item, const char* separator)
{
    CString joined;
    bool first = true;
    for (long r = 0; r < grid.GetNRows(); ++r) {
        if (!grid.GetBCheck(r))
            continue;
        const CString code = WholeNumber(grid.GetCellValue(0, r));
        if (code.IsEmpty())
            continue;
        joined += (first ? "" : separator) + FormatText(item, code);
        first = false;
    }
    return joined;
}

} // namespace

CString ListClause(const CCellwork& grid, const char* item)
{
    const CString terms = JoinCheckedKeys(grid, item, " or ");
    return terms.IsEmpty() ? terms : "and (" + terms + ")";
}

CString CheckedKeys(const CCellwork& grid)
{
    return JoinCheckedKeys(grid, "%s", ",");
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

} // namespace naddviews
