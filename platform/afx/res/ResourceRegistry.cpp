// The registered resource modules and the lookups across them.
#include "res/AfxResources.h"
#include "res/RcParser.h"
#include "res/RcScript.h"
#include <QFileInfo>
#include <QMutex>
#include <QPixmap>
#include <memory>
#include <vector>

struct HINSTANCE__ {
    QString name;
    const void* tag = nullptr;
    QMap<QString, QByteArray> files;  // path -> bytes (not copied)
    bool parsed = false;
    RcScript script;
    QStringList errors;
    QMap<QString, QPixmap> pictureCache;
};

namespace {

std::vector<std::unique_ptr<HINSTANCE__>>& modules()
{
    static std::vector<std::unique_ptr<HINSTANCE__>> list;
    return list;
}

HINSTANCE g_resourceHandle = nullptr;

QRecursiveMutex& lock()
{
    static QRecursiveMutex m;
    return m;
}

bool readFile(HINSTANCE m, const QString& base, const QString& name, QString* text)
{
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString& candidate : { base.isEmpty() ? n : base + QLatin1Char('/') + n, n }) {
        auto it = m->files.constFind(QFileInfo(candidate).filePath());
        if (it != m->files.constEnd()) {
            *text = QString::fromUtf8(*it);
            return true;
        }
    }
    // The same file name anywhere in the module.
    QString fileName = QFileInfo(n).fileName();
    for (auto it = m->files.constBegin(); it != m->files.constEnd(); ++it) {
        if (QFileInfo(it.key()).fileName() == fileName) {
            *text = QString::fromUtf8(*it);
            return true;
        }
    }
    return false;
}

void ensureParsed(HINSTANCE m)
{
    if (m->parsed)
        return;
    m->parsed = true;
    for (auto it = m->files.constBegin(); it != m->files.constEnd(); ++it) {
        if (!it.key().endsWith(QLatin1String(".rc"), Qt::CaseInsensitive))
            continue;
        QString base = QFileInfo(it.key()).path();
        if (base == QLatin1String("."))
            base.clear();
        RcTokenizer tokenizer([m, base](const QString& name, QString* text) { return readFile(m, base, name, text); },
                              &m->script.defines);
        std::vector<RcToken> tokens = tokenizer.run(it.key(), QString::fromUtf8(*it));
        RcParser parser(m->script);
        parser.parse(tokens);
        for (const QString& e : tokenizer.errors() + parser.errors())
            m->errors << m->name + QLatin1String(": ") + e;
        // Pictures and custom files are named relative to the script.
        for (QString& path : m->script.pictures)
            path = base.isEmpty() ? path : base + QLatin1Char('/') + path;
        for (auto f = m->script.customFiles.constBegin(); f != m->script.customFiles.constEnd(); ++f) {
            QString path = base.isEmpty() ? *f : base + QLatin1Char('/') + *f;
            if (!m->files.contains(path))
                m->errors << m->name + QLatin1String(": ") + it.key() + QLatin1String(": missing file ") + *f;
            m->script.custom[f.key()].data = m->files.value(path);
        }
        m->script.customFiles.clear();
    }
}

QString keyOf(LPCTSTR name)
{
    if (IS_INTRESOURCE(name))
        return QString::number((UINT)(UINT_PTR)name);
    QString s = QString::fromUtf8(name);
    bool ok = false;
    if (s.startsWith(QLatin1Char('#')))
        s = s.mid(1);
    uint v = s.toUInt(&ok);
    return ok ? QString::number(v) : s.toUpper();
}

// Calls fn on the preferred module and then on every module in load order,
// until it answers true.
template <class Fn> HINSTANCE search(HINSTANCE preferred, Fn fn)
{
    QMutexLocker guard(&lock());
    if (preferred) {
        ensureParsed(preferred);
        if (fn(preferred))
            return preferred;
    }
    for (auto& m : modules()) {
        if (m.get() == preferred)
            continue;
        ensureParsed(m.get());
        if (fn(m.get()))
            return m.get();
    }
    return nullptr;
}

} // namespace

namespace {

// The entry of a resource map of the first module that has the key.
template <class T>
const T* findIn(QMap<QString, T> RcScript::*map, LPCTSTR lpszName, HINSTANCE hPreferred, HINSTANCE* where = nullptr)
{
    QString key = keyOf(lpszName);
    const T* found = nullptr;
    HINSTANCE module = search(hPreferred, [&](HINSTANCE m) {
        auto it = (m->script.*map).constFind(key);
        found = it == (m->script.*map).constEnd() ? nullptr : &*it;
        return found != nullptr;
    });
    if (where)
        *where = module;
    return found;
}

} // namespace

void AfxRegisterResources(const char* moduleName, const void* tag, const AfxEmbeddedFile* files, int count)
{
    QMutexLocker guard(&lock());
    auto m = std::make_unique<HINSTANCE__>();
    m->name = QString::fromUtf8(moduleName);
    m->tag = tag;
    for (int i = 0; i < count; ++i)
        m->files.insert(QString::fromUtf8(files[i].path),
                        QByteArray::fromRawData(reinterpret_cast<const char*>(files[i].data), (int)files[i].size));
    modules().push_back(std::move(m));
}

