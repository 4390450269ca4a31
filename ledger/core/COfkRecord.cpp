#include "COfkRecord.h"

#include "StoredHeader.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

const char* const COfkRecord::kTable = "ledmark_dov_pol_den";

BOOL COfkRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = SqlAsText("number") + " as number,d,prim,tn,cpec,ser,n,d_pol,icn,grid,s,fil_id,ls";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    number = row["number"];
    date = row["d"];
    prim = row["prim"];
    tn = row["tn"];
    cpec = row["cpec"];
    ser = row["ser"];
    n = row["n"];
    datePol = row["d_pol"];
    icn = row["icn"];
    grid = row["grid"];
    sum = row["s"];
    ls = row["ls"];
    branch = row.Int("fil_id", 1);
    return TRUE;
}

CString COfkRecord::InsertSql() const
{
    return FormatText("insert into ledmark_dov_pol_den (number,d,prim,tn,cpec,ser,n,d_pol,icn,grid,s,fil_id,m0,d0,ls) "
                      "values \t\t\t('%s',%s,%s,%s,%s,%s,%s,%s,'%s',%s,%s,%d,%d,%s,%s)",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullInt0(tn), NullStr(cpec),
                      NullStr(ser), NullInt0(n), ChangeDateUS0(datePol, 0), MakeSqlStr(icn), NullStr(grid),
                      DB_Digit(sum), branch, g_lTN, GetCurDateUS0(1), NullInt0(ls));
}

CString COfkRecord::UpdateSql(long realId) const
{
    return FormatText("update ledmark_dov_pol_den set ls=%s,number='%s',d=%s,prim=%s,tn=%s,cpec=%s,ser=%s,n=%s,"
                      "d_pol=%s,icn='%s',grid=%s,s=%s,fil_id=%d,m1=%d,d1=%s where real_id=%d",
                      NullInt0(ls), MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullInt0(tn),
                      NullStr(cpec), NullStr(ser), NullInt0(n), ChangeDateUS0(datePol, 0), MakeSqlStr(icn),
                      NullStr(grid), DB_Digit(sum), branch, g_lTN, GetCurDateUS0(1), realId);
}

} // namespace nledmark
