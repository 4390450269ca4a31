#include "AfxShell.h"

#include "AfxPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The file `name` stands for, or empty when there is none.
QString locate(const QString& name, const QString& directory)
{
    QStringList candidates{name};
    for (const char* ending : {".exe", ".bat", ".com"})
        if (name.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            candidates << name.left(name.size() - 4);
    for (const QString& candidate : candidates) {
        const QFileInfo direct(candidate);
        if (direct.isRelative() && !directory.isEmpty()) {
            const QFileInfo inFolder(QDir(directory).filePath(candidate));
            if (inFolder.exists())
                return AfxNativePath(inFolder.absoluteFilePath());
        }
        const QString resolved = AfxNativePath(candidate);
        if (QFileInfo::exists(resolved))
            return QFileInfo(resolved).absoluteFilePath();
        if (!candidate.contains(QLatin1Char('/'))) {
            const QString onPath = QStandardPaths::findExecutable(candidate);
            if (!onPath.isEmpty())
                return onPath;
        }
    }
    return QString();
}

} // namespace

INT_PTR ShellExecute(void*, LPCTSTR verb, LPCTSTR file, LPCTSTR parameters, LPCTSTR directory, int)
{
    if (verb && *verb && QString::fromUtf8(verb).compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return SE_ERR_NOASSOC;
    if (!file || !*file)
        return SE_ERR_FNF;
    QString name = QString::fromUtf8(file);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString folder = directory && *directory ? AfxNativePath(directory) : QString();
    const QString target = locate(name, folder);
    if (target.isEmpty())
        return SE_ERR_FNF;
    const QFileInfo info(target);
    const QString workingFolder = folder.isEmpty() ? info.absolutePath() : folder;
    bool started = false;
    if (info.isFile() && info.isExecutable()) {
        const QStringList arguments = QProcess::splitCommand(QString::fromUtf8(parameters ? parameters : ""));
        started = QProcess::startDetached(target, arguments, workingFolder);
        return started ? 42 : SE_ERR_ACCESSDENIED;
    }
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return SE_ERR_NOASSOC;
    started = QProcess::startDetached(opener, {target}, workingFolder);
    return started ? 42 : SE_ERR_NOASSOC;
}
