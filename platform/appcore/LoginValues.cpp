#include "LoginValues.h"

namespace appcore {

namespace {

bool OpensValue(const QString& text, int i)
{
    return text.at(i) == QLatin1Char('-') && (i == 0 || text.at(i - 1).isSpace());
}

// The quoted value that begins at `from` (the opening quote): its text and the
// position after the closing quote, or -1 when the quote is never closed.
int ReadQuoted(const QString& text, int from, QString& value)
{
    value.clear();
    for (int i = from + 1; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('"')) {
            value += text.at(i);
        } else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
            value += QLatin1Char('"');
            ++i;
        } else {
            return i + 1;
        }
    }
    return -1;
}

} // namespace

QStringList LoginValues(const QString& text)
{
    QStringList values;
    int i = 0;
    while (i < text.size() && !OpensValue(text, i))
        ++i;
    while (i < text.size()) {
        ++i;  // the "-"
        QString value;
        const int after = i < text.size() && text.at(i) == QLatin1Char('"') ? ReadQuoted(text, i, value) : -1;
        if (after >= 0) {
            i = after;
            while (i < text.size() && text.at(i).isSpace())
                ++i;
            if (i < text.size() && !OpensValue(text, i)) {
                // Text after the closing quote belongs to the value.
                QString rest;
                while (i < text.size() && !OpensValue(text, i))
                    rest += text.at(i++);
                value += rest.trimmed();
            }
        } else {
            value.clear();
            while (i < text.size() && !OpensValue(text, i))
                value += text.at(i++);
            value = value.trimmed();
        }
        values << value;
    }
    return values;
}

QString LoginValue(const QString& value)
{
    bool plain = value == value.trimmed() && !value.startsWith(QLatin1Char('"'));
    for (int i = 1; plain && i < value.size(); ++i)
        plain = !OpensValue(value, i);
    if (plain)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace appcore
