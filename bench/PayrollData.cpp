#include "PayrollData.h"

#include "StaffData.h"

#include <ndbcore.h>

bool FillBenchPayroll(long year, long month)
{
    const CString period = FormatText("%ld, %ld", year, month);
    return ExecuteSql(FormatText(
               "delete from paymar_trv\n"
               "delete from paymar_trv_dol\n"
               "delete from paymar_trv_chas\n"
               "delete from paymar_dopl\n"
               "delete from paymar_bux\n"
               "delete from spr_paymar_dol1\n"
               "delete from spr_paymar_dol\n"
               "insert into spr_paymar_dol (id, name, raz, vr) select id, name, raz, vr from ssv\n"
               "insert into spr_paymar_dol1 (id, nv, okl) select id, nv, 9000 + id * 150 from ssv1\n"
               "insert into paymar_bux (tn, npp, osn, kpz, prd, dol, kat, kou, kl, d1, d2, staj) "
               "select a.tn, a.npp, case when a.npp = (select min(b.npp) from perso_tn_nip b where b.tn = a.tn) "
               "then 1 else 0 end, a.kpr, a.prd, a.dol, a.kat, case when (a.tn + a.npp) %% 7 = 0 then 3 else 1 end, "
               "1, a.d1, a.d2, case when (a.tn + a.npp) %% 7 = 0 then 1 else 0 end "
               "from perso_tn_nip a where a.kpr is not null\n"
               "update tn join paymar_bux b on b.tn = tn.tn and b.osn = 1 set tn.kat = b.kat, tn.nv = 1\n"
               "insert into paymar_trv (tn, g, ms, dn, kl) select tn, %s, 21, 30 from tn "
               "where kat is not null and tn %% 10 <> 0\n"
               "insert into paymar_trv_dol (tn, npp, g, ms, dn) select tn, npp, %s, 21 from paymar_bux "
               "where (tn + npp) %% 10 <> 0\n"
               "insert into paymar_trv_chas (tn, npp, g, ms, nv, ch, pl) select tn, npp, %s, 1, 160, 168 "
               "from paymar_bux where staj = 1",
               period, period, period))
        != 0;
}
