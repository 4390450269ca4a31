#include "CBudgObyazRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CBudgObyazRecord::kTable = "ledmark_budg_obyaz";

BOOL CBudgObyazRecord::Load(long realId)
{
    CStoredHeader row;
    if (!row.Read(kTable, realId,
                  "prd,kbk_kred,kbk_deb,fil_id,dogovor,ekr,d,cast(number as char) as number,prim,grid,icn,deb,kred"))
        return FALSE;
    department = row["prd"];
    kbkCredit = row["kbk_kred"];
    kbkDebit = row["kbk_deb"];
    branch = row.Int("fil_id", 1);
    contract = row["dogovor"];
    ekr = row["ekr"];
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    debit = row["deb"];
    credit = row["kred"];
    return TRUE;
}

CString CBudgObyazRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_budg_obyaz (prd,id,number,d,prim,icn,s,deb,kred,grid,ekr,dogovor,kbk_deb,"
                      "kbk_kred,fil_id,m0,d0) values (%s,%d,'%s',%s,'%s','%s',%s,'%s','%s',%s,%s,%s,%s,%s,%d,%d,%s)",
                      NullInt0(department), id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim),
                      MakeSqlStr(icn), DB_Digit(total), MakeSqlStr(debit), MakeSqlStr(credit), NullStr(grid),
                      NullInt0(ekr), NullInt0(contract), NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN,
                      GetCurDateUS0(1));
}

CString CBudgObyazRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_budg_obyaz set prd=%s,id=%d,number='%s',d=%s,prim='%s',icn='%s',grid=%s,s=%s,"
                      "deb='%s',kred='%s',ekr=%s,dogovor=%s,kbk_deb=%s,kbk_kred=%s,fil_id=%d,m1=%d,d1=%s "
                      "where real_id=%d",
                      NullInt0(department), id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim),
                      MakeSqlStr(icn), NullStr(grid), DB_Digit(total), MakeSqlStr(debit), MakeSqlStr(credit),
                      NullInt0(ekr), NullInt0(contract), NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN,
                      GetCurDateUS0(1), realId);
}

BOOL CBudgObyazRecord::WritePostings(long id)
{
    return InsertPostings(id, date, branch, {posting});
}

} // namespace nledmark
