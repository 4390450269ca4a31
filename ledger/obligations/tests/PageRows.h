// The rows of a report page's tables as the texts of their cells, for the
// tests of the pages built in code.
#pragma once
#include "afx.h"

#include <QRegularExpression>
#include <QStringList>

namespace obligationstest {

// Each row of the page's innermost tables as its cells' texts: tags dropped,
// "&nbsp;" read as a blank, ends trimmed; a "<br>" inside a cell reads as
// `lineBreak`.
inline QList<QStringList> Rows(const CString& html, const QString& lineBreak = QString())
{
    QList<QStringList> rows;
    static const QRegularExpression row("<tr[^>]*>(.*?)</tr>", QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell("<td[^>]*>(.*?)</td>", QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag("<[^>]*>");
    for (auto r = row.globalMatch(html.ToQString()); r.hasNext();) {
        const QString inner = r.next().captured(1);
        if (inner.contains("<table"))
            continue;
        QStringList cells;
        for (auto c = cell.globalMatch(inner); c.hasNext();) {
            QString text = c.next().captured(1);
            text.replace("<br>", lineBreak);
            cells << text.replace(tag, "").replace("&nbsp;", " ").trimmed();
        }
        rows << cells;
    }
    return rows;
}

// The cells of the row whose first cell is `first`; empty when none.
inline QStringList RowOf(const CString& html, const QString& first)
{
    for (const QStringList& cells : Rows(html))
        if (!cells.isEmpty() && cells[0] == first)
            return cells;
    return {};
}

} // namespace obligationstest
