#include "CDovPoluchCheckaRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CDovPoluchCheckaRecord::kTable = "ledmark_dov_pol_cheka";

BOOL CDovPoluchCheckaRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,s0,d," + SqlAsText("number") + " as number,prim,tn,icn,ser,n,d_pol,d_ch,grid,s";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 1);
    accrued = row["s0"];
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    tn = row["tn"];
    fio = row["icn"];
    series = row["ser"];
    chequeNumber = row["n"];
    receiveDate = row["d_pol"];
    chequeDate = row["d_ch"];
    grid = row["grid"];
    total = row["s"];
    return TRUE;
}

CString CDovPoluchCheckaRecord::HeaderInsertSql(long)
{
    return FormatText("insert into ledmark_dov_pol_cheka (number,d,prim,tn,d_ch,ser,n,d_pol,icn,grid,s,s0,fil_id,m0,d0) "
                      "values \t\t\t('%s',%s,%s,%s,%s,%s,%s,%s,'%s',%s,%s,%s,%d,%d,%s)",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullInt0(tn),
                      ChangeDateUS0(chequeDate, 0), NullStr(series), NullInt0(chequeNumber),
                      ChangeDateUS0(receiveDate, 0), MakeSqlStr(fio), NullStr(grid), DB_Digit(total),
                      DB_Digit(accrued), branch, g_lTN, GetCurDateUS0(1));
}

CString CDovPoluchCheckaRecord::HeaderUpdateSql(long, long realId)
{
    return FormatText("update ledmark_dov_pol_cheka set number='%s',d=%s,prim=%s,tn=%s,d_ch=%s,ser=%s,n=%s,d_pol=%s,"
                      "icn='%s',grid=%s,s=%s,s0=%s,fil_id=%d,m1=%d,d1=%s where real_id=%d",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullInt0(tn),
                      ChangeDateUS0(chequeDate, 0), NullStr(series), NullInt0(chequeNumber),
                      ChangeDateUS0(receiveDate, 0), MakeSqlStr(fio), NullStr(grid), DB_Digit(total),
                      DB_Digit(accrued), branch, g_lTN, GetCurDateUS0(1), realId);
}

} // namespace nledmark
