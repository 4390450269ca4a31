#include "KeyedQuery.h"

#include "OleDate.h"

namespace vornal::ado {

namespace {

// A word of the text outside quotes, comments and parentheses.
struct Word {
    QString lower;
    qsizetype at = 0;
    qsizetype end = 0;
};

bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// The words of `sql` at the top level (depth 0, not quoted); false when a
// quote or parenthesis is left open.
bool TopLevelWords(const QString& sql, std::vector<Word>& words)
{
    int depth = 0;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            qsizetype j = i + 1;
            for (; j < n; ++j) {
                if (sql[j] == QLatin1Char('\\') && c != QLatin1Char('`')) {
                    ++j;
                    continue;
                }
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        ++j;
                        continue;
                    }
                    break;
                }
            }
            if (j >= n)
                return false;
            i = j + 1;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-'))
            return false;  // a comment could hide the rest of a clause
        if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*'))
            return false;
        if (c == QLatin1Char('#'))
            return false;
        if (c == QLatin1Char('(')) {
            ++depth;
            ++i;
            continue;
        }
        if (c == QLatin1Char(')')) {
            if (--depth < 0)
                return false;
            ++i;
            continue;
        }
        if (IsWordChar(c)) {
            qsizetype j = i;
            while (j < n && IsWordChar(sql[j]))
                ++j;
            if (depth == 0)
                words.push_back({sql.mid(i, j - i).toLower(), i, j});
            i = j;
            continue;
        }
        ++i;
    }
    return depth == 0;
}

QString Normalized(QString text)
{
    text = text.simplified().toLower();
    text.remove(QLatin1Char(' '));
    return text;
}

// The ordering's items, each without a trailing "asc".
QStringList OrderItems(const QString& text)
{
    QStringList items;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text[i] : QLatin1Char(',');
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (c == QLatin1Char(',') && depth == 0) {
            QString item = text.mid(start, i - start).simplified();
            if (item.endsWith(QLatin1String(" asc"), Qt::CaseInsensitive))
                item.chop(4);
            items << Normalized(item);
            start = i + 1;
        }
    }
    return items;
}

}  // namespace

bool KeyedQuery::split(const QString& sql, const QStringList& key)
{
    std::vector<Word> words;
    if (key.isEmpty() || !TopLevelWords(sql, words) || words.empty() || words.front().lower != QLatin1String("select"))
        return false;
    if (words.size() > 1 && (words[1].lower == QLatin1String("distinct") || words[1].lower == QLatin1String("all")))
        return false;
    const Word* from = nullptr;
    const Word* where = nullptr;
    const Word* order = nullptr;
    for (std::size_t w = 1; w < words.size(); ++w) {
        const QString& word = words[w].lower;
        if (word == QLatin1String("select") || word == QLatin1String("union") || word == QLatin1String("group")
            || word == QLatin1String("having") || word == QLatin1String("limit") || word == QLatin1String("offset")
            || word == QLatin1String("into") || word == QLatin1String("for") || word == QLatin1String("window")
            || word == QLatin1String("procedure") || word == QLatin1String("lock")
            || word == QLatin1String("intersect") || word == QLatin1String("except"))
            return false;
        if (word == QLatin1String("from") && !from)
            from = &words[w];
        else if (word == QLatin1String("where") && from && !where && !order)
            where = &words[w];
        else if (word == QLatin1String("order") && from && w + 1 < words.size() && words[w + 1].lower == QLatin1String("by")) {
            if (order)
                return false;
            order = &words[w];
        } else if (word == QLatin1String("where") || word == QLatin1String("from"))
            return false;
    }
    if (!from || !order)
        return false;
    // The ordering names the key, column by column, ascending, and nothing else.
    const qsizetype byEnd = sql.indexOf(QLatin1String("by"), order->end, Qt::CaseInsensitive) + 2;
    const QStringList items = OrderItems(sql.mid(byEnd));
    if (items.size() != key.size())
        return false;
    for (qsizetype k = 0; k < key.size(); ++k)
        if (items[k] != Normalized(key[k]))
            return false;
    select_ = sql.left(from->at).trimmed();
    if (where) {
        from_ = sql.mid(from->at, where->at - from->at).trimmed();
        where_ = sql.mid(where->end, order->at - where->end).trimmed();
        if (where_.isEmpty())
            return false;
    } else {
        from_ = sql.mid(from->at, order->at - from->at).trimmed();
        where_.clear();
    }
    key_.clear();
    for (const QString& column : key)
        key_ << column.trimmed();
    return true;
}

