#include "CellInput.h"

#include "CellworkModel.h"
#include "GridDates.h"
#include "GridText.h"

#include <QRegularExpression>

namespace gridbase {

namespace {

// The pattern a text of the kind may take while it is being typed.
const QRegularExpression* typingPattern(int kind)
{
    static const QRegularExpression amount(QStringLiteral("^-?\\d*(\\.\\d{0,2})?$"));
    static const QRegularExpression number(QStringLiteral("^-?\\d*(\\.\\d*)?$"));
    static const QRegularExpression count(QStringLiteral("^\\d*(\\.\\d*)?$"));
    static const QRegularExpression code(QStringLiteral("^[\\p{L}\\p{N}]*$"));
    static const QRegularExpression date(QStringLiteral("^\\d{0,2}(\\.\\d{0,2}(\\.\\d{0,4})?)?$"));
    switch (kind) {
    case CellAmount: return &amount;
    case CellNumber: return &number;
    case CellCount: return &count;
    case CellCode: return &code;
    case CellDate: return &date;
    default: return nullptr;
    }
}

bool numeric(int kind) { return kind == CellAmount || kind == CellNumber || kind == CellCount; }

// Nothing typed or pasted keeps a control character.
void dropControls(QString& input, int& pos)
{
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        const ushort c = input.at(i).unicode();
        if (c < 0x20 || c == 0x7f) {
            input.remove(i, 1);
            if (pos > i)
                --pos;
        }
    }
}

// A date typed without points gets them after the day and the month.
void pointDate(QString& input, int& pos)
{
    static const QRegularExpression day(QStringLiteral("^\\d{3}$"));
    static const QRegularExpression month(QStringLiteral("^\\d{2}\\.\\d{3}$"));
    for (const auto& [pattern, at] : { std::pair { &day, 2 }, std::pair { &month, 5 } }) {
        if (pattern->match(input).hasMatch() && pos == input.size()) {
            input.insert(at, QLatin1Char('.'));
            ++pos;
        }
    }
}

} // namespace

CellValidator::CellValidator(int kind, QObject* parent) : QValidator(parent), m_kind(kind) {}

QValidator::State CellValidator::validate(QString& input, int& pos) const
{
    dropControls(input, pos);
    if (numeric(m_kind))
        input.replace(QLatin1Char(','), QLatin1Char('.'));
    if (m_kind == CellDate)
        pointDate(input, pos);
    const QRegularExpression* pattern = typingPattern(m_kind);
    return !pattern || pattern->match(input).hasMatch() ? Acceptable : Invalid;
}

QString FinishedCellText(int kind, const QString& text)
{
    QString t = CleanCellText(text).trimmed();
    if (kind == CellDate) {
        // A date is kept as dd.mm.yyyy; what is no date stays for the form to refuse.
        const CString date = DMG(CString(t), 1, 0);
        return date.IsEmpty() ? t : date.ToQString();
    }
    if (!numeric(kind))
        return t;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t == QLatin1String("-") || t == QLatin1String(".") || t == QLatin1String("-."))
        return QString();
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    if (t.startsWith(QLatin1Char('.')))
        t.prepend(QLatin1Char('0'));
    else if (t.startsWith(QLatin1String("-.")))
        t.insert(1, QLatin1Char('0'));
    return t;
}

QString CleanCellText(const QString& text)
{
    static const QString row = GetDelimiter().ToQString();
    static const QString cell = GetDelimiter0().ToQString();
    if (!text.contains(row) && !text.contains(cell))
        return text;
    QString t = text;
    t.replace(row, QStringLiteral(" "));
    t.replace(cell, QStringLiteral(" "));
    return t;
}

} // namespace gridbase
