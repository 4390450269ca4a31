#include "Win32FileSystem.h"

#include "AfxPaths.h"
#include "CString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QByteArray native(LPCTSTR path)
{
    return AfxNativePath(path).toUtf8();
}

BOOL fail(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

BOOL succeed()
{
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

// Copies `text` to a caller's buffer of `size` bytes; answers the length, or the
// size needed (zero included) when it does not fit.
DWORD giveText(const QByteArray& text, LPTSTR buffer, DWORD size)
{
    if (!buffer || DWORD(text.size()) + 1 > size)
        return DWORD(text.size()) + 1;
    std::memcpy(buffer, text.constData(), size_t(text.size()) + 1);
    return DWORD(text.size());
}

// Temporary files this program made, removed when it ends.
class TempFiles {
public:
    ~TempFiles()
    {
        for (const QByteArray& name : m_names)
            ::unlink(name.constData());
    }
    void add(const QByteArray& name)
    {
        std::lock_guard lock(m_mutex);
        m_names.push_back(name);
    }

private:
    std::mutex m_mutex;
    std::vector<QByteArray> m_names;
};

TempFiles& tempFiles()
{
    static TempFiles files;
    return files;
}

} // namespace

BOOL DeleteFile(LPCTSTR fileName)
{
    const QByteArray path = native(fileName);
    struct stat st{};
    if (::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return fail(ERROR_ACCESS_DENIED);
    return ::unlink(path.constData()) == 0 ? succeed() : AfxFailWithErrno();
}

BOOL CopyFile(LPCTSTR source, LPCTSTR target, BOOL failIfExists)
{
    const QString to = AfxNativePath(target);
    QFile in(AfxNativePath(source));
    if (!in.open(QIODevice::ReadOnly))
        return fail(in.exists() ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND);
    if (failIfExists && QFileInfo::exists(to))
        return fail(ERROR_FILE_EXISTS);
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QFileInfo(to).absoluteDir().exists() ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND);
    char chunk[65536];
    for (qint64 n; (n = in.read(chunk, sizeof chunk)) > 0;)
        if (out.write(chunk, n) != n)
            return fail(ERROR_DISK_FULL);
    return out.commit() ? succeed() : fail(ERROR_DISK_FULL);
}

BOOL MoveFile(LPCTSTR source, LPCTSTR target)
{
    const QByteArray from = native(source);
    const QByteArray to = native(target);
    struct stat st{};
    if (::lstat(to.constData(), &st) == 0)
        return fail(ERROR_ALREADY_EXISTS);
    if (::rename(from.constData(), to.constData()) == 0)
        return succeed();
    if (errno != EXDEV)
        return AfxFailWithErrno();
    // Another file system: copy, then remove the original.
    if (!CopyFile(source, target, TRUE))
        return FALSE;
    return ::unlink(from.constData()) == 0 ? succeed() : AfxFailWithErrno();
}

BOOL CreateDirectory(LPCTSTR path, void*)
{
    return ::mkdir(native(path).constData(), 0777) == 0 ? succeed() : AfxFailWithErrno();
}

BOOL RemoveDirectory(LPCTSTR path)
{
    return ::rmdir(native(path).constData()) == 0 ? succeed() : AfxFailWithErrno();
}

DWORD GetFileAttributes(LPCTSTR path)
{
    const QByteArray p = native(path);
    struct stat st{};
    if (::stat(p.constData(), &st) != 0) {
        AfxFailWithErrno();
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attributes = S_ISDIR(st.st_mode) ? 0x10 /* directory */ : 0;
    if (::access(p.constData(), W_OK) != 0)
        attributes |= 0x01; // read-only
    return attributes ? attributes : 0x80; // normal
}

BOOL PathFileExists(LPCTSTR path)
{
    return path && QFileInfo::exists(AfxNativePath(path)) ? TRUE : FALSE;
}

DWORD GetTempPath(DWORD size, LPTSTR buffer)
{
    return giveText(QDir::tempPath().toUtf8() + '/', buffer, size);
}

UINT GetTempFileName(LPCTSTR folder, LPCTSTR prefix, UINT unique, LPTSTR name)
{
    QString dir = AfxNativePath(folder);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    const QString start = QString::fromUtf8(prefix ? prefix : "").left(3);
    const auto form = [&](UINT n) { return (dir + start + QString::number(n, 16).toUpper() + QStringLiteral(".tmp")).toUtf8(); };
    if (unique) {
        unique &= 0xFFFF;
        const QByteArray path = form(unique);
        if (path.size() >= MAX_PATH)
            return SetLastError(ERROR_FILENAME_EXCED_RANGE), 0;
        giveText(path, name, MAX_PATH);
        return unique;
    }
    const UINT seed = UINT(::getpid()) ^ UINT(reinterpret_cast<uintptr_t>(&seed));
    for (UINT i = 0; i < 0xFFFF; ++i) {
        const UINT n = (seed + i) % 0xFFFF + 1;
        const QByteArray path = form(n);
        if (path.size() >= MAX_PATH)
            return SetLastError(ERROR_FILENAME_EXCED_RANGE), 0;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return AfxFailWithErrno(), 0;
        ::close(fd);
        tempFiles().add(path);
        giveText(path, name, MAX_PATH);
        SetLastError(ERROR_SUCCESS);
        return n;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return 0;
}

DWORD GetCurrentDirectory(DWORD size, LPTSTR buffer)
{
    return giveText(QDir::currentPath().toUtf8(), buffer, size);
}

BOOL SetCurrentDirectory(LPCTSTR path)
{
    return ::chdir(native(path).constData()) == 0 ? succeed() : AfxFailWithErrno();
}

DWORD GetModuleFileName(void*, LPTSTR buffer, DWORD size)
{
    char exe[4096];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    const QString file = n > 0 ? QFileInfo(QString::fromUtf8(exe, n)).fileName() : QStringLiteral("vornal");
    const QByteArray path = (AfxGetProgramFolder().ToQString() + QLatin1Char('/') + file).toUtf8();
    if (!buffer || size == 0)
        return 0;
    if (DWORD(path.size()) + 1 > size) {
        AfxCopyText(buffer, size, CString(QString::fromUtf8(path)));
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(buffer, path.constData(), size_t(path.size()) + 1);
    SetLastError(ERROR_SUCCESS);
    return DWORD(path.size());
}
