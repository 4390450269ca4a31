#include "CRodFeeRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

BOOL CRodFeeRecord::Load(long realId)
{
    CStoredHeader row;
    CString columns = FormatText("kbk_kred,kbk_deb,fil_id,d,%s as number,kred,deb,sb1,sb2,sb3,prim,grid,icn",
                                 SqlAsText("number"));
    if (m_through)
        columns += ",b210";
    if (!row.Read(table, realId, columns))
        return FALSE;
    kbkCredit = row["kbk_kred"];
    kbkDebit = row["kbk_deb"];
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    credit = row["kred"];
    debit = row["deb"];
    values[0] = row["sb1"];
    values[1] = row["sb2"];
    values[2] = row["sb3"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    b210 = m_through && row.Int("b210", 0) != 0;
    return TRUE;
}

CString CRodFeeRecord::HeaderInsertSql(long id)
{
    CString sql = FormatText("insert into %s (id,number,d,deb,kred,prim,s,sb1,sb2,sb3,icn,grid,kbk_deb,kbk_kred,"
                             "fil_id,m0,d0%s) values (%d,'%s',%s,'%s','%s','%s',%s,%s,%s,%s,'%s','%s',%s,%s,%d,%d,%s",
                             table, m_through ? ",b210" : "", id, MakeSqlStr(number), ChangeDateUS0(date, 0),
                             MakeSqlStr(debit), MakeSqlStr(credit), MakeSqlStr(prim), NullInt0(total),
                             NullInt0(values[0]), NullInt0(values[1]), NullInt0(values[2]), MakeSqlStr(icn),
                             MakeSqlStr(grid), NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN,
                             GetCurDateUS0(1));
    if (m_through)
        sql += FormatText(",%d", b210 ? 1 : 0);
    return sql + ")";
}

CString CRodFeeRecord::HeaderUpdateSql(long id, long realId)
{
    CString sql = FormatText("update %s set id=%d,number='%s',d=%s,deb='%s',kred='%s',prim='%s',s=%s,sb1=%s,sb2=%s,"
                             "sb3=%s,icn='%s',grid='%s',kbk_deb=%s,kbk_kred=%s,fil_id=%d,m1=%d,d1=%s",
                             table, id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(debit),
                             MakeSqlStr(credit), MakeSqlStr(prim), NullInt0(total), NullInt0(values[0]),
                             NullInt0(values[1]), NullInt0(values[2]), MakeSqlStr(icn), MakeSqlStr(grid),
                             NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN, GetCurDateUS0(1));
    if (m_through)
        sql += FormatText(",b210=%d", b210 ? 1 : 0);
    return sql + FormatText(" where real_id=%d", realId);
}

BOOL CRodFeeRecord::WritePostings(long id)
{
    return WritePostingBatch(id, date, branch, postings);
}

} // namespace nledmark
