#include "StaffNumbers.h"

#include "ndbcore.h"

#include <QRegularExpression>

namespace nvenzol {

bool CheckedNumber(const CString& text, CString& number)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
    const QString trimmed = text.ToQString().trimmed();
    if (!digits.match(trimmed).hasMatch())
        return false;
    number = CString(QString::number(trimmed.toLong()));
    return true;
}

bool CodeLiteral(const CString& text, CString& sql)
{
    if (text.ToQString().trimmed().isEmpty()) {
        sql = "NULL";
        return true;
    }
    return CheckedNumber(text, sql);
}

bool NumberLiteral(const CString& text, CString& sql)
{
    if (text.ToQString().trimmed().isEmpty()) {
        sql = "NULL";
        return true;
    }
    QString number;
    if (!NormalizeNumberText(text.ToQString(), number))
        return false;
    sql = CString(number);
    return true;
}

} // namespace nvenzol
