#include "SoakLog.h"

#include <QString>
#include <QStringList>
#include <fstream>

namespace {

const char* const kOps[] = {"new", "resave", "delete"};
const char* const kOutcomes[] = {"committed", "refused", "uncertain"};

template <size_t N>
int IndexOf(const char* const (&names)[N], const QString& text)
{
    for (size_t i = 0; i < N; ++i)
        if (text == QLatin1String(names[i]))
            return int(i);
    return -1;
}

// Tabs and line feeds would break the line: a text never holds them.
QString Clean(const CString& text)
{
    QString t = text.ToQString();
    t.replace('\t', ' ').replace('\n', ' ').replace('\r', ' ');
    return t;
}

} // namespace

CString SoakDecimal(const CString& text, int places)
{
    const QString t = text.ToQString().trimmed();
    if (t.isEmpty())
        return CString();
    bool ok = false;
    const double value = t.toDouble(&ok);
    return ok ? CString(QString::number(value, 'f', places)) : CString(t);
}

CString SoakPostingText(int npp, const CString& debit, const CString values[3], const CString& credit,
                        const CString creditValues[3], const CString& quantity, const CString& amount,
                        const CString& note, const CString& date, int branch)
{
    QStringList parts{QString::number(npp) + QLatin1Char(':') + debit.ToQString()};
    for (int k = 0; k < 3; ++k)
        parts << values[k].ToQString();
    parts << credit.ToQString();
    for (int k = 0; k < 3; ++k)
        parts << creditValues[k].ToQString();
    parts << SoakDecimal(quantity, 3).ToQString() << SoakDecimal(amount, 2).ToQString() << note.ToQString()
          << date.ToQString() << QString::number(branch);
    return CString(parts.join('|'));
}

CString SoakPostingsText(const std::vector<nledmark::CPostingLine>& lines, const CString& date, int branch)
{
    QStringList texts;
    int npp = 0;
    for (const nledmark::CPostingLine& l : lines) {
        const CString debit[3] = {l.debit1, l.debit2, l.debit3};
        const CString credit[3] = {l.credit1, l.credit2, l.credit3};
        texts << SoakPostingText(++npp, l.debit, debit, l.credit, credit, l.quantity, l.amount, l.note, date, branch)
                     .ToQString();
    }
    return CString(texts.join(';'));
}

std::string SoakEventLine(const SoakEvent& e)
{
    const QStringList fields{QString::number(e.client),
                             QLatin1String(kOps[int(e.op)]),
                             QLatin1String(kOutcomes[int(e.outcome)]),
                             Clean(e.kind),
                             Clean(e.tag),
                             QString::number(e.realId),
                             QString::number(e.docId),
                             Clean(e.number),
                             e.typed ? QStringLiteral("typed") : QStringLiteral("proposed"),
                             Clean(e.date),
                             QString::number(e.branch),
                             Clean(e.sum),
                             Clean(e.postings),
                             Clean(e.reason)};
    return fields.join('\t').toStdString();
}

bool ParseSoakEvent(const std::string& line, SoakEvent& e)
{
    const QStringList f = QString::fromStdString(line).split('\t');
    if (f.size() != 14)
        return false;
    const int op = IndexOf(kOps, f[1]), outcome = IndexOf(kOutcomes, f[2]);
    if (op < 0 || outcome < 0)
        return false;
    e = SoakEvent();
    e.client = f[0].toInt();
    e.op = SoakOp(op);
    e.outcome = SoakOutcome(outcome);
    e.kind = CString(f[3]);
    e.tag = CString(f[4]);
    e.realId = f[5].toLong();
    e.docId = f[6].toLong();
    e.number = CString(f[7]);
    e.typed = f[8] == QLatin1String("typed");
    e.date = CString(f[9]);
    e.branch = f[10].toInt();
    e.sum = CString(f[11]);
    e.postings = CString(f[12]);
    e.reason = CString(f[13]);
    return true;
}

SoakLogFile::SoakLogFile(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {}

SoakLogFile::~SoakLogFile()
{
    if (file_)
        std::fclose(file_);
}

void SoakLogFile::Write(const SoakEvent& event)
{
    if (!file_)
        return;
    std::fprintf(file_, "%s\n", SoakEventLine(event).c_str());
    std::fflush(file_);
}

void SoakLogFile::WriteEnd(long long startMs, long long endMs, int saved)
{
    if (!file_)
        return;
    std::fprintf(file_, "end\t%lld\t%lld\t%d\n", startMs, endMs, saved);
    std::fflush(file_);
}

bool ReadSoakLog(const std::string& path, std::vector<SoakEvent>& events, SoakClientEnd* end)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        if (line.rfind("end\t", 0) == 0) {
            const QStringList f = QString::fromStdString(line).split('\t');
            if (end && f.size() == 4)
                *end = {f[1].toLongLong(), f[2].toLongLong(), f[3].toInt(), true};
            continue;
        }
        SoakEvent e;
        if (!ParseSoakEvent(line, e))
            return false;
        events.push_back(e);
    }
    return true;
}
