#include "CBankFinansRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CBankFinansRecord::kTable = "ledmark_bank_postup0";

BOOL CBankFinansRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "kbk,fil_id,d," + SqlAsText("number") + " as number,prim,grid,icn,sb2,isf";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    kbk = row["kbk"];
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    contr = row["sb2"];
    source = row.Int("isf", 1);
    return TRUE;
}

CString CBankFinansRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_bank_postup0 (id,number,d,prim,icn,grid,isf,s,kbk,fil_id,m0,d0,sb2) "
                      "values (%d,'%s',%s,'%s','%s','%s',%d,%s,%s,%d,%d,%s,%s)",
                      id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim), MakeSqlStr(icn),
                      MakeSqlStr(grid), source, DB_Digit(total), NullInt0(kbk), branch, g_lTN, GetCurDateUS0(1),
                      NullStr(contr));
}

CString CBankFinansRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_bank_postup0 set id=%d,number='%s',d=%s,prim='%s',icn='%s',grid='%s',isf=%d,"
                      "s=%s,kbk=%s,fil_id=%d,m1=%d,d1=%s,sb2=%s where real_id=%d",
                      id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim), MakeSqlStr(icn),
                      MakeSqlStr(grid), source, DB_Digit(total), NullInt0(kbk), branch, g_lTN, GetCurDateUS0(1),
                      NullStr(contr), realId);
}

BOOL CBankFinansRecord::WritePostings(long id)
{
    return WritePostingBatch(id, date, branch, postings);
}

} // namespace nledmark
