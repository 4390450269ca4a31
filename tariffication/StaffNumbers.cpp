#include "StaffNumbers.h"

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

} // namespace nvenzol
