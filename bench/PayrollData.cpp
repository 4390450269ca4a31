#include "PayrollData.h"

#include "StaffData.h"

#include <ndbcore.h>

#include <QDate>
#include <QStringList>

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

bool FillBenchPayrollHistory(long year, long month)
{
    const QDate first(int(year), int(month), 1);
    QStringList months, calendar;
    for (int k = 1; k <= 12; ++k) {
        const QDate m = first.addMonths(-k);
        months << QStringLiteral("select %1 as g, %2 as ms, '%3' as d1").arg(m.year()).arg(m.month())
                      .arg(m.toString(QStringLiteral("yyyy-MM-dd")));
    }
    for (int k = 0; k <= 12; ++k) {
        const QDate m = first.addMonths(-k);
        int workdays = 0;
        for (int d = 1; d <= m.daysInMonth(); ++d)
            workdays += QDate(m.year(), m.month(), d).dayOfWeek() <= 5;
        calendar << QStringLiteral("(1, %1, %2, %3, %4, %5)").arg(m.year()).arg(m.month()).arg(workdays)
                        .arg(m.daysInMonth()).arg(workdays * 8);
    }
    const QString history = QStringLiteral("(") + months.join(QStringLiteral(" union all ")) + QStringLiteral(") m");
    const QString mothers = QStringLiteral("(select tn from tn where kat is not null and tn % 12 = 7 order by tn limit %1)")
                                .arg(kBenchChildren);
    const QString leave = QStringLiteral("'") + first.addMonths(-3).addDays(-1).toString(QStringLiteral("yyyy-MM-dd"))
                          + QStringLiteral("'");
    const QString born = QStringLiteral("'") + first.addMonths(-8).toString(QStringLiteral("yyyy-MM-dd"))
                         + QStringLiteral("'");
    const QString sql =
        QStringLiteral(
            "delete from paymar_nuz\ndelete from paymar_nu\ndelete from paymar_iz\ndelete from spr_paymar_prem\n"
            "delete from spr_kl1\ndelete from paymar_trv where not (g=%1 and ms=%2)\n"
            "delete from spr_tvx where kou=21\n"
            "insert into spr_tvx (kou, id) values (21, 1), (21, 3), (21, 11)\n"
            "insert into spr_kl1 (id, g, ms, dn, bol, ch) values %3\n"
            "insert into spr_paymar_prem (id, name, ms, dt_del, Real_npp) values (1, 'Премия', 1, NULL, 11)\n"
            "insert into paymar_nuz (g, ms, tn, npp, nv, kou, s) select m.g, m.ms, b.tn, b.npp, tn.nv, 1, r.okl "
            "from paymar_bux b join tn on tn.tn = b.tn join %4 join spr_paymar_dol1 r on r.id = b.dol and r.nv = tn.nv "
            "where b.osn = 1 and b.d1 <= m.d1\n"
            "insert into paymar_nuz (g, ms, tn, npp, nv, kou, s) select g, ms, tn, npp, nv, 11, round(s * 0.25, 2) "
            "from paymar_nuz where kou = 1 and ms in (3, 6, 9, 12)\n"
            "insert into paymar_nuz (g, ms, tn, npp, nv, kou, s) select g, ms, tn, npp, nv, 201, round(sum(s) * 0.13, 2) "
            "from paymar_nuz group by g, ms, tn, npp, nv\n"
            "insert into paymar_trv (tn, g, ms, dn, kl) select distinct n.tn, n.g, n.ms, "
            "case when n.tn % 10 = 3 then k.dn - 2 else k.dn end, null from paymar_nuz n "
            "join spr_kl1 k on k.id = 1 and k.g = n.g and k.ms = n.ms\n"
            "insert into perso_trv (tn, npp, d, t) select b.tn, b.npp, days.d, "
            "case when day(days.d) in (10, 11) then 'б' else '8.00' end from paymar_bux b "
            "join (select %5 - interval (a.n + 10 * c.n) day as d from "
            "(select 0 as n union all select 1 union all select 2 union all select 3 union all select 4 union all "
            "select 5 union all select 6 union all select 7 union all select 8 union all select 9) a, "
            "(select 0 as n union all select 1 union all select 2 union all select 3 union all select 4 union all "
            "select 5 union all select 6 union all select 7 union all select 8 union all select 9 union all "
            "select 10 union all select 11 union all select 12 union all select 13 union all select 14 union all "
            "select 15 union all select 16 union all select 17 union all select 18 union all select 19 union all "
            "select 20 union all select 21 union all select 22 union all select 23 union all select 24 union all "
            "select 25 union all select 26 union all select 27 union all select 28 union all select 29 union all "
            "select 30 union all select 31 union all select 32 union all select 33 union all select 34 union all "
            "select 35 union all select 36) c) days on days.d >= b.d1 "
            "where b.osn = 1 and b.tn % 10 = 3 and weekday(days.d) < 5\n"
            "update paymar_bux set d2 = %6 where tn in (select tn from %7 x)\n"
            "insert into paymar_iz (tn, npp, dr, b15, b3) select tn, 1, %8, 1, 1 from %7 x\n"
            "delete from paymar_bol\ndelete from paymar_bol2\ndelete from paymar_sred\ndelete from paymar_sred1\n"
            "insert into paymar_bol (g, ms, tn, npp, vou, BOLs, npp_bux) select %1, %2, tn, 1, 5, %9, 1 from tn "
            "where kat is not null and tn % 10 = 3\n"
            "insert into paymar_bol2 (g, ms, tn, npp, nv, s) select %1, %2, tn, 1, nv, 1234.56 from tn "
            "where kat is not null and tn % 10 = 3 and nv is not null\n"
            "insert into paymar_sred (g, ms, tn, kou, dr, d) select %1, %2, tn, 35, %9, 5 from tn "
            "where kat is not null and tn % 20 = 9\n"
            "insert into paymar_sred1 (g, ms, tn, nv, kou, s) select %1, %2, tn, nv, 35, 2345.67 from tn "
            "where kat is not null and tn % 20 = 9 and nv is not null")
            .arg(year)
            .arg(month)
            .arg(calendar.join(QStringLiteral(",")))
            .arg(history)
            .arg(QStringLiteral("'") + first.addDays(-1).toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("'"))
            .arg(leave)
            .arg(mothers)
            .arg(born)
            .arg(QStringLiteral("'") + first.addDays(9).toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("'"));
    return ExecuteSql(CString(sql)) != 0;
}

