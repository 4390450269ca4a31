#include "StatementGrid.h"

#include "ndbcore.h"

namespace nvenzol {

void FillStatementGrid(CCellwork& grid, const COleDateTime& d1, const COleDateTime& d2)
{
    grid.SetNRows(0);
    const CString sql = FormatText("select distinct ssv1.nv,nv.name as inv from perso_tn_nip left join ssv on "
                                   "ssv.id=perso_tn_nip.dol right join ssv1 on ssv1.id=ssv.id left join nv on "
                                   "nv.id=ssv1.nv where kpr=1 and d1<=%s and (d2 is null or d2>=%s) order by ssv1.nv",
                                   ChangeDateUS0(DMGtoStr(d1), 0), ChangeDateUS0(DMGtoStr(d2), 0));
    _RecordsetPtr rows = GetConnection()->Execute(_bstr_t(sql), nullptr, adCmdText);
    for (; !rows->GetadoEOF(); rows->MoveNext()) {
        const long row = grid.GetNRows();
        grid.SetNRows(row + 1);
        grid.SetCellValue(0, row, SafeArayToString(rows->GetCollect("nv")));
        grid.SetCellValue(1, row, SafeArayToString(rows->GetCollect("inv")));
    }
}

std::vector<long> CheckedRows(CCellwork& grid)
{
    std::vector<long> rows;
    for (long row = 0; row < grid.GetNRows(); ++row)
        if (grid.GetBCheck(row))
            rows.push_back(row);
    return rows;
}

} // namespace nvenzol