QStringList KeyedQuery::keyFields() const
{
    QStringList fields;
    for (const QString& column : key_)
        fields << column.mid(column.lastIndexOf(QLatin1Char('.')) + 1).remove(QLatin1Char('`'));
    return fields;
}

QString KeyedQuery::page(bool descending, const QString& keyset, long long limit, long long offset) const
{
    QString text = select_ + QLatin1Char(' ') + from_;
    if (!where_.isEmpty() && !keyset.isEmpty())
        text += QStringLiteral(" where (%1) and (%2)").arg(where_, keyset);
    else if (!where_.isEmpty())
        text += QStringLiteral(" where ") + where_;
    else if (!keyset.isEmpty())
        text += QStringLiteral(" where ") + keyset;
    QStringList order;
    for (const QString& column : key_)
        order << column + (descending ? QStringLiteral(" desc") : QString());
    text += QStringLiteral(" order by ") + order.join(QLatin1Char(',')) + QStringLiteral(" limit %1").arg(limit);
    if (offset > 0)
        text += QStringLiteral(" offset %1").arg(offset);
    return text;
}

QString KeyedQuery::count() const
{
    QString text = QStringLiteral("select count(*) ")
        + (countTable_.isEmpty() ? from_ : QStringLiteral("from ") + countTable_);
    if (!where_.isEmpty())
        text += QStringLiteral(" where ") + where_;
    return text;
}

QString KeysetCondition(const QStringList& key, const QStringList& literals, bool after)
{
    const QString beyond = after ? QStringLiteral(">") : QStringLiteral("<");
    QString condition;
    for (qsizetype k = key.size() - 1; k >= 0; --k) {
        const QString past = key[k] + beyond + literals[k];
        condition = condition.isEmpty() ? past
                                        : QStringLiteral("%1 or (%2=%3 and (%4))").arg(past, key[k], literals[k], condition);
    }
    return condition;
}

bool KeyLiteral(const _variant_t& value, QString& literal)
{
    switch (value.vt) {
    case VT_NULL:
    case VT_EMPTY:
        return false;
    case VT_DATE: {
        const DateParts d = SplitOleDate(value.date);
        literal = QStringLiteral("'%1-%2-%3").arg(d.year, 4, 10, QLatin1Char('0')).arg(d.month, 2, 10, QLatin1Char('0'))
                      .arg(d.day, 2, 10, QLatin1Char('0'));
        if (value.hasTimeOfDay())
            literal += QStringLiteral(" %1:%2:%3").arg(d.hour, 2, 10, QLatin1Char('0'))
                           .arg(d.minute, 2, 10, QLatin1Char('0')).arg(d.second, 2, 10, QLatin1Char('0'));
        literal += QLatin1Char('\'');
        return true;
    }
    case VT_R4:
    case VT_R8:
        literal = QString::number(value.vt == VT_R4 ? double(value.fltVal) : value.dblVal, 'g', 17);
        return true;
    case VT_BOOL:
        literal = value.boolVal ? QStringLiteral("1") : QStringLiteral("0");
        return true;
    case VT_BSTR: {
        QString text = value.text();
        text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("''"));
        literal = QLatin1Char('\'') + text + QLatin1Char('\'');
        return true;
    }
    default:
        // Whole numbers and exact decimals: their text has "." and no grouping.
        literal = value.text();
        return !literal.isEmpty();
    }
}

}  // namespace vornal::ado
