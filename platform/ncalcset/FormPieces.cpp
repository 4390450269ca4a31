#include "FormPieces.h"

namespace {

QString Text(const char* part)
{
    return part ? QString::fromUtf8(part).trimmed().toHtmlEscaped() : QString();
}

} // namespace

CString GetOKUD(const char* form, const char* unused, const char* code)
{
    QString number = Text(form);
    QString okud = Text(code);
    if (number.isEmpty() && okud.isEmpty())
        return CString();
    QString html = QStringLiteral("<table align=right cellpadding=0 cellspacing=0 border=0>");
    if (!number.isEmpty())
        html += QStringLiteral("<tr><td align=right nowrap>Форма № %1</td></tr>").arg(number);
    if (!okud.isEmpty())
        html += QStringLiteral("<tr><td align=right><table cellpadding=2 cellspacing=0 border=1>"
                               "<tr><td></td><td align=center>Коды</td></tr>"
                               "<tr><td nowrap>Форма по ОКУД</td><td align=center nowrap>%1</td></tr>"
                               "</table></td></tr>")
                    .arg(okud);
    html += QStringLiteral("</table>");
    return CString(html);
}
