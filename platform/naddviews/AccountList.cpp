#include "AccountList.h"

#include "ndbcore.h"

#include <QRegularExpression>
#include <QStringList>

namespace naddviews {

CString AccountCondition(const CString& entry)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{4,9}$"));
    QString code = entry.ToQString().trimmed();
    if (!digits.match(code).hasMatch())
        return CString();
    QStringList parts;
    if (code[0] != u'0')
        parts << QStringLiteral("p.col0=%1").arg(code[0]);
    parts << QStringLiteral("p.col1='%1'").arg(code.mid(1, 3));
    QString analytic = code.mid(4, 2);
    if (analytic.size() == 2 && analytic != QStringLiteral("00"))
        parts << QStringLiteral("p.col2='%1'").arg(analytic);
    QString kosgu = code.mid(6, 3);
    if (kosgu.size() == 3 && kosgu != QStringLiteral("000"))
        parts << QStringLiteral("p.col3='%1'").arg(kosgu);
    return CString(QStringLiteral("(") + parts.join(QStringLiteral(" and ")) + QStringLiteral(")"));
}

CString AccountListQuery(int side, const char* accounts)
{
    CString sch = SqlConcat({"p.col0", "p.col1", "p.col2", "p.col3"});
    QString sql = QStringLiteral("select %1 as sch,a.name as name,p.name as kosgu from spr_plan_sch p "
                                 "left join spr_plan_sch a on a.col0=0 and a.col1=p.col1 and a.col2=p.col2 "
                                 "and a.col3='000' where p.col0 between 1 and 4")
                      .arg(sch.ToQString());
    if (side == 1 || side == 2)
        sql += QStringLiteral(" and (p.tp=%1 or p.tp=3)").arg(side);
    QStringList conditions;
    for (const QString& entry : QString::fromUtf8(accounts ? accounts : "").split(u',', Qt::SkipEmptyParts)) {
        CString condition = AccountCondition(CString(entry));
        if (!condition.IsEmpty())
            conditions << condition.ToQString();
    }
    if (!conditions.isEmpty())
        sql += QStringLiteral(" and (") + conditions.join(QStringLiteral(" or ")) + QStringLiteral(")");
    sql += QStringLiteral(" order by p.col1,p.col2,p.col3,p.col0");
    return CString(sql);
}

CString SingleAccount(const char* accounts)
{
    QString list = QString::fromUtf8(accounts ? accounts : "").trimmed();
    static const QRegularExpression full(QStringLiteral("^[1-9][0-9]{8}$"));
    return full.match(list).hasMatch() ? CString(list) : CString();
}

CString AccountChooserTitle(int side, const char* other)
{
    QString title = QStringLiteral("План счетов");
    if (side == 1)
        title += QStringLiteral(": дебет");
    else if (side == 2)
        title += QStringLiteral(": кредит");
    QString corr = QString::fromUtf8(other ? other : "").trimmed();
    if (!corr.isEmpty())
        title += QStringLiteral(" (корр. счет %1)").arg(corr);
    return CString(title);
}

} // namespace naddviews
