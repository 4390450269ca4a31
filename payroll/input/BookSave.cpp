#include "BookSave.h"

#include "ndbcore.h"

namespace npaymar {

BOOL WriteBookRecord(const BookRecord& r, CString& npp)
{
    CDbTransaction save;
    const CString employee = FormatText("tn=%s", r.tn);
    // The employee's row first: every save of his pay record waits here for
    // the one before it, even when he has no position rows yet to lock.
    if (ForEachRow(SqlLockRow("tn", "tn", employee), [](_RecordsetPtr&) {}) < 0)
        return FALSE;
    if (ForEachRow(SqlLockRow("npp", "paymar_bux", employee), [](_RecordsetPtr&) {}) < 0)
        return FALSE;
    npp = r.npp;
    if (npp.IsEmpty()) {
        npp = ExecuteString(SqlNextNumber("npp", "paymar_bux", employee));
        if (npp.IsEmpty() || npp == "0")
            npp = "1";
    }
    const CString statements[] = {
        FormatText("update tn set stj=%s,nsr=%s,prd=%s,kat=%s,nv=%s,du=%s,prof=%d,inn=%s,sno=%s where tn=%s", r.stj,
                   r.nsr, r.prd, r.kat, r.nv, r.du, r.prof, r.inn, r.sno, r.tn),
        FormatText("delete from paymar_bux where tn=%s and npp=%s", r.tn, npp),
        FormatText("insert into paymar_bux (plav,dprik,nprik,tn,npp,kl,dol,osn,d1,d2,kpz,prd,kat,kou,staj) values "
                   "(%s,%s,%s,%s,%s,%s,%s,%d,%s,%s,%s,%s,%s,%s,%d)",
                   r.plav, r.dprik, r.nprik, r.tn, npp, r.kl, r.dol, r.osn, r.d1, r.d2, r.kpz, r.rowPrd, r.rowKat,
                   r.kou, r.staj),
        r.osn ? FormatText("update paymar_bux set osn=0 where tn=%s and npp<>%s", r.tn, npp) : CString(),
    };
    for (const CString& sql : statements)
        if (!sql.IsEmpty() && !ExecuteSql(sql))
            return FALSE;
    return save.Commit();
}

long long MainRowCount(const CString& tn)
{
    return ExecuteCount(FormatText("select count(npp) as cnt from paymar_bux where osn=1 and tn=%s", tn));
}

} // namespace npaymar
