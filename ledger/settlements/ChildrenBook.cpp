#include "ChildrenBook.h"

#include "CCellwork.h"
#include "SqlText.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"

namespace nledmark {

CString ChildCode(const CString& text)
{
    CString code = text;
    code.Trim();
    return !code.IsEmpty() && code.GetLength() <= 9 && IsDigitsOnly(code) ? code : CString();
}

CChildFacts ChildOf(const CString& code, bool all)
{
    CChildFacts child;
    const CString id = ChildCode(code);
    if (id.IsEmpty())
        return child;
    if (all) {
        child.name = ExecuteString(FormatText("select name as str from spr_deti where id=%s", id));
        child.fee = ExecuteString(FormatText("select s as str from spr_deti where id=%s", id));
    }
    child.leaving = ExecuteString(FormatText("select dt_del as str from spr_deti where id=%s", id));
    return child;
}

CString ChildCounterparty(const CString& code)
{
    const CString id = ChildCode(code);
    if (id.IsEmpty())
        return CString();
    return ExecuteString(FormatText("select id as str from spr_contr where tip=3 and id_tip=%s", id));
}

std::map<CString, CString> ChildCounterparties(const std::vector<CString>& codes)
{
    std::map<CString, CString> found;
    CString list;
    for (const CString& text : codes) {
        const CString code = ChildCode(text);
        if (!code.IsEmpty())
            list += (list.IsEmpty() ? "" : ",") + code;
    }
    if (list.IsEmpty())
        return found;
    // The lowest id where a child has several rows, as the one-child look-up
    // takes the first it finds.
    ForEachRow(FormatText("select id_tip,min(id) as id from spr_contr where tip=3 and id_tip in (%s) group by id_tip",
                          list),
               [&](_RecordsetPtr& rs) {
                   found[SafeArayToString(rs->GetCollect("id_tip"))] = SafeArayToString(rs->GetCollect("id"));
               });
    return found;
}

void RefuseChildWithoutCounterparty(const CString& code)
{
    CString name = ChildOf(code).name;
    if (name.IsEmpty())
        name = code;
    AfxMessageBox("У ребенка нет контрагента: " + name);
}

void ShowLeavingMark(CCellwork& grid, long row, const CString& leaving)
{
    if (leaving.IsEmpty()) {
        grid.SetRowIcon(row, nullptr);
        return;
    }
    HBITMAP mark = LoadBitmap(GetDLL_Appcore(), MAKEINTRESOURCE(IDB_LEAVING_MARK));
    grid.SetRowIcon(row, mark);
    if (mark)
        DeleteObject(mark);
}

void ForEachDebtor(const CString& date, const std::function<void(const CDebtor&)>& each)
{
    _RecordsetPtr rs = ExecuteRows(FormatText("select * from spr_deti \t\t\t\t\t where tnp>0 and s>0 and "
                                              "(spr_deti.dt_del is null or spr_deti.dt_del>%s) \t\t\torder by name",
                                              ChangeDateUS0(date, 0)));
    if (!rs)
        return;
    for (; !rs->EndOfFile; rs->MoveNext()) {
        const _variant_t fee = rs->GetCollect("s");
        if (fee.vt == VT_NULL || fee.vt == VT_EMPTY || double(fee) == 0)
            continue;
        CDebtor d;
        d.code = SafeArayToString(rs->GetCollect("id"));
        d.name = SafeArayToString(rs->GetCollect("name"));
        d.fee = FormatNumber(double(fee), "", 2);
        d.teacher = SafeArayToString(rs->GetCollect("tnp"));
        d.leaving = SafeArayToString(rs->GetCollect("dt_del"));
        each(d);
    }
}

void AppendRowWhenFull(CCellwork& grid)
{
    for (long row = 0; row < grid.GetNRows(); ++row)
        for (long col = 0; col < grid.GetNCols(); ++col)
            if (!grid.GetColLocked(col) && grid.GetCellValue(col, row).IsEmpty())
                return;
    grid.SetNRows(grid.GetNRows() + 1);
    grid.SetCurCell(0, grid.GetNRows() - 1);
}

} // namespace nledmark
