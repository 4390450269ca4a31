#include "Win32Files.h"

#include "AfxFileIo.h"
#include "AfxHandleTable.h"
#include "AfxPaths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileHandle {
    int fd;
};

AfxHandleTable<FileHandle>& table()
{
    static auto* t = new AfxHandleTable<FileHandle>;
    return *t;
}

// The descriptor of an open handle, or -1 with ERROR_INVALID_HANDLE.
int descriptor(HANDLE file)
{
    int fd = -1;
    if (!table().use(file, [&](FileHandle& h) { fd = h.fd; }))
        SetLastError(ERROR_INVALID_HANDLE);
    return fd;
}

int openFlags(DWORD access, DWORD disposition)
{
    int f = O_CLOEXEC;
    const bool read = access & GENERIC_READ;
    const bool write = access & GENERIC_WRITE;
    f |= read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
    switch (disposition) {
    case CREATE_NEW: return f | O_CREAT | O_EXCL;
    case CREATE_ALWAYS: return f | O_CREAT | O_TRUNC;
    case OPEN_ALWAYS: return f | O_CREAT;
    case TRUNCATE_EXISTING: return f | O_TRUNC;
    default: return f;
    }
}

} // namespace

HANDLE CreateFile(LPCTSTR fileName, DWORD access, DWORD, void*, DWORD disposition, DWORD attributes, HANDLE)
{
    if (!fileName || disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const int mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    const int fd = ::open(AfxNativePath(fileName).toUtf8().constData(), openFlags(access, disposition), mode);
    if (fd < 0) {
        SetLastError(errno == EEXIST ? ERROR_FILE_EXISTS : AfxErrnoToWin32(errno));
        return INVALID_HANDLE_VALUE;
    }
    SetLastError(ERROR_SUCCESS);
    return table().add(new FileHandle{fd});
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD bytes, LPDWORD bytesRead, void*)
{
    if (bytesRead)
        *bytesRead = 0;
    const int fd = descriptor(file);
    if (fd < 0)
        return FALSE;
    size_t done = 0;
    const int error = AfxReadFully(fd, buffer, bytes, done);
    if (bytesRead)
        *bytesRead = DWORD(done);
    return error ? (SetLastError(AfxErrnoToWin32(error)), FALSE) : TRUE;
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytes, LPDWORD bytesWritten, void*)
{
    if (bytesWritten)
        *bytesWritten = 0;
    const int fd = descriptor(file);
    if (fd < 0)
        return FALSE;
    size_t done = 0;
    const int error = AfxWriteFully(fd, buffer, bytes, done);
    if (bytesWritten)
        *bytesWritten = DWORD(done);
    return error ? (SetLastError(AfxErrnoToWin32(error)), FALSE) : TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method)
{
    const int fd = descriptor(file);
    if (fd < 0)
        return INVALID_SET_FILE_POINTER;
    const long long offset = distanceHigh ? (static_cast<long long>(*distanceHigh) << 32) | DWORD(distance) : distance;
    const int whence = method == FILE_END ? SEEK_END : method == FILE_CURRENT ? SEEK_CUR : SEEK_SET;
    const off_t at = ::lseek(fd, off_t(offset), whence);
    if (at < 0) {
        AfxFailWithErrno();
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh)
        *distanceHigh = LONG(at >> 32);
    SetLastError(ERROR_SUCCESS);
    return DWORD(at);
}

DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh)
{
    const int fd = descriptor(file);
    struct stat st{};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        if (fd >= 0)
            AfxFailWithErrno();
        return INVALID_FILE_SIZE;
    }
    if (sizeHigh)
        *sizeHigh = DWORD(static_cast<unsigned long long>(st.st_size) >> 32);
    return DWORD(st.st_size);
}

BOOL FlushFileBuffers(HANDLE file)
{
    const int fd = descriptor(file);
    if (fd < 0)
        return FALSE;
    return ::fsync(fd) == 0 ? TRUE : AfxFailWithErrno();
}

BOOL CloseHandle(HANDLE object)
{
    FileHandle* handle = table().remove(object);
    if (!handle) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const int r = ::close(handle->fd);
    delete handle;
    return r == 0 || errno == EINTR ? TRUE : AfxFailWithErrno();
}