bool FillBenchPayrollYear(long year)
{
    return ExecuteSql(FormatText(
               "delete from paymar_nuz where g=%ld\n"
               "delete from paymar_m where g=%ld\n"
               "delete from paymar_per where g=%ld\n"
               "delete from paymar_isp\n"
               "delete from spr_paymar_5pr1\n"
               "delete from spr_paymar_5pr\n"
               "insert into paymar_nuz (g, ms, tn, npp, nv, kou, s) select %ld, m.seq, b.tn, b.npp, "
               "if(b.staj = 1, 2, 1), if(b.staj = 1, 3, 1), r.okl + m.seq * 10 + b.tn %% 7 "
               "from paymar_bux b join tn on tn.tn = b.tn join spr_paymar_dol1 r on r.id = b.dol and r.nv = tn.nv "
               "join seq_1_to_12 m where b.osn = 1 or b.staj = 1\n"
               "insert into paymar_nuz (g, ms, tn, npp, nv, kou, s) select g, ms, tn, npp, nv, 201, "
               "round(sum(s) * 0.13, 2) from paymar_nuz where g = %ld group by g, ms, tn, npp, nv\n"
               "insert into paymar_isp (tn, npp, pu, nd, kou, sv, ov, s, pr, d1) select tn, 1, 1, "
               "concat('ИЛ-', tn), 301, 60000, 60000, 1500, null, '%ld-01-01' from tn "
               "where kat is not null and tn %% 20 = 0\n"
               "insert into paymar_nuz (g, ms, tn, npp, nv, kou, s) select n.g, n.ms, n.tn, n.npp, n.nv, 301, 1500 "
               "from paymar_nuz n join paymar_isp i on i.tn = n.tn where n.g = %ld and n.kou = 1\n"
               "insert into paymar_m (g, ms, tn, kat, prd) select distinct n.g, n.ms, n.tn, b.kat, b.prd "
               "from paymar_nuz n join paymar_bux b on b.tn = n.tn and b.osn = 1 where n.g = %ld\n"
               "insert into paymar_per (g, ms, tn, nv, npp, s1, s2, tp, sov_tp) select n.g, n.ms, n.tn, n.nv, "
               "r.npp, sum(n.s), round(sum(n.s) * r.pr / 100, 2), 1, 0 from paymar_nuz n "
               "join (select 1 as npp, 22 as pr union all select 2, 5.1) r where n.g = %ld and n.kou < 200 "
               "group by n.g, n.ms, n.tn, n.nv, r.npp, r.pr\n"
               "insert into spr_paymar_5pr (id, name, pr, d, k, ekr, sb_deb, sb_kred, bman, poits) values "
               "(1, 'Начисление заработной платы', 100, '140102211', '130201730', 211000, null, null, 1, 2), "
               "(2, 'Удержание налога на доходы', 100, '130201830', '130301730', null, null, null, 1, 2), "
               "(3, 'Начисление страховых взносов', 30.2, '140102213', '130310730', 213000, null, null, 0, 2)\n"
               "insert into spr_paymar_5pr1 (id, kou) values (1, 1), (1, 3), (2, 201), (3, 1), (3, 3)",
               year, year, year, year, year, year, year, year, year))
        != 0;
}
