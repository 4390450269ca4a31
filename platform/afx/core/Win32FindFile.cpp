#include "Win32FindFile.h"

#include "AfxHandleTable.h"
#include "AfxPaths.h"
#include "CString.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>

namespace {

struct FindHandle {
    QFileInfoList entries;
    qsizetype next = 0;
};

AfxHandleTable<FindHandle>& table()
{
    static auto* t = new AfxHandleTable<FindHandle>;
    return *t;
}

FILETIME fileTime(const QDateTime& t)
{
    // 100-nanosecond steps since 1.1.1601.
    const unsigned long long ticks = (static_cast<unsigned long long>(t.toMSecsSinceEpoch()) + 11644473600000ULL) * 10000ULL;
    return {DWORD(ticks), DWORD(ticks >> 32)};
}

void fill(const QFileInfo& info, WIN32_FIND_DATA* data)
{
    std::memset(data, 0, sizeof *data);
    data->dwFileAttributes = info.isDir() ? 0x10 : (info.isWritable() ? 0x80 : 0x01);
    data->ftCreationTime = fileTime(info.birthTime().isValid() ? info.birthTime() : info.lastModified());
    data->ftLastAccessTime = fileTime(info.lastRead());
    data->ftLastWriteTime = fileTime(info.lastModified());
    const auto size = static_cast<unsigned long long>(info.size());
    data->nFileSizeHigh = DWORD(size >> 32);
    data->nFileSizeLow = DWORD(size);
    AfxCopyText(data->cFileName, sizeof data->cFileName, CString(info.fileName()));
}

bool matches(const QString& name, const QString& pattern)
{
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
        return true;
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

} // namespace

HANDLE FindFirstFile(LPCTSTR pattern, WIN32_FIND_DATA* data)
{
    if (!pattern || !data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    QString text = QString::fromUtf8(pattern);
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QStringLiteral(".") : AfxNativePath(text.left(slash + 1));
    const QString wildcard = text.mid(slash + 1);
    QDir dir(folder);
    if (!dir.exists()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto* find = new FindHandle;
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        if (matches(info.fileName(), wildcard))
            find->entries.append(info);
    if (find->entries.isEmpty()) {
        delete find;
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    fill(find->entries[find->next++], data);
    SetLastError(ERROR_SUCCESS);
    return table().add(find);
}

BOOL FindNextFile(HANDLE handle, WIN32_FIND_DATA* data)
{
    bool more = false;
    const bool live = data && table().use(handle, [&](FindHandle& find) {
        more = find.next < find.entries.size();
        if (more)
            fill(find.entries[find.next++], data);
    });
    if (!live)
        SetLastError(ERROR_INVALID_HANDLE);
    else if (!more)
        SetLastError(ERROR_NO_MORE_FILES);
    return live && more ? TRUE : FALSE;
}

BOOL FindClose(HANDLE handle)
{
    FindHandle* find = table().remove(handle);
    if (!find) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    delete find;
    return TRUE;
}
