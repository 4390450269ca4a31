#include "GridText.h"

namespace {

const QChar kRowDelimiter(0x0001);
const QChar kCellDelimiter(0x0002);

// The span [begin, end) of part n (from 1) of a non-empty text; false when the
// text has fewer parts. Walks only as far as part n.
bool FindPart(const QString& text, const QString& delimiter, int n, qsizetype& begin, qsizetype& end)
{
    if (n < 1 || text.isEmpty())
        return false;
    begin = 0;
    for (int part = 1;; ++part) {
        end = delimiter.isEmpty() ? -1 : text.indexOf(delimiter, begin);
        if (end < 0)
            end = text.size();
        if (part == n)
            return true;
        if (end == text.size())
            return false;
        begin = end + delimiter.size();
    }
}

} // namespace

CString GetDelimiter()
{
    return CString(QString(kRowDelimiter));
}

CString GetDelimiter0()
{
    return CString(QString(kCellDelimiter));
}

int Length(const CString& text, const CString& delimiter)
{
    const QString& t = text.ToQString();
    if (t.isEmpty())
        return 0;
    if (delimiter.IsEmpty())
        return 1;
    return int(t.count(delimiter.ToQString())) + 1;
}

CString GetPart(const CString& text, const CString& delimiter, int n)
{
    return GetPart(text, delimiter, n, n);
}

CString GetPart(const CString& text, const CString& delimiter, int from, int to)
{
    const QString& t = text.ToQString();
    const QString& d = delimiter.ToQString();
    qsizetype begin = 0, end = 0;
    if (to < from || !FindPart(t, d, from, begin, end))
        return CString();
    qsizetype last = end;
    for (int part = from; part < to && last < t.size(); ++part) {
        last = t.indexOf(d, last + d.size());
        if (last < 0)
            last = t.size();
    }
    return CString(t.mid(begin, last - begin));
}

CString GetFromTo(const CString& text, int from, int to)
{
    const QString& t = text.ToQString();
    const qsizetype first = std::max(from, 0);
    const qsizetype last = std::min<qsizetype>(to, t.size() - 1);
    if (first > last)
        return CString();
    return CString(t.mid(first, last - first + 1));
}

CString GetFromTo(const CString& text, int n)
{
    return GetFromTo(text, n, n);
}

CString FIOP(const CString& text)
{
    QString name = text.ToQString().simplified();
    bool wordStart = true;
    for (QChar& c : name) {
        c = wordStart ? c.toUpper() : c.toLower();
        wordStart = c == QLatin1Char(' ') || c == QLatin1Char('-');
    }
    return CString(name);
}
