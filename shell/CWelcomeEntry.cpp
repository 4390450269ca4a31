#include "CWelcomeEntry.h"

#include "gridbase.h"

#include <QRegularExpression>

namespace {

// One argument of a parameter text, quoted when blanks or quotes would cut it.
QString Argument(const QString& value)
{
    const QString argument = QLatin1Char('-') + value;
    static const QRegularExpression needsQuotes(QStringLiteral("[\\s\"]"));
    if (!argument.contains(needsQuotes))
        return argument;
    QString quoted = argument;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

CString CWelcomeEntry::ToText() const
{
    const CString d = GetDelimiter0();
    CString text;
    text.Format("%d%s%s%s%s%s%s%s%s%s%s%s%s", m_lDriverId, d, m_strServer, d, m_strDatabase, d, m_strUser, d,
                m_strPassword, d, m_strFolder, d, m_strName);
    return text;
}

CWelcomeEntry CWelcomeEntry::FromText(const CString& text)
{
    const CString d = GetDelimiter0();
    CWelcomeEntry e;
    e.m_lDriverId = atol(GetPart(text, d, 1));
    e.m_strServer = GetPart(text, d, 2);
    e.m_strDatabase = GetPart(text, d, 3);
    e.m_strUser = GetPart(text, d, 4);
    e.m_strPassword = GetPart(text, d, 5);
    e.m_strFolder = GetPart(text, d, 6);
    e.m_strName = GetPart(text, d, 7);
    return e;
}

std::vector<CString> CWelcomeEntry::SplitList(const CString& list)
{
    std::vector<CString> entries;
    const CString d = GetDelimiter();
    const int count = Length(list, d);
    for (int i = 1; i <= count; ++i)
        entries.push_back(GetPart(list, d, i));
    return entries;
}

CString CWelcomeEntry::JoinList(const std::vector<CString>& entries)
{
    CString list;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            list += GetDelimiter();
        list += entries[i];
    }
    return list;
}

CString CWelcomeEntry::ProgramPath(BOOL configurator) const
{
    CString folder = m_strFolder;
    folder.TrimRight("\\/");
    return folder + "\\" + (configurator ? "Setupdesk.exe" : "vornal.exe");
}

CString CWelcomeEntry::ProgramParameters() const
{
    const QStringList arguments = {QStringLiteral("-"), QStringLiteral("-"),
                                   Argument(QString::number(m_lDriverId)), Argument(m_strPassword.ToQString()),
                                   Argument(m_strDatabase.ToQString()), Argument(m_strUser.ToQString()),
                                   Argument(m_strServer.ToQString()), QStringLiteral("-")};
    return CString(arguments.join(QLatin1Char(' ')));
}
