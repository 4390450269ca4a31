#include "CMenuTrebRecord.h"

#include "StoredHeader.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

BOOL CMenuTrebRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "d,KatDov,icn,prim,grid,deb,deb_sb1,deb_sb2,deb_sb3,kred,tn,kbk_deb,kbk_kred,fil_id,"
        + SqlAsText("number") + " as number";
    if (!row.Read(HeaderTable(), realId, columns))
        return FALSE;
    date = row["d"];
    katDov = row["KatDov"];
    number = row["number"];
    icn = row["icn"];
    prim = row["prim"];
    grid = row["grid"];
    debit = row["deb"];
    for (int k = 0; k < 3; ++k)
        sb[k] = row[FormatText("deb_sb%d", k + 1)];
    credit = row["kred"];
    tn = row["tn"];
    kbkDebit = row["kbk_deb"];
    kbkCredit = row["kbk_kred"];
    branch = row.Int("fil_id", 1);
    return TRUE;
}

CString CMenuTrebRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_menu_treb (id,deb,deb_sb1,deb_sb2,deb_sb3,kred,tn,kbk_deb,kbk_kred,KatDov,"
                      "number,d,prim,icn,grid,m0,d0,fil_id) values \t\t\t(%d,%s,%s,%s,%s,%s,%s,%s,%s,%s,'%s',%s,%s,%s,%s,"
                      "%d,%s,%d)",
                      id, NullStr(debit), NullInt0(sb[0]), NullInt0(sb[1]), NullInt0(sb[2]), NullStr(credit),
                      NullInt0(tn), NullInt0(kbkDebit), NullInt0(kbkCredit), NullStr(katDov), MakeSqlStr(number),
                      ChangeDateUS0(date, 0), NullStr(prim), NullStr(icn), NullStr(grid), g_lTN, GetCurDateUS0(1),
                      branch);
}

CString CMenuTrebRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_menu_treb set id=%d,deb=%s,deb_sb1=%s,deb_sb2=%s,deb_sb3=%s,kred=%s,tn=%s,"
                      "kbk_deb=%s,kbk_kred=%s,KatDov=%s,number='%s',d=%s,prim=%s,icn=%s,grid=%s,m1=%d,d1=%s,fil_id=%d "
                      "where real_id=%d",
                      id, NullStr(debit), NullInt0(sb[0]), NullInt0(sb[1]), NullInt0(sb[2]), NullStr(credit),
                      NullInt0(tn), NullInt0(kbkDebit), NullInt0(kbkCredit), NullStr(katDov), MakeSqlStr(number),
                      ChangeDateUS0(date, 0), NullStr(prim), NullStr(icn), NullStr(grid), g_lTN, GetCurDateUS0(1),
                      branch, realId);
}

// One batch of the rows' postings, then the total they came to.
BOOL CMenuTrebRecord::WritePostings(long id)
{
    CString batch;
    if (!AppendPostingStatements(id, date, branch, postings, batch))
        return FALSE;
    if (!batch.IsEmpty() && !ExecuteSql(batch))
        return FALSE;
    return ExecuteSql(FormatText("update ledmark_menu_treb set s=%s where id=%d", (LPCTSTR)FormatNumber(total, "", 2),
                                 id));
}

} // namespace nledmark
