#include "MolTransferPostings.h"

#include "ndbcore.h"

#include <cstdlib>

namespace nledmark {

namespace {

// The conditions of one side of the postings ("deb" or "kred"): the sender's
// analytic value, the date, the branch, the chosen KBKs and items. The
// analytic columns are texts, so the values are quoted.
CString SideConditions(const CMolTransferRecord& r, const char* side)
{
    CString where = FormatText(" and %s_sb2='%s' and d<=%s and fil_id=%d", side, (LPCTSTR)MakeSqlStr(r.sender),
                               (LPCTSTR)ChangeDateUS0(r.date, 0), r.senderBranch);
    if (!r.senderKbks.IsEmpty())
        where += FormatText(" and kbk_%s in (%s)", side, (LPCTSTR)r.senderKbks);
    if (!r.items.IsEmpty()) {
        CString quoted = "'" + r.items + "'";
        quoted.Replace(",", "','");
        where += FormatText(" and %s_sb1 in (%s)", side, (LPCTSTR)quoted);
    }
    return where;
}

// One half of a balance query: the side's postings on `synthetic`, the
// columns named as the outer query groups them.
CString BalanceHalf(const CMolTransferRecord& r, const char* side, const CString& synthetic, bool holding)
{
    const char* sign = CString(side) == "deb" ? "" : "-";
    const CString kosgu = holding ? FormatText(",%s3 as col3", side) : CString();
    const CString kosguGroup = holding ? FormatText(",%s3", side) : CString();
    const CString third = holding ? "sb3" : "prd";
    return FormatText("select kbk_%s as kbk,%s0 as col0,%s2 as col2%s,%s_sb1 as sb1,%s_sb3 as %s,%ssum(kol) as kol,"
                      "%ssum(s) as s from ledmark_provodki where %s1='%s'%s group by kbk_%s,%s0,%s2%s,%s_sb1,%s_sb3",
                      side, side, side, (LPCTSTR)kosgu, side, side, (LPCTSTR)third, sign, sign, side,
                      (LPCTSTR)MakeSqlStr(synthetic), (LPCTSTR)SideConditions(r, side), side, side, side,
                      (LPCTSTR)kosguGroup, side, side);
}

CString BalanceSql(const CMolTransferRecord& r, const CString& synthetic, bool holding)
{
    const CString keys = holding ? "kbk,col0,col2,col3,sb1,sb3" : "kbk,col0,col2,sb1,prd";
    const CString order = holding ? "col0,col2,col3,sb1,kbk,sb3" : "col0,col2,sb1,kbk,prd";
    return FormatText("select %s,sum(kol) as kol,sum(s) as s from (%s union all %s) q group by %s "
                      "having sum(kol)<>0 or sum(s)<>0 order by %s",
                      (LPCTSTR)keys, (LPCTSTR)BalanceHalf(r, "deb", synthetic, holding),
                      (LPCTSTR)BalanceHalf(r, "kred", synthetic, holding), (LPCTSTR)keys, (LPCTSTR)order);
}

CString ReceiverKbk(const CMolTransferRecord& r, const MolBalanceRow& row)
{
    return r.receiverKbk.IsEmpty() ? row.kbk : r.receiverKbk;
}

} // namespace

CString MainBalanceSql(const CMolTransferRecord& r)
{
    return BalanceSql(r, r.Kind().account, false);
}

CString HoldingAccountsSql(const MolTransferKind& kind, int bookId, int employeesBookId)
{
    return FormatText("select distinct col1 from spr_plan_sch where (sb1=%d or sb2=%d or sb3=%d) and sb2=%d and "
                      "col2='00' and col3='000' and col1<>'%s' order by col1",
                      bookId, bookId, bookId, employeesBookId, kind.account);
}

CString HoldingBalanceSql(const CMolTransferRecord& r, const CString& synthetic)
{
    return BalanceSql(r, synthetic, true);
}

void AppendMainPostings(const CMolTransferRecord& r, const MolBalanceRow& row, std::vector<CPostingLine>& lines)
{
    const MolTransferKind& k = r.Kind();
    const CString stock = row.source + k.account + row.analytic;
    CPostingLine from, to;
    if (r.mode == 0) {
        // Both sides against the source's empty account: the sender's increase
        // taken back, the receiver's increase.
        from.debit = stock + k.increase;
        from.debit1 = row.item;
        from.debit2 = r.sender;
        from.debit3 = row.third;
        from.credit = row.source + "00000000";
        from.amount = NegatedDecimal(row.sum);
        from.quantity = NegatedDecimal(row.quantity);
        to.debit = stock + k.zeroModeReceiver;
        to.debit1 = row.item;
        to.debit2 = r.receiver;
        to.debit3 = row.third;
        to.credit = row.source + "00000000";
    } else {
        // Through the auxiliary accounts of 401.01: the sender's decrease
        // against 401.01.241, the receiver's increase against 401.01.180.
        from.debit = row.source + "40101241";
        from.debit1 = k.resultAnalytic;
        from.debit2 = "1";
        from.credit = stock + k.decrease;
        from.credit1 = row.item;
        from.credit2 = r.sender;
        from.credit3 = row.third;
        from.amount = row.sum;
        from.quantity = row.quantity;
        to.debit = stock + k.increase;
        to.debit1 = row.item;
        to.debit2 = r.receiver;
        to.debit3 = row.third;
        to.credit = row.source + "40101180";
        to.credit1 = k.resultAnalytic;
        to.credit2 = "1";
    }
    to.amount = row.sum;
    to.quantity = row.quantity;
    from.kbkDebit = from.kbkCredit = row.kbk;
    to.kbkDebit = to.kbkCredit = ReceiverKbk(r, row);
    from.branch = r.senderBranch;
    to.branch = r.receiverBranch;
    lines.push_back(from);
    lines.push_back(to);
}

void AppendHoldingPostings(const CMolTransferRecord& r, const CString& synthetic, const MolBalanceRow& row,
                           std::vector<CPostingLine>& lines)
{
    CPostingLine from;
    from.debit = row.source + synthetic + row.analytic + row.kosgu;
    from.debit1 = row.item;
    from.debit3 = row.third;
    CPostingLine to = from;
    from.debit2 = r.sender;
    from.amount = NegatedDecimal(row.sum);
    from.quantity = NegatedDecimal(row.quantity);
    from.kbkDebit = from.kbkCredit = row.kbk;
    from.branch = r.senderBranch;
    to.debit2 = r.receiver;
    to.amount = row.sum;
    to.quantity = row.quantity;
    to.kbkDebit = to.kbkCredit = ReceiverKbk(r, row);
    to.branch = r.receiverBranch;
    lines.push_back(from);
    lines.push_back(to);
}

bool MovesSomething(const MolBalanceRow& row)
{
    return atof(row.sum) != 0 || atof(row.quantity) != 0;
}

CString CardsUpdateSql(const CString& receiver, const std::vector<CString>& cards)
{
    CString ids;
    for (const CString& card : cards)
        ids += (ids.IsEmpty() ? "" : ",") + card;
    if (ids.IsEmpty())
        return CString();
    return FormatText("update spr_osn_sr set mol=%s where id in (%s)", (LPCTSTR)receiver, (LPCTSTR)ids);
}

CString NegatedDecimal(const CString& text)
{
    const CString value = CString(text).Trim();
    if (value.IsEmpty())
        return value;
    return value[0] == '-' ? value.Mid(1) : "-" + value;
}

} // namespace nledmark
