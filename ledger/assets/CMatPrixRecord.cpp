#include "CMatPrixRecord.h"

#include "StoredHeader.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

CString CMatPrixRecord::TableOf(int mode)
{
    if (mode == kMatReceipt)
        return "ledmark_mat_prix";
    if (mode == kMatOpening)
        return "ledmark_mat_prix_0";
    return CString();
}

BOOL CMatPrixRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "kbk_kred,kbk_deb,b106,b501,fil_id,nds_st,bnds,nds,d,sch_deb,sch_kred,tn,prim,s,sb1,sb2,"
                            "sb3,sfp_id,"
        + SqlAsText("number") + " as number";
    if (!row.Read(HeaderTable(), realId, columns))
        return FALSE;
    kbkCredit = row["kbk_kred"];
    kbkDebit = row["kbk_deb"];
    through106 = row.Int("b106", 0);
    through501 = row.Int("b501", 0);
    branch = row.Int("fil_id", 1);
    vatRate = row.Int("nds_st", 0);
    vat = row.Int("bnds", 0);
    vatSum = row["nds"];
    date = row["d"];
    number = row["number"];
    debit = row["sch_deb"];
    credit = row["sch_kred"];
    tn = row["tn"];
    prim = row["prim"];
    sum = row["s"];
    for (int k = 0; k < 3; ++k)
        sb[k] = row[FormatText("sb%d", k + 1)];
    invoiceId = row.Int("sfp_id", 0);
    return LoadLines(realId);
}

BOOL CMatPrixRecord::LoadLines(long realId)
{
    lines.clear();
    const CString t = HeaderTable();
    const CString sql = FormatText(
        "select %s1.*,spr_stovan_mat.name,spr_ei.name as iei from %s1 left join spr_stovan_mat on "
        "spr_stovan_mat.id=%s1.id left join spr_ei on spr_ei.id=spr_stovan_mat.ei where real_id=%d order by %s1.id",
        t, t, t, realId, t);
    static const char* const fields[MP_COLUMNS] = {"id",  "name", "iei",  "kol1", "sum1", "price",
                                                   "kol", "s",    "kol2", "sum2", "ekr"};
    try {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open((const char*)sql, GetConnection().GetInterfacePtr(), adOpenForwardOnly, adLockReadOnly, adCmdText);
        while (!rs->adoEOF) {
            CMatPrixLine line;
            for (int c = 0; c < MP_COLUMNS; ++c)
                line.cells[c] = SafeArayToString(rs->GetFields()->GetItem(fields[c])->GetValue());
            lines.push_back(line);
            rs->MoveNext();
        }
        rs->Close();
        return TRUE;
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    }
    return FALSE;
}

CString CMatPrixRecord::HeaderInsertSql(long id)
{
    return FormatText(
        "insert into %s (b106,sfp_id,id,number,d,sch_deb,sch_kred,tn,prim,s,sb1,sb2,sb3,bnds,nds,nds_st,kbk_deb,"
        "kbk_kred,fil_id,m0,d0,b501) values \t\t\t(%d,%d,%d,'%s',%s,'%s','%s',%s,'%s',%s,%s,%s,%s,%d,%s,%d,%s,%s,%d,"
        "%d,%s,%d)",
        HeaderTable(), through106, (int)invoiceId, id, MakeSqlStr(number), ChangeDateUS0(date, 0),
        MakeSqlStr(debit), MakeSqlStr(credit), NullInt0(tn), MakeSqlStr(prim), DB_Digit(sum), NullInt0(sb[0]),
        NullInt0(sb[1]), NullInt0(sb[2]), vat, DB_Digit(vatSum), vatRate, NullInt0(kbkDebit), NullInt0(kbkCredit),
        branch, g_lTN, GetCurDateUS0(1), through501);
}

CString CMatPrixRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText(
        "update %s set b106=%d,sfp_id=%d,id=%d,number='%s',d=%s,sch_deb='%s',sch_kred='%s',tn=%s,prim='%s',s=%s,"
        "sb1=%s,sb2=%s,sb3=%s,bnds=%d,nds=%s,nds_st=%d,kbk_deb=%s,kbk_kred=%s,fil_id=%d,m1=%d,d1=%s,b501=%d "
        "where real_id=%d",
        HeaderTable(), through106, (int)invoiceId, id, MakeSqlStr(number), ChangeDateUS0(date, 0),
        MakeSqlStr(debit), MakeSqlStr(credit), NullInt0(tn), MakeSqlStr(prim), DB_Digit(sum), NullInt0(sb[0]),
        NullInt0(sb[1]), NullInt0(sb[2]), vat, DB_Digit(vatSum), vatRate, NullInt0(kbkDebit), NullInt0(kbkCredit),
        branch, g_lTN, GetCurDateUS0(1), through501, realId);
}

CString CMatPrixRecord::LineTablesDeleteSql(long realId)
{
    return FormatText("delete from %s1 where real_id=%d", HeaderTable(), realId);
}

CString CMatPrixRecord::LineTablesInsertSql(long realId)
{
    CString values;
    for (const CMatPrixLine& line : lines) {
        const CString* c = line.cells;
        values += FormatText("%s(%d,%s,%s,%s,%s,%s,%s,%s,%s,%s)", values.IsEmpty() ? "" : ",", realId,
                             NullInt0(c[MP_ITEM]), DB_Digit(c[MP_KOL1]), DB_Digit(c[MP_SUM1]), DB_Digit(c[MP_KOL]),
                             DB_Digit(c[MP_PRICE]), DB_Digit(c[MP_SUM]), DB_Digit(c[MP_KOL2]), DB_Digit(c[MP_SUM2]),
                             NullInt0(c[MP_EKR]));
    }
    if (values.IsEmpty())
        return CString();
    return FormatText("insert into %s1 (real_id,id,kol1,sum1,kol,price,s,kol2,sum2,ekr) values \t\t\t\t%s",
                      HeaderTable(), values);
}

// The book row first (its key goes into the header), then the postings, all
// inside the save's transaction.
BOOL CMatPrixRecord::WritePostings(long id)
{
    if (writeInvoice) {
        const long realId =
            (long)ExecuteCount(FormatText("select real_id as cnt from %s where id=%d", HeaderTable(), id));
        invoice.realId = invoiceId;
        const long key = realId > 0 ? WriteReceivedInvoice(invoice) : 0;
        if (key <= 0) {
            invoiceUnwritten = true;
            return FALSE;
        }
        if (!ExecuteSql(FormatText("update %s set sfp_id=%d where real_id=%d", HeaderTable(), key, realId)))
            return FALSE;
        invoiceId = key;
    }
    CString batch;
    if (!AppendPostingStatements(id, date, branch, postings, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
