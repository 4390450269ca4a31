#include "AssetOpeningBalances.h"

#include "gridbase.h"
#include "ndbcore.h"

#include <cstdlib>

namespace nledmark {

CString OpeningBalancesCall(SqlDialect dialect, const CString& dateLiteral, int branch)
{
    if (dialect == SqlDialect::SqlServer)
        return FormatText("sproc_ledmark_vvod_noos %s,%d", dateLiteral, branch);
    return FormatText("call sproc_ledmark_vvod_noos(%s,%d)", dateLiteral, branch);
}

long OpeningBalancesCards(const CString& date, int branch)
{
    long cards = -1;
    const CString sql = FormatText(
        "select count(distinct p.deb_sb1) as cnt from ledmark_os_nach_ost o join ledmark_provodki p on p.id=o.doc_id "
        "where o.d=%s and o.fil_id=%d and p.deb1<>'000'",
        ChangeDateUS0(date, 0), branch);
    if (ForEachRow(sql, [&](_RecordsetPtr& rs) { cards = std::atol(SafeArayToString(rs->GetCollect("cnt"))); }) < 0)
        return -1;
    return cards < 0 ? 0 : cards;
}

} // namespace nledmark
