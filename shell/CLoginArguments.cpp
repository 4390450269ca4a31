#include "CLoginArguments.h"

#include "ndbcore.h"

namespace {

// The values of an argument string in order: the text before the first
// separating "-" first, then one value per separator.
QStringList SplitValues(const QString& text)
{
    QStringList values;
    QString current;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('-') && (i == 0 || text.at(i - 1).isSpace())) {
            values << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    values << current.trimmed();
    return values;
}

} // namespace

CLoginArguments CLoginArguments::Parse(const CString& arguments)
{
    const QStringList values = SplitValues(arguments.ToQString().trimmed());
    CLoginArguments a;
    CString* const fields[] = {&a.m_strTn,       &a.m_strPassword, &a.m_strDriverId, &a.m_strDbPassword,
                               &a.m_strDatabase, &a.m_strDbUser,   &a.m_strServer,   &a.m_strArm};
    for (int i = 0; i < 8 && i + 1 < values.size(); ++i)
        *fields[i] = CString(values.at(i + 1));
    return a;
}

CString CLoginArguments::ArgumentString(const QStringList& arguments)
{
    return CString(arguments.mid(1).join(QLatin1Char(' ')).trimmed());
}

bool CLoginArguments::IsChooserSwitch(const CString& arguments)
{
    return arguments.ToQString().trimmed() == QLatin1String(kChooserSwitch);
}

BOOL CLoginArguments::HasLogin() const
{
    return !m_strTn.IsEmpty() || !m_strPassword.IsEmpty() || !m_strArm.IsEmpty();
}

void CLoginArguments::ApplyConnection() const
{
    if (!m_strDriverId.IsEmpty())
        SetDriverId(atol(m_strDriverId));
    if (!m_strServer.IsEmpty())
        SetServerName(m_strServer);
    if (!m_strDatabase.IsEmpty())
        SetDataBaseName(m_strDatabase);
    if (!m_strDbUser.IsEmpty())
        SetUserID(m_strDbUser);
    if (!m_strDbPassword.IsEmpty())
        SetUserPassword(m_strDbPassword);
}

CString CLoginArguments::LoginString(const CString& tn, const CString& password)
{
    CString text;
    text.Format("-%s -%s -%d -%s -%s -%s -%s", tn, password, GetDriverId(-1), GetUserPassword(NULL),
                GetDataBaseName(NULL), GetUserID(NULL), GetServerName(NULL));
    return text;
}

CString CLoginArguments::WithArm(const CString& loginString, int armIndex)
{
    CString text = loginString;
    text.AppendFormat(" -%d", armIndex);
    return text;
}
