#include "AfxPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <unistd.h>

namespace {

QString env(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? QString::fromUtf8(value) : QString();
}

// Finds each missing component of `path` in its folder ignoring letter case.
QString resolveCase(const QString& path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString done = absolute ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString folder = done.isEmpty() ? QStringLiteral(".") : done;
        QString name = parts[i];
        if (!QFileInfo::exists(QDir(folder).filePath(name))) {
            const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
            const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
                return e.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (match == entries.end()) {
                // Not there in any case: the rest is a name to create, kept as asked.
                const QString rest = parts.mid(i).join(QLatin1Char('/'));
                return done.isEmpty() ? rest : (done.endsWith(QLatin1Char('/')) ? done : done + QLatin1Char('/')) + rest;
            }
            name = *match;
        }
        done = done.isEmpty() ? name : (done.endsWith(QLatin1Char('/')) ? done + name : done + QLatin1Char('/') + name);
    }
    return done;
}

} // namespace

QString AfxNativePath(const QString& windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter()
        && (path.size() == 2 || path[2] == QLatin1Char('/')))
        path = QDir::homePath() + path.mid(2);
    return resolveCase(path);
}

QString AfxNativePath(const char* path)
{
    return AfxNativePath(QString::fromUtf8(path ? path : ""));
}

CString AfxGetProgramFolder()
{
    QString folder = env("VORNAL_PROGRAM_DIR");
    if (folder.isEmpty()) {
        char exe[4096];
        const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
        folder = n > 0 ? QFileInfo(QString::fromUtf8(exe, n)).absolutePath() : QDir::currentPath();
    }
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return CString(folder);
}

QString AfxGetProfileFolder()
{
    QString folder = env("VORNAL_PROFILE_DIR");
    if (folder.isEmpty()) {
        const QString config = env("XDG_CONFIG_HOME");
        folder = (config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : config)
            + QStringLiteral("/vornal");
    }
    QDir().mkpath(folder);
    return folder;
}
