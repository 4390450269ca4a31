#include "CLoginArguments.h"

#include "LoginValues.h"
#include "ndbcore.h"

CLoginArguments CLoginArguments::Parse(const CString& arguments)
{
    const QStringList values = appcore::LoginValues(arguments.ToQString());
    CLoginArguments a;
    CString* const fields[] = {&a.m_strTn,       &a.m_strPassword, &a.m_strDriverId, &a.m_strDbPassword,
                               &a.m_strDatabase, &a.m_strDbUser,   &a.m_strServer,   &a.m_strArm};
    for (int i = 0; i < 8 && i < values.size(); ++i)
        *fields[i] = CString(values.at(i));
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
    // Each value as the dialog took it: quoted where blanks around it or a
    // " -" inside would change it on the way to the core.
    const auto value = [](const CString& v) { return CString(appcore::LoginValue(v.ToQString())); };
    CString text;
    text.Format("-%s -%s -%d -%s -%s -%s -%s", (LPCTSTR)value(tn), (LPCTSTR)value(password), GetDriverId(-1),
                (LPCTSTR)value(GetUserPassword(NULL)), (LPCTSTR)value(GetDataBaseName(NULL)),
                (LPCTSTR)value(GetUserID(NULL)), (LPCTSTR)value(GetServerName(NULL)));
    return text;
}

CString CLoginArguments::WithArm(const CString& loginString, int armIndex)
{
    CString text = loginString;
    text.AppendFormat(" -%d", armIndex);
    return text;
}
