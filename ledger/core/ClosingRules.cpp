#include "ClosingRules.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <cstdlib>

namespace nledmark {

ClosingMode ClosingModeOf(int param)
{
    return param >= CLOSE_10604 && param <= CLOSE_206_302 ? ClosingMode(param) : CLOSE_ANNUAL;
}

std::vector<CClosingEntry> ClosingEntries(const CString& list)
{
    std::vector<CClosingEntry> entries;
    const QStringList parts = list.ToQString().split(QLatin1Char(','));
    for (const QString& part : parts) {
        const int colon = part.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString closed = part.left(colon).trimmed();
        const QString target = part.mid(colon + 1).trimmed();
        if (closed.size() != 9 || target.size() != 9)
            continue;
        entries.push_back({CString(closed), CString(target)});
    }
    return entries;
}

CString KosguFilter(const CString& c3, const char* side)
{
    if (c3.GetLength() != 3 || c3 == "000" || c3.Right(2) != "00")
        return CString();
    return FormatText(" and left(%s3,1)='%c'", side, c3[0]);
}

CAnnualPosting AnnualClosingPosting(const CString& account, double debit, double credit)
{
    const CString head = account.Mid(1, 5);
    double amount = 0;
    bool accountOnDebit = false;
    if (head == "40101") {
        const bool expense = std::atoi(account.Mid(6, 3)) >= 200;
        amount = expense ? debit - credit : credit - debit;
        accountOnDebit = !expense;
    } else if (head == "30405") {
        amount = credit - debit;
        accountOnDebit = true;
    } else if (std::atof(FormatNumber(debit, "", 2)) != 0) {
        amount = debit;
    } else {
        amount = credit;
        accountOnDebit = true;
    }
    CAnnualPosting posting;
    posting.amount = std::atof(FormatNumber(amount, "", 2));
    posting.post = posting.amount != 0;
    posting.accountOnDebit = accountOnDebit;
    return posting;
}

CString AnnualClosingQuery(const CString& sqlDate, int source, const CString& c1, const CString& c2,
                           const CString& c3, int branch)
{
    const CString synthetic = MakeSqlStr(c1);
    const CString analytic = MakeSqlStr(c2);
    return FormatText(
        "select distinct kbk,col3,sb1,sb2,sb3 from ("
        "select distinct kbk_deb as kbk,deb3 as col3,deb_sb1 as sb1,deb_sb2 as sb2,deb_sb3 as sb3 "
        "from ledmark_provodki where d<=%s and deb0='%d' and deb1='%s' and deb2='%s'%s and fil_id=%d "
        "union "
        "select distinct kbk_kred as kbk,kred3 as col3,kred_sb1 as sb1,kred_sb2 as sb2,kred_sb3 as sb3 "
        "from ledmark_provodki where d<=%s and kred0='%d' and kred1='%s' and kred2='%s'%s and fil_id=%d"
        ") q where col3<>'000'",
        sqlDate, source, synthetic, analytic, KosguFilter(c3, "deb"), branch, sqlDate, source, synthetic, analytic,
        KosguFilter(c3, "kred"), branch);
}

// Mode 1 groups by the KOSGU it selects and keeps equal groups of both sides
// and of different KOSGU apart (union all) until the outer sum.
CString Closing10604Query(const CString& sqlDate, int branch)
{
    return FormatText(
        "select kbk,col0,sb1,sb2,sb3,sum(s) as s from ("
        "select kbk_deb as kbk,deb0 as col0,deb3 as col3,deb_sb1 as sb1,deb_sb2 as sb2,deb_sb3 as sb3,sum(s) as s "
        "from ledmark_provodki where d<=%s and deb1='106' and deb2='04' and fil_id=%d "
        "group by kbk_deb,deb0,deb3,deb_sb1,deb_sb2,deb_sb3 "
        "union all "
        "select kbk_kred as kbk,kred0 as col0,kred3 as col3,kred_sb1 as sb1,kred_sb2 as sb2,kred_sb3 as sb3,"
        "-sum(s) as s from ledmark_provodki where d<=%s and kred1='106' and kred2='04' and fil_id=%d "
        "group by kbk_kred,kred0,kred3,kred_sb1,kred_sb2,kred_sb3"
        ") q group by kbk,col0,sb1,sb2,sb3 having sum(s)<>0 order by kbk,col0,sb1,sb2,sb3",
        sqlDate, branch, sqlDate, branch);
}

// Mode 2 groups by every account column it selects, so the two directions
// between 304.04 and 304.05 stay apart.
CString Closing30404Query(const CString& sqlDate, int branch)
{
    return FormatText(
        "select sum(kol) as kol,kbk_deb,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,"
        "kbk_kred,kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,kred_sb3,sum(s) as s from ledmark_provodki "
        "where d<=%s and ((deb1='304' and deb2='04' and kred1='304' and kred2='05') "
        "or (kred1='304' and kred2='04' and deb1='304' and deb2='05')) and fil_id=%d "
        "group by kbk_deb,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,"
        "kbk_kred,kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,kred_sb3 "
        "order by deb0,deb1,deb2,deb3,kred0,kred1,kred2,kred3,kbk_deb,kbk_kred,deb_sb1,deb_sb2,deb_sb3,"
        "kred_sb1,kred_sb2,kred_sb3",
        sqlDate, branch);
}

// Mode 3 orders the accounts by their kind in the chart (active, passive).
CString Closing500Query(const CString& sqlDate, int branch)
{
    return FormatText(
        "select distinct spr_plan_sch.ap as akt,kbk,q.col0,q.col1,q.col2,q.col3,q.sb1,q.sb2,q.sb3 from ("
        "select distinct kbk_deb as kbk,deb0 as col0,deb1 as col1,deb2 as col2,deb3 as col3,"
        "deb_sb1 as sb1,deb_sb2 as sb2,deb_sb3 as sb3 from ledmark_provodki "
        "where d<=%s and deb1>='500' and fil_id=%d "
        "union "
        "select distinct kbk_kred as kbk,kred0 as col0,kred1 as col1,kred2 as col2,kred3 as col3,"
        "kred_sb1 as sb1,kred_sb2 as sb2,kred_sb3 as sb3 from ledmark_provodki "
        "where d<=%s and kred1>='500' and fil_id=%d"
        ") q left join spr_plan_sch on spr_plan_sch.col0=cast(q.col0 as integer) and q.col1=spr_plan_sch.col1 "
        "and q.col2=spr_plan_sch.col2 and q.col3=spr_plan_sch.col3 "
        "order by akt,kbk,q.col0,q.col1,q.col2,q.col3,q.sb1,q.sb2,q.sb3",
        sqlDate, branch, sqlDate, branch);
}

CString ClosingBalancesQuery(const CString& sqlDate, const char* synthetic, int branch)
{
    return FormatText(
        "select distinct kbk,col0,col2,sb1,sb2,sb3 from ("
        "select distinct kbk_deb as kbk,deb0 as col0,deb2 as col2,deb_sb1 as sb1,deb_sb2 as sb2,deb_sb3 as sb3 "
        "from ledmark_provodki where d<=%s and deb1='%s' and fil_id=%d "
        "union "
        "select distinct kbk_kred as kbk,kred0 as col0,kred2 as col2,kred_sb1 as sb1,kred_sb2 as sb2,kred_sb3 as sb3 "
        "from ledmark_provodki where d<=%s and kred1='%s' and fil_id=%d"
        ") q order by col2,kbk,col0,sb1,sb2,sb3",
        sqlDate, synthetic, branch, sqlDate, synthetic, branch);
}

CString Closing10604Kosgu(const CString& source, const CString& sb1)
{
    if (sb1.Left(2) == "31")
        return "271";
    if (sb1.Left(2) == "34")
        return "272";
    return GL_GetTailFromEKR(source + "40101", sb1, 1);
}

} // namespace nledmark
