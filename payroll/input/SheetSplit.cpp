#include "SheetSplit.h"

#include "gridbase.h"
#include "ndbcore.h"

#include <cmath>
#include <cstdlib>

namespace npaymar {

namespace {

long long KopecksOf(double amount)
{
    return std::llround(amount * 100.0);
}

} // namespace

BOOL SheetEarnings(const CString& periodFilter, const CString& tn, const CString& code,
                   std::vector<SheetAmount>& sheets)
{
    sheets.clear();
    if (periodFilter.IsEmpty())
        return FALSE;
    const CString sql = FormatText(
        "select nv,sum(s) as s from ( select paymar_nuz.nv,sum(s) as s from paymar_nuz left join spr_tvx on "
        "paymar_nuz.kou=spr_tvx.id where %s and tn=%s and spr_tvx.kou=%s and spr_tvx.id<=200 group by nv union all "
        "select paymar_nuz.nv,-sum(s) as s from paymar_nuz left join spr_tvx on paymar_nuz.kou=spr_tvx.id where %s and "
        "tn=%s and spr_tvx.kou=%s and spr_tvx.id>200 group by nv ) query group by nv order by nv",
        periodFilter, tn, code, periodFilter, tn, code);
    return ForEachRow(sql, [&sheets](_RecordsetPtr& row) {
               sheets.push_back({SafeArayToString(row->GetCollect("nv")), atof(SafeArayToString(row->GetCollect("s")))});
           }) >= 0;
}

std::vector<SheetAmount> SplitBySheets(double amount, const std::vector<SheetAmount>& sheets, const CString& mainSheet)
{
    std::vector<SheetAmount> shares;
    const long long total = KopecksOf(amount);
    if (total == 0)
        return shares;
    double base = 0;
    for (const SheetAmount& sheet : sheets)
        base += sheet.s;
    if (sheets.empty() || KopecksOf(base) == 0) {
        if (!mainSheet.IsEmpty())
            shares.push_back({mainSheet, total / 100.0});
        return shares;
    }
    long long left = total;
    for (size_t i = 0; i < sheets.size() && left != 0; ++i) {
        long long share = i + 1 == sheets.size() ? left : KopecksOf(sheets[i].s * amount / base);
        // A share rounded past what remains takes what remains; nothing is
        // paid twice.
        if ((total > 0 && share > left) || (total < 0 && share < left))
            share = left;
        left -= share;
        if (share != 0)
            shares.push_back({sheets[i].nv, share / 100.0});
    }
    return shares;
}

CString MainSheet(const CString& tn)
{
    return ExecuteString(FormatText("select nv as str from tn where tn=%s", tn)).Trim();
}

CString AmountSql(double amount)
{
    return FormatNumber(amount, "", 2);
}

} // namespace npaymar
