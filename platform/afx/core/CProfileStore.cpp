#include "CProfileStore.h"

#include "AfxPaths.h"
#include "AfxRegistry.h"
#include "RegistryFile.h"

struct CProfileStore::Place {
    QString file;
    QStringList section; // path of the section's key inside the file
};

CProfileStore::CProfileStore(LPCTSTR registryKey, LPCTSTR applicationName)
    : m_registryKey(registryKey), m_application(applicationName)
{
}

CString CProfileStore::GetBranch() const
{
    if (m_registryKey.IsEmpty())
        return CString();
    return "Software\\" + m_registryKey + "\\" + m_application;
}

CProfileStore::Place CProfileStore::place(LPCTSTR section) const
{
    Place p;
    const QString name = QString::fromUtf8(section ? section : "");
    if (m_registryKey.IsEmpty()) {
        p.file = AfxGetProfileFolder() + QLatin1Char('/') + m_application.ToQString() + QStringLiteral(".ini");
        p.section = QStringList{name};
    } else {
        p.file = AfxGetProfileFolder() + QStringLiteral("/HKEY_CURRENT_USER.reg");
        p.section = RegSplitPath(GetBranch().ToQString()) << name;
    }
    return p;
}

UINT CProfileStore::GetInt(LPCTSTR section, LPCTSTR entry, int defaultValue) const
{
    const Place where = place(section);
    UINT result = UINT(defaultValue);
    RegistryFile::at(where.file).read([&](const RegNode& root) {
        const RegNode* key = root.find(where.section);
        const RegValue* v = key ? key->value(QString::fromUtf8(entry ? entry : "")) : nullptr;
        if (v && v->type == REG_DWORD && v->data.size() == 4) {
            const auto* b = reinterpret_cast<const unsigned char*>(v->data.constData());
            result = b[0] | b[1] << 8 | b[2] << 16 | UINT(b[3]) << 24;
        } else if (v && v->type == REG_SZ && m_registryKey.IsEmpty()) {
            bool ok = false;
            const int n = QString::fromUtf8(v->data).trimmed().toInt(&ok);
            if (ok)
                result = UINT(n);
        }
        return ERROR_SUCCESS;
    });
    return result;
}

BOOL CProfileStore::WriteInt(LPCTSTR section, LPCTSTR entry, int value)
{
    if (m_registryKey.IsEmpty())
        return WriteString(section, entry, FormatText("%d", value));
    RegValue v;
    v.name = QString::fromUtf8(entry ? entry : "");
    v.type = REG_DWORD;
    const UINT u = UINT(value);
    const char bytes[4] = {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
    v.data = QByteArray(bytes, 4);
    return write(section, entry, &v);
}

CString CProfileStore::GetString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) const
{
    const Place where = place(section);
    CString result(defaultValue);
    RegistryFile::at(where.file).read([&](const RegNode& root) {
        const RegNode* key = root.find(where.section);
        const RegValue* v = key ? key->value(QString::fromUtf8(entry ? entry : "")) : nullptr;
        if (v && (v->type == REG_SZ || v->type == REG_EXPAND_SZ))
            result = CString(QString::fromUtf8(v->data));
        return ERROR_SUCCESS;
    });
    return result;
}

BOOL CProfileStore::WriteString(LPCTSTR section, LPCTSTR entry, LPCTSTR value)
{
    if (!value)
        return write(section, entry, nullptr);
    RegValue v;
    v.name = QString::fromUtf8(entry ? entry : "");
    v.type = REG_SZ;
    v.data = QByteArray(value);
    return write(section, entry, &v);
}

BOOL CProfileStore::write(LPCTSTR section, LPCTSTR entry, const RegValue* value)
{
    if (!section)
        return FALSE;
    const Place where = place(section);
    const LONG r = RegistryFile::at(where.file).modify([&](RegNode& root) {
        if (!entry) { // the whole section goes
            RegNode* parent = root.find(where.section.mid(0, where.section.size() - 1));
            if (parent)
                parent->removeChild(where.section.last());
            return ERROR_SUCCESS;
        }
        if (!value) {
            RegNode* key = root.find(where.section);
            if (key)
                key->removeValue(QString::fromUtf8(entry));
            return ERROR_SUCCESS;
        }
        root.make(where.section)->setValue(*value);
        return ERROR_SUCCESS;
    });
    return r == ERROR_SUCCESS ? TRUE : FALSE;
}
