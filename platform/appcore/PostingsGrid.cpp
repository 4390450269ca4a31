#include "PostingsGrid.h"

#include "CHelpers.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace appcore {

namespace {

const char* const kColumns[] = {"npp", "d", "dbt", "deb_sb1", "deb_sb2", "deb_sb3", "krdt",
                                "kred_sb1", "kred_sb2", "kred_sb3", "kol", "s", "prim"};

CString Signed(const CString& number, int sign)
{
    if (sign >= 0 || number.IsEmpty())
        return number;
    return number.Left(1) == "-" ? number.Mid(1) : "-" + number;
}

} // namespace

BOOL FillPostingsGrid(CCellwork& grid, long id, int sign)
{
    grid.SetNRows(0);
    CString sql;
    sql.Format("select npp,d,%s as dbt,deb_sb1,deb_sb2,deb_sb3,%s as krdt,kred_sb1,kred_sb2,kred_sb3,kol,s,prim "
               "from ledmark_provodki where id=%ld order by npp",
               (LPCTSTR)CHelpers::GL_SqlDeb(), (LPCTSTR)CHelpers::GL_SqlKred(), id);
    // Through the layer: a connection the server dropped is opened again.
    _RecordsetPtr rs = ExecuteRows(sql);
    if (!rs)
        return FALSE;
    try {
        for (long row = 0; !rs->GetadoEOF(); rs->MoveNext(), ++row) {
            grid.SetNRows(row + 1);
            for (long col = 0; col < long(std::size(kColumns)); ++col) {
                CString text = SafeArayToString(rs->GetFields()->GetItem(kColumns[col])->GetValue());
                bool amount = col == 10 || col == 11;
                grid.SetCellValue(col, row, amount ? Signed(text, sign) : text);
            }
        }
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
        return FALSE;
    }
    if (grid.GetNRows() > 0)
        grid.SetCurCell(0, 0);
    return TRUE;
}

} // namespace appcore
