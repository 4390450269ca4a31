#include "CellworkLayout.h"

#include "CellworkModel.h"
#include "CellworkRowHeader.h"
#include "CellworkView.h"

#include "afx.h"

#include <QHash>
#include <QStringList>
#include <QtDebug>

namespace gridbase {

namespace {

// Splits at `separator` outside double quotes; items are trimmed.
QStringList splitOutsideQuotes(const QString& text, QChar separator)
{
    QStringList parts;
    QString part;
    bool quoted = false;
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == separator && !quoted) {
            parts << part.trimmed();
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part.trimmed();
    return parts;
}

QString unquoted(const QString& item)
{
    if (item.size() >= 2 && item.startsWith(QLatin1Char('"')) && item.endsWith(QLatin1Char('"')))
        return item.mid(1, item.size() - 2);
    return item;
}

const QHash<QString, int>& kindNames()
{
    static const QHash<QString, int> names = {
        { QStringLiteral("text"), CellText },     { QStringLiteral("date"), CellDate },
        { QStringLiteral("amount"), CellAmount }, { QStringLiteral("number"), CellNumber },
        { QStringLiteral("code"), CellCode },     { QStringLiteral("count"), CellCount },
    };
    return names;
}

// One item of a column; false when it is not known.
bool columnItem(CellworkColumn& c, const QString& key, const QString& value)
{
    static const QHash<QString, int> aligns = {
        { QStringLiteral("left"), AlignLeft }, { QStringLiteral("center"), AlignCenter },
        { QStringLiteral("right"), AlignRight } };
    if (aligns.contains(key))
        c.align = aligns.value(key);
    else if (key == QLatin1String("align"))
        c.align = value.toInt();
    else if (kindNames().contains(key))
        c.kind = kindNames().value(key);
    else if (key == QLatin1String("kind"))
        c.kind = value.toInt();
    else if (key == QLatin1String("button"))
        c.button = true;
    else if (key == QLatin1String("locked"))
        c.locked = true;
    else if (key == QLatin1String("readonly"))
        c.editable = false;
    else if (key == QLatin1String("hidden"))
        c.hidden = true;
    else if (key == QLatin1String("nofocus"))
        c.noFocus = true;
    else if (key == QLatin1String("list"))
        c.items = value.split(QLatin1Char('/'));
    else
        return false;
    return true;
}

// One grid option; false when it is not known. Sizes in pixels of the
// layouts' scale follow the dialog's units.
bool gridOption(CellworkView* view, const QString& key, const QString& value, const AfxDialogUnits& units)
{
    if (key == QLatin1String("check"))
        view->setChecks(true);
    else if (key == QLatin1String("vheader"))
        view->rowHeader()->setWidth(units.layoutX(value.toInt()));
    else if (key == QLatin1String("rowheight"))
        view->setRowHeight(units.layoutY(value.toInt()));
    else if (key == QLatin1String("rows"))
        view->setRowCount(value.toInt());
    else if (key == QLatin1String("fullrow"))
        view->setFullRow(true);
    else if (key == QLatin1String("report"))
        view->setReport(true);
    else if (key == QLatin1String("nohscroll"))
        view->setHScroll(false);
    else if (key == QLatin1String("keepratio"))
        view->setKeepRatio(true);
    else
        return false;
    return true;
}

void splitItem(const QString& item, QString& key, QString& value)
{
    const qsizetype eq = item.indexOf(QLatin1Char('='));
    key = (eq < 0 ? item : item.left(eq)).trimmed().toLower();
    value = eq < 0 ? QString() : item.mid(eq + 1).trimmed();
}

} // namespace

void ApplyCellworkLayout(CellworkView* view, const QString& text, int controlId)
{
    if (text.trimmed().isEmpty())
        return;
    const QStringList parts = splitOutsideQuotes(text, QLatin1Char('|'));
    // The grid shows its dialog's font: widths scale with the dialog's units.
    const AfxDialogUnits units = AfxDialogUnitsOf(view);
    std::vector<CellworkColumn> columns;
    for (qsizetype p = 1; p < parts.size(); ++p) {
        const QStringList items = splitOutsideQuotes(parts[p], QLatin1Char(','));
        CellworkColumn column;
        column.caption = unquoted(items.value(0));
        if (items.size() > 1 && !items[1].isEmpty())
            column.width = std::max(1, units.layoutX(items[1].toInt()));
        for (qsizetype i = 2; i < items.size(); ++i) {
            QString key, value;
            splitItem(items[i], key, value);
            if (!key.isEmpty() && !columnItem(column, key, value))
                qWarning("Cellwork %d, column %d: unknown item \"%s\"", controlId, int(p - 1), qPrintable(items[i]));
        }
        columns.push_back(column);
    }
    view->setColCount(static_cast<int>(columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c)
        view->cells()->changeColumn(static_cast<int>(c), [&](CellworkColumn& col) { col = columns[c]; });
    for (const QString& option : splitOutsideQuotes(parts[0], QLatin1Char(','))) {
        QString key, value;
        splitItem(option, key, value);
        if (!key.isEmpty() && !gridOption(view, key, value, units))
            qWarning("Cellwork %d: unknown grid option \"%s\"", controlId, qPrintable(option));
    }
    view->applyWidths();
}

} // namespace gridbase
