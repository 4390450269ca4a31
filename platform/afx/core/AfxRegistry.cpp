#include "AfxRegistry.h"

#include "AfxHandleTable.h"
#include "AfxPaths.h"
#include "CString.h"
#include "RegistryFile.h"

#include <cstring>

namespace {

// What an opened key handle stands for: a file and a path of names inside it.
struct KeyHandle {
    QString file;
    QStringList path;
};

AfxHandleTable<KeyHandle>& handles()
{
    static auto* h = new AfxHandleTable<KeyHandle>;
    return *h;
}

const char* rootFile(HKEY key)
{
    if (key == HKEY_CURRENT_USER)
        return "HKEY_CURRENT_USER.reg";
    if (key == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE.reg";
    return nullptr;
}

// The file and path of `key`\`subKey`; false for a handle that is not open.
bool resolve(HKEY key, LPCTSTR subKey, KeyHandle& out)
{
    if (const char* file = rootFile(key)) {
        out.file = AfxGetProfileFolder() + QLatin1Char('/') + QString::fromLatin1(file);
        out.path.clear();
    } else if (!handles().use(key, [&](const KeyHandle& handle) { out = handle; })) {
        return false;
    }
    if (subKey)
        out.path += RegSplitPath(QString::fromUtf8(subKey));
    return true;
}

HKEY newHandle(const KeyHandle& where)
{
    return reinterpret_cast<HKEY>(handles().add(new KeyHandle(where)));
}

// Runs `reader` on the existing key `key`\`subKey`.
LONG readKey(HKEY key, LPCTSTR subKey, const std::function<LONG(const RegNode&)>& reader)
{
    KeyHandle where;
    if (!resolve(key, subKey, where))
        return ERROR_INVALID_HANDLE;
    return RegistryFile::at(where.file).read([&](const RegNode& root) {
        const RegNode* node = root.find(where.path);
        return node ? reader(*node) : ERROR_FILE_NOT_FOUND;
    });
}

// Runs `change` on the existing key `key`; a key deleted meanwhile answers ERROR_KEY_DELETED.
LONG changeKey(HKEY key, const std::function<LONG(RegNode&)>& change)
{
    KeyHandle where;
    if (!resolve(key, nullptr, where))
        return ERROR_INVALID_HANDLE;
    return RegistryFile::at(where.file).modify([&](RegNode& root) {
        RegNode* node = root.find(where.path);
        return node ? change(*node) : ERROR_KEY_DELETED;
    });
}

QString valueName(LPCTSTR name)
{
    return QString::fromUtf8(name ? name : "");
}

// Copies `bytes` into a caller's buffer the registry way (size asked, too small, or copied).
LONG giveBytes(const QByteArray& bytes, LPBYTE data, LPDWORD size)
{
    if (!size)
        return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const DWORD needed = DWORD(bytes.size());
    const DWORD room = *size;
    *size = needed;
    if (!data)
        return ERROR_SUCCESS;
    if (room < needed)
        return ERROR_MORE_DATA;
    std::memcpy(data, bytes.constData(), needed);
    return ERROR_SUCCESS;
}

// Copies a name into a caller's buffer of `*chars` bytes (room for the zero included).
LONG giveName(const QString& name, LPTSTR buffer, LPDWORD chars)
{
    const QByteArray utf8 = name.toUtf8();
    if (!buffer || !chars)
        return ERROR_INVALID_PARAMETER;
    if (DWORD(utf8.size()) + 1 > *chars)
        return ERROR_MORE_DATA;
    std::memcpy(buffer, utf8.constData(), size_t(utf8.size()) + 1);
    *chars = DWORD(utf8.size());
    return ERROR_SUCCESS;
}

QByteArray storedBytes(const RegValue& v)
{
    return v.type == REG_SZ || v.type == REG_EXPAND_SZ ? v.data + '\0' : v.data;
}

} // namespace

LONG RegOpenKeyEx(HKEY key, LPCTSTR subKey, DWORD, REGSAM, PHKEY result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    KeyHandle where;
    if (!resolve(key, subKey, where))
        return ERROR_INVALID_HANDLE;
    const LONG found = readKey(key, subKey, [](const RegNode&) { return ERROR_SUCCESS; });
    *result = found == ERROR_SUCCESS ? newHandle(where) : nullptr;
    return found;
}

LONG RegOpenKey(HKEY key, LPCTSTR subKey, PHKEY result)
{
    return RegOpenKeyEx(key, subKey, 0, KEY_ALL_ACCESS, result);
}

LONG RegCreateKeyEx(HKEY key, LPCTSTR subKey, DWORD, LPTSTR, DWORD, REGSAM, void*, PHKEY result,
                    LPDWORD disposition)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    KeyHandle where;
    if (!resolve(key, subKey, where))
        return ERROR_INVALID_HANDLE;
    const QStringList below = RegSplitPath(QString::fromUtf8(subKey ? subKey : ""));
    bool created = false;
    const LONG r = changeKey(key, [&](RegNode& node) {
        node.make(below, &created);
        return ERROR_SUCCESS;
    });
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = r == ERROR_SUCCESS ? newHandle(where) : nullptr;
    return r;
}

