#include "CDoverennostRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CDoverennostRecord::kTable = "ledmark_dov";

BOOL CDoverennostRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,r,d,d2,docDate,docName,docNumber," + SqlAsText("number")
        + " as number,org,tn,prim,grid,icn";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 1);
    wordsForQuantities = row.Int("r", 1);
    date = row["d"];
    validUntil = row["d2"];
    docDate = row["docDate"];
    docName = row["docName"];
    docNumber = row["docNumber"];
    number = row["number"];
    org = row["org"];
    tn = row["tn"];
    prim = row["prim"];
    grid = row["grid"];
    return TRUE;
}

CString CDoverennostRecord::HeaderInsertSql(long)
{
    return FormatText("insert into ledmark_dov (d,icn,d2,docDate,docName,docNumber,number,org,tn,prim,grid,r,fil_id,"
                      "m0,d0) values \t\t\t(%s,'%s',%s,%s,'%s','%s','%s',%s,%s,'%s','%s',%d,%d,%d,%s)",
                      ChangeDateUS0(date, 0), MakeSqlStr(Caption()), ChangeDateUS0(validUntil, 0),
                      ChangeDateUS0(docDate, 0), MakeSqlStr(docName), MakeSqlStr(docNumber), MakeSqlStr(number),
                      NullInt0(org), NullInt0(tn), MakeSqlStr(prim), MakeSqlStr(grid), wordsForQuantities, branch,
                      g_lTN, GetCurDateUS0(1));
}

CString CDoverennostRecord::HeaderUpdateSql(long, long realId)
{
    return FormatText("update ledmark_dov set d=%s,icn='%s',d2=%s,docDate=%s,docName='%s',docNumber='%s',"
                      "number='%s',org=%s,tn=%s,prim='%s',grid='%s',r=%d,fil_id=%d,m1=%d,d1=%s where real_id=%d",
                      ChangeDateUS0(date, 0), MakeSqlStr(Caption()), ChangeDateUS0(validUntil, 0),
                      ChangeDateUS0(docDate, 0), MakeSqlStr(docName), MakeSqlStr(docNumber), MakeSqlStr(number),
                      NullInt0(org), NullInt0(tn), MakeSqlStr(prim), MakeSqlStr(grid), wordsForQuantities, branch,
                      g_lTN, GetCurDateUS0(1), realId);
}

} // namespace nledmark
