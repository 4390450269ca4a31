#include "CBankStatementRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

CString CBankPostupRecord::TableOfMode(int mode)
{
    return mode == 0 ? CString("ledmark_bank_postup") : mode == 1 ? CString("ledmark_bank_postup0") : CString();
}

CBankStatementRecord::CBankStatementRecord(const CString& table, const char* mainColumn, const char* boxColumn)
    : table(table), m_mainColumn(mainColumn), m_boxColumn(boxColumn)
{
}

BOOL CBankStatementRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = FormatText("sb2,ls,kbk_kred,kbk_deb,fil_id,d,%s as number,prim,grid,icn,%s,%s",
                                       SqlAsText("number"), m_mainColumn, m_boxColumn);
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
    main = row[m_mainColumn];
    box = row.Int(m_boxColumn, 0) != 0;
    return TRUE;
}

CString CBankStatementRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into %s (id,number,d,prim,icn,grid,%s,s,%s,kbk_deb,kbk_kred,fil_id,ls,m0,d0,sb2) "
                      "values (%d,'%s',%s,'%s','%s','%s',%d,%s,'%s',%s,%s,%d,%s,%d,%s,%s)",
                      table, m_boxColumn, m_mainColumn, id, MakeSqlStr(number), ChangeDateUS0(date, 0),
                      MakeSqlStr(prim), MakeSqlStr(icn), MakeSqlStr(grid), box ? 1 : 0, DB_Digit(total),
                      MakeSqlStr(main), NullInt0(kbkDebit), NullInt0(kbkCredit), branch, NullInt0(ls), g_lTN,
                      GetCurDateUS0(1), NullInt0(contr));
}

CString CBankStatementRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update %s set id=%d,number='%s',d=%s,prim='%s',icn='%s',grid='%s',%s=%d,s=%s,%s='%s',"
                      "kbk_deb=%s,kbk_kred=%s,fil_id=%d,ls=%s,m1=%d,d1=%s,sb2=%s where real_id=%d",
                      table, id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim), MakeSqlStr(icn),
                      MakeSqlStr(grid), m_boxColumn, box ? 1 : 0, DB_Digit(total), m_mainColumn, MakeSqlStr(main),
                      NullInt0(kbkDebit), NullInt0(kbkCredit), branch, NullInt0(ls), g_lTN, GetCurDateUS0(1),
                      NullInt0(contr), realId);
}

BOOL CBankStatementRecord::WritePostings(long id)
{
    return WritePostingBatch(id, date, branch, postings);
}

} // namespace nledmark
