#include "CBudgAsegRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CBudgAsegRecord::kTable = "ledmark_budg_assig";

void DefaultAssignmentAccounts(int kind, int source, CString& debit, CString& credit)
{
    const CString digit = FormatText("%d", source);
    debit.Empty();
    credit.Empty();
    if (kind == LIMITS_MONTHLY) {
        debit = digit + "50105000";
        credit = digit + "50103000";
    } else if (kind == ASSIGNMENTS_YEAR) {
        debit = digit + "50301000";
        credit = digit + "50101000";
    }
}

BOOL CBudgAsegRecord::Load(long realId)
{
    CStoredHeader row;
    if (!row.Read(kTable, realId,
                  "prd,kbk_kred,kbk_deb,fil_id,ifin,tiplim,d,cast(number as char) as number,prim,grid,icn,deb,kred"))
        return FALSE;
    department = row["prd"];
    kbkCredit = row["kbk_kred"];
    kbkDebit = row["kbk_deb"];
    branch = row.Int("fil_id", 1);
    source = row.Int("ifin", 1);
    kind = row.Int("tiplim", LIMITS_MONTHLY);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    debit = row["deb"];
    credit = row["kred"];
    return TRUE;
}

CString CBudgAsegRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_budg_assig (prd,id,number,d,prim,icn,s,deb,kred,grid,tiplim,ifin,kbk_deb,"
                      "kbk_kred,fil_id,m0,d0) values (%s,%d,'%s',%s,'%s','%s',%s,'%s','%s',%s,%d,%d,%s,%s,%d,%d,%s)",
                      NullInt0(department), id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim),
                      MakeSqlStr(icn), DB_Digit(total), MakeSqlStr(debit), MakeSqlStr(credit), NullStr(grid), kind,
                      source, NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN, GetCurDateUS0(1));
}

CString CBudgAsegRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_budg_assig set prd=%s,id=%d,number='%s',d=%s,prim='%s',icn='%s',grid=%s,s=%s,"
                      "deb='%s',kred='%s',tiplim=%d,ifin=%d,kbk_deb=%s,kbk_kred=%s,fil_id=%d,m1=%d,d1=%s "
                      "where real_id=%d",
                      NullInt0(department), id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim),
                      MakeSqlStr(icn), NullStr(grid), DB_Digit(total), MakeSqlStr(debit), MakeSqlStr(credit), kind,
                      source, NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN, GetCurDateUS0(1), realId);
}

BOOL CBudgAsegRecord::WritePostings(long id)
{
    return InsertPostings(id, date, branch, postings);
}

} // namespace nledmark
