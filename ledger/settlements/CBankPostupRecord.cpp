#include "CBankPostupRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

CString CBankPostupRecord::TableOfMode(int mode)
{
    return mode == 0 ? CString("ledmark_bank_postup") : mode == 1 ? CString("ledmark_bank_postup0") : CString();
}

CBankPostupRecord::CBankPostupRecord(int mode) : table(TableOfMode(mode)) {}

BOOL CBankPostupRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "sb2,ls,kbk_kred,kbk_deb,fil_id,d," + SqlAsText("number") + " as number,prim,grid,icn,deb,b210";
    if (!row.Read(table, realId, columns))
        return FALSE;
    contr = row["sb2"];
    ls = row["ls"];
    kbkCredit = row["kbk_kred"];
    kbkDebit = row["kbk_deb"];
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    main = row["deb"];
    through = row.Int("b210", 0) != 0;
    return TRUE;
}

CString CBankPostupRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into %s (id,number,d,prim,icn,grid,b210,s,deb,kbk_deb,kbk_kred,fil_id,ls,m0,d0,sb2) "
                      "values (%d,'%s',%s,'%s','%s','%s',%d,%s,'%s',%s,%s,%d,%s,%d,%s,%s)",
                      table, id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim), MakeSqlStr(icn),
                      MakeSqlStr(grid), through ? 1 : 0, DB_Digit(total), MakeSqlStr(main), NullInt0(kbkDebit),
                      NullInt0(kbkCredit), branch, NullInt0(ls), g_lTN, GetCurDateUS0(1), NullInt0(contr));
}

CString CBankPostupRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update %s set id=%d,number='%s',d=%s,prim='%s',icn='%s',grid='%s',b210=%d,s=%s,deb='%s',"
                      "kbk_deb=%s,kbk_kred=%s,fil_id=%d,ls=%s,m1=%d,d1=%s,sb2=%s where real_id=%d",
                      table, id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim), MakeSqlStr(icn),
                      MakeSqlStr(grid), through ? 1 : 0, DB_Digit(total), MakeSqlStr(main), NullInt0(kbkDebit),
                      NullInt0(kbkCredit), branch, NullInt0(ls), g_lTN, GetCurDateUS0(1), NullInt0(contr), realId);
}

BOOL CBankPostupRecord::WritePostings(long id)
{
    CString batch;
    if (!AppendPostingStatements(id, date, branch, postings, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