void AfxUnregisterResources(const void* tag)
{
    QMutexLocker guard(&lock());
    auto& list = modules();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if ((*it)->tag == tag) {
            if (g_resourceHandle == it->get())
                g_resourceHandle = nullptr;
            list.erase(it);
            return;
        }
    }
}

HINSTANCE AfxModuleOfTag(const void* tag)
{
    if (!tag)
        return g_resourceHandle;
    QMutexLocker guard(&lock());
    for (auto& m : modules()) {
        if (m->tag == tag)
            return m.get();
    }
    return g_resourceHandle;
}

QString AfxModuleName(HINSTANCE hModule) { return hModule ? hModule->name : QString(); }

HINSTANCE AfxGetResourceHandle()
{
    QMutexLocker guard(&lock());
    return g_resourceHandle ? g_resourceHandle : (modules().empty() ? nullptr : modules().front().get());
}

void AfxSetResourceHandle(HINSTANCE hInstResource) { g_resourceHandle = hInstResource; }

HINSTANCE AfxGetInstanceHandle() { return AfxGetResourceHandle(); }

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    QString key = keyOf(lpszName);
    QString type = QString::fromUtf8(IS_INTRESOURCE(lpszType) ? "" : lpszType).toUpper();
    return search(g_resourceHandle, [&](HINSTANCE m) {
        const RcScript& s = m->script;
        if (type == QLatin1String("DIALOG"))
            return s.dialogs.contains(key);
        if (type == QLatin1String("STRING"))
            return s.strings.contains(key.toUInt());
        if (type == QLatin1String("MENU"))
            return s.menus.contains(key);
        if (type == QLatin1String("TOOLBAR"))
            return s.toolbars.contains(key);
        if (type == QLatin1String("BITMAP") || type == QLatin1String("ICON") || type == QLatin1String("PNG"))
            return s.pictures.contains(key);
        return s.custom.contains(type + QLatin1Char('/') + key);
    });
}

const AfxDlgTemplate* AfxFindDialogTemplate(LPCTSTR lpszName, HINSTANCE hPreferred, HINSTANCE* phFound)
{
    return findIn(&RcScript::dialogs, lpszName, hPreferred, phFound);
}

BOOL AfxLoadString(UINT nID, CString& rString, HINSTANCE hPreferred)
{
    UINT id = (UINT)(WORD)nID;
    bool ok = search(hPreferred, [&](HINSTANCE m) {
        auto it = m->script.strings.constFind(id);
        if (it == m->script.strings.constEnd())
            return false;
        rString = *it;
        return true;
    }) != nullptr;
    if (!ok)
        rString = CString();
    return ok;
}

QPixmap AfxLoadPicture(LPCTSTR lpszName, HINSTANCE hPreferred)
{
    QString key = keyOf(lpszName);
    QPixmap result;
    search(hPreferred, [&](HINSTANCE m) {
        auto it = m->script.pictures.constFind(key);
        if (it == m->script.pictures.constEnd())
            return false;
        auto cached = m->pictureCache.constFind(key);
        if (cached == m->pictureCache.constEnd()) {
            QPixmap p;
            p.loadFromData(m->files.value(*it));
            cached = m->pictureCache.insert(key, p);
        }
        result = *cached;
        return !result.isNull();
    });
    return result;
}

const AfxMenuTemplate* AfxFindMenuTemplate(LPCTSTR lpszName, HINSTANCE hPreferred)
{
    return findIn(&RcScript::menus, lpszName, hPreferred);
}

const AfxToolbarTemplate* AfxFindToolbarTemplate(LPCTSTR lpszName, HINSTANCE hPreferred)
{
    return findIn(&RcScript::toolbars, lpszName, hPreferred);
}

const AfxCustomResource* AfxFindCustomResource(LPCTSTR lpszType, LPCTSTR lpszName, HINSTANCE hPreferred)
{
    QString key = QString::fromUtf8(lpszType).toUpper() + QLatin1Char('/') + keyOf(lpszName);
    const AfxCustomResource* found = nullptr;
    search(hPreferred, [&](HINSTANCE m) {
        auto it = m->script.custom.constFind(key);
        if (it == m->script.custom.constEnd())
            return false;
        found = &*it;
        return true;
    });
    return found;
}

bool AfxLookupResourceSymbol(HINSTANCE hModule, const QString& name, long* value)
{
    if (!hModule)
        return false;
    QMutexLocker guard(&lock());
    ensureParsed(hModule);
    auto it = hModule->script.defines.constFind(name);
    if (it == hModule->script.defines.constEnd() || it->empty() || it->front().type != RcToken::Number)
        return false;
    *value = it->front().value;
    return true;
}

QStringList AfxResourceErrors()
{
    QMutexLocker guard(&lock());
    QStringList all;
    for (auto& m : modules()) {
        ensureParsed(m.get());
        all << m->errors;
    }
    return all;
}
