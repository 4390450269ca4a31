#include "COfkRecord.h"

#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

const char* const COfkRecord::kTable = "ledmark_dov_pol_den";

BOOL COfkRecord::Load(long realId)
{
    const CString sql = FormatText("select %s as number,d,prim,tn,cpec,ser,n,d_pol,icn,grid,s,fil_id,ls "
                                   "from ledmark_dov_pol_den where real_id=%d",
                                   SqlAsText("number"), realId);
    const long rows = ForEachRow(sql, [this](_RecordsetPtr& rs) {
        auto field = [&rs](const char* name) { return SafeArayToString(rs->GetCollect(name)); };
        number = field("number");
        date = field("d");
        prim = field("prim");
        tn = field("tn");
        cpec = field("cpec");
        ser = field("ser");
        n = field("n");
        datePol = field("d_pol");
        icn = field("icn");
        grid = field("grid");
        sum = field("s");
        ls = field("ls");
        branch = atoi(field("fil_id"));
    });
    if (rows == 0)
        AfxMessageBox("Документ не найден в базе данных: его удалил другой пользователь.", MB_OK | MB_ICONSTOP);
    return rows == 1;
}

CString COfkRecord::InsertSql() const
{
    return FormatText("insert into ledmark_dov_pol_den (number,d,prim,tn,cpec,ser,n,d_pol,icn,grid,s,fil_id,m0,d0,ls) "
                      "values \t\t\t('%s',%s,%s,%s,%s,%s,%s,%s,'%s',%s,%s,%d,%d,%s,%s)",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullInt0(tn), NullStr(cpec),
                      NullStr(ser), NullInt0(n), ChangeDateUS0(datePol, 0), MakeSqlStr(icn), NullStr(grid),
                      DB_Digit(sum), branch, g_lTN, GetCurDateUS0(1), NullInt0(ls));
}

CString COfkRecord::UpdateSql(long realId) const
{
    return FormatText("update ledmark_dov_pol_den set ls=%s,number='%s',d=%s,prim=%s,tn=%s,cpec=%s,ser=%s,n=%s,"
                      "d_pol=%s,icn='%s',grid=%s,s=%s,fil_id=%d,m1=%d,d1=%s where real_id=%d",
                      NullInt0(ls), MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullInt0(tn),
                      NullStr(cpec), NullStr(ser), NullInt0(n), ChangeDateUS0(datePol, 0), MakeSqlStr(icn),
                      NullStr(grid), DB_Digit(sum), branch, g_lTN, GetCurDateUS0(1), realId);
}

} // namespace nledmark
