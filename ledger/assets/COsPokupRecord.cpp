#include "COsPokupRecord.h"

#include "StoredHeader.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

BOOL COsPokupRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "b501,fil_id,kbk_kred,nds_st,bnds,nds,d,kred,sb1,sb2,sb3,prim,grid,icn,b106,s,sfp_id,"
        + SqlAsText("number") + " as number";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    through501 = row.Int("b501", 0);
    branch = row.Int("fil_id", 1);
    kbk = row["kbk_kred"];
    vatRate = row.Int("nds_st", 0);
    vat = row.Int("bnds", 0);
    vatSum = row["nds"];
    date = row["d"];
    number = row["number"];
    credit = row["kred"];
    for (int k = 0; k < 3; ++k)
        sb[k] = row[FormatText("sb%d", k + 1)];
    prim = row["prim"];
    grid = row["grid"];
    text = row["icn"];
    through106 = row.Int("b106", 0);
    sum = row["s"];
    invoiceId = row.Int("sfp_id", 0);
    return TRUE;
}

CString COsPokupRecord::HeaderInsertSql(long id)
{
    return FormatText(
        "insert into ledmark_os_pokup (sfp_id,id,number,d,kred,prim,s,sb1,sb2,sb3,icn,grid,b106,bnds,nds,nds_st,"
        "fil_id,kbk_kred,m0,d0,b501) values \t\t\t(%d,%d,'%s',%s,'%s','%s',%s,%s,%s,%s,'%s','%s',%d,%d,%s,%d,%d,%s,"
        "%d,%s,%d)",
        (int)invoiceId, id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(credit), MakeSqlStr(prim),
        DB_Digit(sum), NullInt0(sb[0]), NullInt0(sb[1]), NullInt0(sb[2]), MakeSqlStr(text), MakeSqlStr(grid),
        through106, vat, DB_Digit(vatSum), vatRate, branch, NullInt0(kbk), g_lTN, GetCurDateUS0(1), through501);
}

CString COsPokupRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText(
        "update ledmark_os_pokup set sfp_id=%d,id=%d,number='%s',d=%s,kred='%s',prim='%s',s=%s,sb1=%s,sb2=%s,"
        "sb3=%s,icn='%s',grid='%s',b106=%d,bnds=%d,nds=%s,nds_st=%d,fil_id=%d,kbk_kred=%s,m1=%d,d1=%s,b501=%d "
        "where real_id=%d",
        (int)invoiceId, id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(credit), MakeSqlStr(prim),
        DB_Digit(sum), NullInt0(sb[0]), NullInt0(sb[1]), NullInt0(sb[2]), MakeSqlStr(text), MakeSqlStr(grid),
        through106, vat, DB_Digit(vatSum), vatRate, branch, NullInt0(kbk), g_lTN, GetCurDateUS0(1), through501,
        realId);
}

// The book row first (its key goes into the header), then the postings, all
// inside the save's transaction.
BOOL COsPokupRecord::WritePostings(long id)
{
    if (writeInvoice) {
        const long realId =
            (long)ExecuteCount(FormatText("select real_id as cnt from ledmark_os_pokup where id=%d", id));
        invoice.realId = invoiceId;
        const long key = realId > 0 ? WriteReceivedInvoice(invoice) : 0;
        if (key <= 0) {
            invoiceUnwritten = true;
            return FALSE;
        }
        if (!ExecuteSql(FormatText("update ledmark_os_pokup set sfp_id=%d where real_id=%d", key, realId)))
            return FALSE;
        invoiceId = key;
    }
    CString batch;
    if (!AppendPostingStatements(id, date, branch, postings, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