LONG RegCreateKey(HKEY key, LPCTSTR subKey, PHKEY result)
{
    return RegCreateKeyEx(key, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, result, nullptr);
}

LONG RegCloseKey(HKEY key)
{
    if (rootFile(key))
        return ERROR_SUCCESS;
    KeyHandle* handle = handles().remove(key);
    if (!handle)
        return ERROR_INVALID_HANDLE;
    delete handle;
    return ERROR_SUCCESS;
}

static LONG deleteKey(HKEY key, LPCTSTR subKey, bool withSubkeys)
{
    const QStringList path = RegSplitPath(QString::fromUtf8(subKey ? subKey : ""));
    if (path.isEmpty())
        return withSubkeys ? changeKey(key, [](RegNode& node) {
            node.clear();
            return ERROR_SUCCESS;
        })
                           : ERROR_ACCESS_DENIED;
    return changeKey(key, [&](RegNode& node) {
        RegNode* parent = node.find(path.mid(0, path.size() - 1));
        RegNode* victim = parent ? parent->child(path.last()) : nullptr;
        if (!victim)
            return ERROR_FILE_NOT_FOUND;
        if (victim->hasChildren() && !withSubkeys)
            return ERROR_ACCESS_DENIED;
        parent->removeChild(path.last());
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteKey(HKEY key, LPCTSTR subKey)
{
    return deleteKey(key, subKey, false);
}

LONG RegDeleteTree(HKEY key, LPCTSTR subKey)
{
    return deleteKey(key, subKey, true);
}

LONG RegDeleteValue(HKEY key, LPCTSTR name)
{
    return changeKey(key, [&](RegNode& node) {
        return node.removeValue(valueName(name)) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegQueryValueEx(HKEY key, LPCTSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataBytes)
{
    return readKey(key, nullptr, [&](const RegNode& node) {
        const RegValue* v = node.value(valueName(name));
        if (!v)
            return ERROR_FILE_NOT_FOUND;
        if (type)
            *type = v->type;
        return giveBytes(storedBytes(*v), data, dataBytes);
    });
}

LONG RegSetValueEx(HKEY key, LPCTSTR name, DWORD, DWORD type, const BYTE* data, DWORD dataBytes)
{
    RegValue v;
    v.name = valueName(name);
    v.type = type;
    const char* bytes = reinterpret_cast<const char*>(data);
    if (type == REG_SZ || type == REG_EXPAND_SZ)
        v.data = data ? QByteArray(bytes, qsizetype(strnlen(bytes, dataBytes))) : QByteArray();
    else if (type == REG_DWORD && (dataBytes != 4 || !data))
        return ERROR_INVALID_PARAMETER;
    else
        v.data = data ? QByteArray(bytes, qsizetype(dataBytes)) : QByteArray();
    return changeKey(key, [&](RegNode& node) {
        node.setValue(v);
        return ERROR_SUCCESS;
    });
}

LONG RegEnumKeyEx(HKEY key, DWORD index, LPTSTR name, LPDWORD nameChars, LPDWORD, LPTSTR keyClass,
                  LPDWORD classChars, FILETIME*)
{
    if (keyClass && classChars && *classChars)
        *keyClass = '\0';
    if (classChars)
        *classChars = 0;
    return readKey(key, nullptr, [&](const RegNode& node) {
        const RegNode* child = node.childAt(index);
        return child ? giveName(child->name, name, nameChars) : ERROR_NO_MORE_ITEMS;
    });
}

LONG RegEnumKey(HKEY key, DWORD index, LPTSTR name, DWORD nameChars)
{
    return RegEnumKeyEx(key, index, name, &nameChars, nullptr, nullptr, nullptr, nullptr);
}

LONG RegEnumValue(HKEY key, DWORD index, LPTSTR name, LPDWORD nameChars, LPDWORD, LPDWORD type,
                  LPBYTE data, LPDWORD dataBytes)
{
    return readKey(key, nullptr, [&](const RegNode& node) {
        const RegValue* v = node.valueAt(index);
        if (!v)
            return ERROR_NO_MORE_ITEMS;
        const LONG named = giveName(v->name, name, nameChars);
        if (named != ERROR_SUCCESS)
            return named;
        if (type)
            *type = v->type;
        return giveBytes(storedBytes(*v), data, dataBytes);
    });
}

LONG RegCopyTree(HKEY source, LPCTSTR subKey, HKEY target)
{
    RegNode copy;
    const LONG read = readKey(source, subKey, [&](const RegNode& node) {
        node.copyInto(copy);
        return ERROR_SUCCESS;
    });
    if (read != ERROR_SUCCESS)
        return read;
    return changeKey(target, [&](RegNode& node) {
        copy.copyInto(node);
        return ERROR_SUCCESS;
    });
}
