#include "PayrollBooks.h"

#include "PayBookView.h"
#include "ndbcore.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

// Whether the row of the code is there, its row locked until the end of the
// transaction so the update and the base codes are written over what was read.
bool Stored(const char* table, const CString& code)
{
    return !ExecuteString(SqlLockRow("id", table, "id=" + code)).IsEmpty();
}

} // namespace

bool NonZeroNumber(const CString& text)
{
    CString number;
    return nvenzol::NumberLiteral(text, number) && number != "NULL" && atof(number) != 0;
}

bool WriteCalendarMonth(const CalendarMonth& month)
{
    CString code, dn, bol, ch;
    if (!nvenzol::CheckedNumber(month.code, code) || !nvenzol::CheckedNumber(month.dn, dn)
        || !nvenzol::CheckedNumber(month.bol, bol) || !nvenzol::CodeLiteral(month.ch, ch))
        return false;
    CDbTransaction save;
    if (!save.IsUsable())
        return false;
    const CString key = FormatText("id=%s and g=%d and ms=%d", code, int(month.year), int(month.month));
    return ExecuteSql("delete from spr_kl1 where " + key)
        && ExecuteSql(FormatText("insert into spr_kl1 (id,g,ms,dn,bol,ch) values (%s,%d,%d,%s,%s,%s)", code,
                                 int(month.year), int(month.month), dn, bol, ch))
        && save.Commit();
}

bool WritePayCodeGroup(const CString& owner, const std::vector<long>& members)
{
    CString code;
    if (!nvenzol::CheckedNumber(owner, code))
        return false;
    CDbTransaction save;
    return save.IsUsable() && WritePayCodes("spr_tvx", "kou", "id", code, members) && save.Commit();
}

bool WriteContribution(const ContributionRecord& record)
{
    CString code, kcn, pr, poits;
    if (!nvenzol::CheckedNumber(record.code, code) || !nvenzol::CodeLiteral(record.kcn, kcn)
        || !nvenzol::NumberLiteral(record.pr, pr) || !nvenzol::CodeLiteral(record.poits, poits))
        return false;
    CDbTransaction save;
    if (!save.IsUsable())
        return false;
    const CString name = MakeSqlStr(record.name);
    const bool written =
        Stored("spr_paymar_otchis", code)
            ? ExecuteSql(FormatText("update spr_paymar_otchis set name='%s',kcn=%s,pr=%s,poits=%s where id=%s", name,
                                    kcn, pr, poits, code))
            : ExecuteSql(FormatText("insert into spr_paymar_otchis (id,name,kcn,pr,poits) values (%s,'%s',%s,%s,%s)",
                                    code, name, kcn, pr, poits));
    return written && WritePayCodes("spr_paymar_otchis1", "id", "kou", code, record.codes) && save.Commit();
}

bool WritePostingLine(const PostingLineRecord& record)
{
    CString code, pr, ekr, sbDeb, sbKred, poits;
    if (!nvenzol::CheckedNumber(record.code, code) || !nvenzol::NumberLiteral(record.pr, pr)
        || !nvenzol::CodeLiteral(record.ekr, ekr) || !nvenzol::CodeLiteral(record.sbDeb, sbDeb)
        || !nvenzol::CodeLiteral(record.sbKred, sbKred) || !nvenzol::CodeLiteral(record.poits, poits))
        return false;
    CString d = record.d, k = record.k;
    d.Trim();
    k.Trim();
    CDbTransaction save;
    if (!save.IsUsable())
        return false;
    const CString name = MakeSqlStr(record.name);
    const bool written =
        Stored("spr_paymar_5pr", code)
            ? ExecuteSql(FormatText("update spr_paymar_5pr set name='%s',pr=%s,d=%s,k=%s,ekr=%s,sb_deb=%s,sb_kred=%s,"
                                    "bman=%d,poits=%s where id=%s",
                                    name, pr, NullStr(d), NullStr(k), ekr, sbDeb, sbKred, record.bman ? 1 : 0, poits,
                                    code))
            : ExecuteSql(FormatText("insert into spr_paymar_5pr (id,name,pr,d,k,ekr,sb_deb,sb_kred,bman,poits) values "
                                    "(%s,'%s',%s,%s,%s,%s,%s,%s,%d,%s)",
                                    code, name, pr, NullStr(d), NullStr(k), ekr, sbDeb, sbKred, record.bman ? 1 : 0,
                                    poits));
    return written && WritePayCodes("spr_paymar_5pr1", "id", "kou", code, record.codes) && save.Commit();
}

} // namespace npaymar
