#include "CMaterialsSpisRecord.h"

#include "StoredHeader.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

BOOL CMaterialsSpisRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "whom,zab,kbk_kred,kbk_deb,fil_id,d,sb1,sb2,sb3,sch_deb,sch_kred,tn,prim,s,grid,"
        + SqlAsText("number") + " as number";
    if (!row.Read(HeaderTable(), realId, columns))
        return FALSE;
    whom = row["whom"];
    zab = row["zab"];
    // Off-balance accounts kept by their two-digit number are of the first source.
    if (zab.GetLength() == 2)
        zab = "1" + zab;
    kbkCredit = row["kbk_kred"];
    kbkDebit = row["kbk_deb"];
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    for (int k = 0; k < 3; ++k)
        sb[k] = row[FormatText("sb%d", k + 1)];
    debit = row["sch_deb"];
    credit = row["sch_kred"];
    tn = row["tn"];
    prim = row["prim"];
    sum = row["s"];
    grid = row["grid"];
    lines.clear();
    return grid.IsEmpty() ? LoadLines(realId) : TRUE;
}

BOOL CMaterialsSpisRecord::LoadLines(long realId)
{
    const CString sql = FormatText(
        "select ledmark_mat_spis1.*,spr_stovan_mat.name,spr_ei.name as iei from ledmark_mat_spis1 left join "
        "spr_stovan_mat on spr_stovan_mat.id=ledmark_mat_spis1.id left join spr_ei on spr_ei.id=spr_stovan_mat.ei "
        "where real_id=%d order by ledmark_mat_spis1.id",
        realId);
    static const char* const fields[] = {"id", "name", "iei", "kol1", "sum1", "kol", "price", "s", "kol2", "sum2"};
    try {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open((const char*)sql, GetConnection().GetInterfacePtr(), adOpenForwardOnly, adLockReadOnly, adCmdText);
        while (!rs->adoEOF) {
            CMaterialsSpisLine line;
            for (int c = 0; c < int(std::size(fields)); ++c)
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

CString CMaterialsSpisRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_mat_spis (whom,id,number,d,sch_deb,sch_kred,tn,prim,s,sb1,sb2,sb3,kbk_deb,"
                      "kbk_kred,fil_id,m0,d0,zab,grid) values \t\t\t(%s,%d,'%s',%s,'%s','%s',%s,'%s',%s,%s,%s,%s,%s,"
                      "%s,%d,%d,%s,%s,%s)",
                      NullInt0(whom), id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(debit),
                      MakeSqlStr(credit), NullInt0(tn), MakeSqlStr(prim), DB_Digit(sum), NullInt0(sb[0]),
                      NullInt0(sb[1]), NullInt0(sb[2]), NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN,
                      GetCurDateUS0(1), NullStr(zab), NullStr(grid));
}

CString CMaterialsSpisRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_mat_spis set whom=%s,id=%d,number='%s',d=%s,sch_deb='%s',sch_kred='%s',tn=%s,"
                      "prim='%s',s=%s,sb1=%s,sb2=%s,sb3=%s,kbk_deb=%s,kbk_kred=%s,fil_id=%d,m1=%d,d1=%s,zab=%s,"
                      "grid=%s where real_id=%d",
                      NullInt0(whom), id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(debit),
                      MakeSqlStr(credit), NullInt0(tn), MakeSqlStr(prim), DB_Digit(sum), NullInt0(sb[0]),
                      NullInt0(sb[1]), NullInt0(sb[2]), NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN,
                      GetCurDateUS0(1), NullStr(zab), NullStr(grid), realId);
}

CString CMaterialsSpisRecord::LineTablesDeleteSql(long realId)
{
    return FormatText("delete from ledmark_mat_spis1 where real_id=%d", realId);
}

CString CMaterialsSpisRecord::LineTablesInsertSql(long realId)
{
    CString values;
    for (const CMaterialsSpisLine& line : lines) {
        const CString* c = line.cells;
        values += FormatText("%s(%d,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s)", values.IsEmpty() ? "" : ",", realId,
                             NullInt0(c[MS_ITEM]), DB_Digit(c[MS_KOL1]), DB_Digit(c[MS_SUM1]), DB_Digit(c[MS_KOL]),
                             DB_Digit(c[MS_PRICE]), DB_Digit(c[MS_SUM]), DB_Digit(c[MS_KOL2]), DB_Digit(c[MS_SUM2]),
                             NullInt0(c[MS_EKR]), NullInt0(c[MS_WHOM]));
    }
    if (values.IsEmpty())
        return CString();
    return "insert into ledmark_mat_spis1 (real_id,id,kol1,sum1,kol,price,s,kol2,sum2,ekr,whom) values " + values;
}

BOOL CMaterialsSpisRecord::WritePostings(long id)
{
    CString batch;
    if (!AppendPostingStatements(id, date, branch, postings, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
