#include "LedgerAggregates.h"

#include <ndbcore.h>

#include <QRegularExpression>
#include <QStringList>

namespace {

std::string Sums(const std::string& deb, const std::string& kred, const std::string& period)
{
    return "select coalesce(sum(ds),0) as ds,coalesce(sum(ks),0) as ks,coalesce(sum(dq),0) as dq,coalesce(sum(kq),0) "
           "as kq from (select sum(s) as ds,0 as ks,sum(kol) as dq,0 as kq from ledmark_provodki where "
           + deb + period + " union all select 0,sum(s),0,sum(kol) from ledmark_provodki where " + kred + period
           + ") q";
}

// dd.mm.yyyy as 'yyyy-mm-dd'.
std::string SqlDate(const QString& date)
{
    return ("'" + date.mid(6, 4) + "-" + date.mid(3, 2) + "-" + date.left(2) + "'").toStdString();
}

} // namespace

std::string SideMatch(const char* side, const CString& code)
{
    CString terms = FormatText("%s1='%s'", side, (LPCTSTR)code.Mid(1, 3));
    if (code.Mid(4, 2) != "00")
        terms += FormatText(" and %s2='%s'", side, (LPCTSTR)code.Mid(4, 2));
    if (code.Mid(6, 3) != "000")
        terms += FormatText(" and %s3='%s'", side, (LPCTSTR)code.Mid(6, 3));
    if (code.Left(1) != "0")
        terms += FormatText(" and %s0='%s'", side, (LPCTSTR)code.Left(1));
    return terms.ToStdString();
}

std::string TurnoverAggregate(const char* from, const char* to, const CString& a, const CString& b, const CString& kbk,
                              const CString& v1, const CString& v2)
{
    std::string deb = SideMatch("deb", a), kred = SideMatch("kred", a);
    if (!v1.IsEmpty()) {
        deb += " and deb_sb1='" + v1.ToStdString() + "' and deb_sb2='" + v2.ToStdString() + "'";
        kred += " and kred_sb1='" + v1.ToStdString() + "' and kred_sb2='" + v2.ToStdString() + "'";
    }
    if (!kbk.IsEmpty()) {
        deb += " and kbk_deb in (" + kbk.ToStdString() + ")";
        kred += " and kbk_kred in (" + kbk.ToStdString() + ")";
    }
    if (!b.IsEmpty()) {
        deb += " and " + SideMatch("kred", b);
        kred += " and " + SideMatch("deb", b);
    }
    return Sums(deb, kred, std::string(" and d>='") + from + "' and d<='" + to + "'");
}

// GL_GetOst0(date, account, v1, v2, v3, branches, kbk, document) and
// GL_GetOborot(from, to, account, v1, v2, v3, correspondent, branches, kbk, extra).
std::string AggregateOfCall(const std::string& call)
{
    const QString text = QString::fromStdString(call);
    const bool balance = text.startsWith(QLatin1String("GL_GetOst0(")),
               turnover = text.startsWith(QLatin1String("GL_GetOborot("));
    if (!balance && !turnover)
        return std::string();
    QStringList args;
    static const QRegularExpression quoted(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    for (auto m = quoted.globalMatch(text); m.hasNext();)
        args << m.next().captured(1);
    if (args.size() < (balance ? 7 : 9))
        return std::string();
    const CString account(args[balance ? 1 : 2]);
    const QString branches = args[balance ? 5 : 7], kbk = args[balance ? 6 : 8];
    std::string deb = SideMatch("deb", account), kred = SideMatch("kred", account);
    if (!branches.isEmpty() && branches != QLatin1String("-2")) {
        deb += " and fil_id in (" + branches.toStdString() + ")";
        kred += " and fil_id in (" + branches.toStdString() + ")";
    }
    // Analytic values: one code, or several separated by ",".
    for (int n = 0; n < 3; ++n) {
        QStringList codes;
        for (const QString& code : args[(balance ? 2 : 3) + n].split(u','))
            if (!code.trimmed().isEmpty())
                codes << "'" + code.trimmed() + "'";
        if (codes.isEmpty())
            continue;
        const std::string in = (codes.size() == 1 ? "=" + codes[0] : " in (" + codes.join(',') + ")").toStdString();
        deb += " and deb_sb" + std::to_string(n + 1) + in;
        kred += " and kred_sb" + std::to_string(n + 1) + in;
    }
    if (kbk.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0) {
        deb += " and kbk_deb is null";
        kred += " and kbk_kred is null";
    } else if (!kbk.isEmpty()) {
        deb += " and kbk_deb in (" + kbk.toStdString() + ")";
        kred += " and kbk_kred in (" + kbk.toStdString() + ")";
    }
    if (balance)
        return Sums(deb, kred, " and d<" + SqlDate(args[0]));
    if (!args[6].isEmpty()) {
        deb += " and " + SideMatch("kred", CString(args[6]));
        kred += " and " + SideMatch("deb", CString(args[6]));
    }
    return Sums(deb, kred, " and d>=" + SqlDate(args[0]) + " and d<=" + SqlDate(args[1]));
}

std::vector<std::string> AggregatesOfCalls(const std::vector<std::string>& calls)
{
    std::vector<std::string> aggregates;
    for (const std::string& call : calls) {
        std::string sql = AggregateOfCall(call);
        if (!sql.empty())
            aggregates.push_back(std::move(sql));
    }
    return aggregates;
}
