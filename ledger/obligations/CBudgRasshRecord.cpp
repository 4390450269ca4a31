#include "CBudgRasshRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CBudgRasshRecord::kTable = "ledmark_budg_rassh";

BOOL CBudgRasshRecord::Load(long realId)
{
    CStoredHeader row;
    if (!row.Read(kTable, realId, "fil_id,dogovor,d,cast(number as char) as number,prim,grid,icn"))
        return FALSE;
    branch = row.Int("fil_id", 1);
    contract = row["dogovor"];
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    return TRUE;
}

CString CBudgRasshRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_budg_rassh (id,number,d,prim,icn,s,grid,dogovor,fil_id,m0,d0) "
                      "values (%d,'%s',%s,'%s','%s',%s,%s,%s,%d,%d,%s)",
                      id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim), MakeSqlStr(icn),
                      DB_Digit(total), NullStr(grid), NullInt0(contract), branch, g_lTN, GetCurDateUS0(1));
}

CString CBudgRasshRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_budg_rassh set number='%s',d=%s,prim='%s',icn='%s',grid=%s,s=%s,dogovor=%s,"
                      "fil_id=%d,m1=%d,d1=%s where real_id=%d",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim), MakeSqlStr(icn), NullStr(grid),
                      DB_Digit(total), NullInt0(contract), branch, g_lTN, GetCurDateUS0(1), realId);
}

} // namespace nledmark
