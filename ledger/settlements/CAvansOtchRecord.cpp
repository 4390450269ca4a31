#include "CAvansOtchRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CAvansOtchRecord::kTable = "ledmark_avans_otch";

BOOL CAvansOtchRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "prd,kbk_kred,kbk_deb,d,sch,tn,icn,prim,pred_av,s,g1,g2,g3,g4,g5,g6,g7,g8,g9,grid,b501,"
                            "fil_id,"
        + SqlAsText("number") + " as number";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    department = row["prd"];
    kbkCredit = row["kbk_kred"];
    kbkDebit = row["kbk_deb"];
    date = row["d"];
    account = row["sch"];
    tn = row["tn"];
    icn = row["icn"];
    prim = row["prim"];
    previousAdvance = row["pred_av"];
    sum = row["s"];
    for (int i = 0; i < 9; ++i)
        received[i] = row[FormatText("g%d", i + 1)];
    grid = row["grid"];
    through501 = row.Int("b501", 0);
    branch = row.Int("fil_id", 1);
    number = row["number"];
    return TRUE;
}

CString CAvansOtchRecord::HeaderInsertSql(long id)
{
    const CString* g = received;
    return FormatText(
        "insert into ledmark_avans_otch (prd,id,number,d,sch,tn,icn,prim,pred_av,s,g1,g2,g3,g4,g5,g6,g7,g8,g9,grid,"
        "kbk_deb,kbk_kred,fil_id,m0,d0,b501) values \t\t\t(%s,%d,'%s',%s,'%s',%s,'%s','%s',%s,%s,'%s',%s,%s,'%s',%s,"
        "%s,'%s',%s,%s,'%s',%s,%s,%d,%d,%s,%d)",
        NullInt0(department), id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(account), NullInt0(tn),
        MakeSqlStr(icn), MakeSqlStr(prim), NullInt0(previousAdvance), NullInt0(sum), MakeSqlStr(g[0]),
        ChangeDateUS0(g[1], 0), NullInt0(g[2]), MakeSqlStr(g[3]), ChangeDateUS0(g[4], 0), NullInt0(g[5]),
        MakeSqlStr(g[6]), ChangeDateUS0(g[7], 0), NullInt0(g[8]), MakeSqlStr(grid), NullInt0(kbkDebit),
        NullInt0(kbkCredit), branch, g_lTN, GetCurDateUS0(1), through501);
}

CString CAvansOtchRecord::HeaderUpdateSql(long id, long realId)
{
    const CString* g = received;
    return FormatText(
        "update ledmark_avans_otch set prd=%s,id=%d,number='%s',d=%s,sch='%s',tn=%s,icn='%s',prim='%s',pred_av=%s,"
        "s=%s,g1='%s',g2=%s,g3=%s,g4='%s',g5=%s,g6=%s,g7='%s',g8=%s,g9=%s,grid='%s',kbk_deb=%s,kbk_kred=%s,fil_id=%d,"
        "m1=%d,d1=%s,b501=%d where real_id=%d",
        NullInt0(department), id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(account), NullInt0(tn),
        MakeSqlStr(icn), MakeSqlStr(prim), NullInt0(previousAdvance), NullInt0(sum), MakeSqlStr(g[0]),
        ChangeDateUS0(g[1], 0), NullInt0(g[2]), MakeSqlStr(g[3]), ChangeDateUS0(g[4], 0), NullInt0(g[5]),
        MakeSqlStr(g[6]), ChangeDateUS0(g[7], 0), NullInt0(g[8]), MakeSqlStr(grid), NullInt0(kbkDebit),
        NullInt0(kbkCredit), branch, g_lTN, GetCurDateUS0(1), through501, realId);
}

// The postings' statements as the posting script makes them, sent as one
// batch inside the save's transaction.
BOOL CAvansOtchRecord::WritePostings(long id)
{
    CString batch;
    if (!AppendPostingStatements(id, date, branch, postings, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
