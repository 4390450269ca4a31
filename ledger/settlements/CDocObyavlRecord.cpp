#include "CDocObyavlRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CDocObyavlRecord::kTable = "ledmark_obyavl";

BOOL CDocObyavlRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,d," + SqlAsText("number") + " as number,prim,ls,cn,icn,s,org";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    account = row["ls"];
    source = row["cn"];
    sourceText = row["icn"];
    sum = row["s"];
    org = row["org"];
    return TRUE;
}

CString CDocObyavlRecord::HeaderInsertSql(long)
{
    return FormatText("insert into ledmark_obyavl (number,d,ls,s,cn,icn,prim,fil_id,m0,d0,org) values \t\t\t"
                      "('%s',%s,%s,%s,%s,%s,%s,%d,%d,%s,%s)",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullInt0(account), NullInt0(sum), NullInt0(source),
                      NullStr(sourceText), NullStr(prim), branch, g_lTN, GetCurDateUS0(1), NullInt0(org));
}

CString CDocObyavlRecord::HeaderUpdateSql(long, long realId)
{
    return FormatText("update ledmark_obyavl set number='%s',d=%s,ls=%s,s=%s,cn=%s,icn=%s,prim=%s,fil_id=%d,m1=%d,"
                      "d1=%s,org=%s where real_id=%d",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullInt0(account), NullInt0(sum), NullInt0(source),
                      NullStr(sourceText), NullStr(prim), branch, g_lTN, GetCurDateUS0(1), NullInt0(org), realId);
}

} // namespace nledmark
