#include "CFile.h"

#include "AfxFileIo.h"
#include "AfxPaths.h"
#include "CFileException.h"

#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

int openFlags(UINT flags)
{
    int f = O_CLOEXEC;
    switch (flags & 3) {
    case CFile::modeWrite: f |= O_WRONLY; break;
    case CFile::modeReadWrite: f |= O_RDWR; break;
    default: f |= O_RDONLY; break;
    }
    if (flags & CFile::modeCreate)
        f |= O_CREAT | ((flags & CFile::modeNoTruncate) ? 0 : O_TRUNC);
    return f;
}

} // namespace

CFile::CFile(LPCTSTR fileName, UINT flags)
{
    CFileException error;
    if (!Open(fileName, flags, &error))
        throw new CFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    Abort();
}

BOOL CFile::Open(LPCTSTR fileName, UINT flags, CFileException* error)
{
    Abort();
    m_path = fileName;
    const QByteArray native = AfxNativePath(fileName).toUtf8();
    m_fd = native.isEmpty() ? -1 : ::open(native.constData(), openFlags(flags), 0666);
    if (m_fd >= 0)
        return TRUE;
    const int e = native.isEmpty() ? ENOENT : errno;
    if (error) {
        error->m_cause = CFileException::ErrnoToException(e);
        error->m_lOsError = e;
        error->m_strFileName = fileName;
    }
    return FALSE;
}

void CFile::fail(int error) const
{
    CFileException::ThrowErrno(error, m_path);
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (m_fd < 0)
        fail(EBADF);
    size_t done = 0;
    if (const int error = AfxReadFully(m_fd, buffer, count, done))
        fail(error);
    return UINT(done);
}

void CFile::Write(const void* buffer, UINT count)
{
    if (m_fd < 0)
        fail(EBADF);
    size_t done = 0;
    if (const int error = AfxWriteFully(m_fd, buffer, count, done))
        fail(error);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    const int whence = from == end ? SEEK_END : from == current ? SEEK_CUR : SEEK_SET;
    const off_t at = ::lseek(m_fd, off_t(offset), whence);
    if (at < 0)
        AfxThrowFileException(m_fd < 0 ? CFileException::invalidFile : CFileException::badSeek, errno, m_path);
    return ULONGLONG(at);
}

ULONGLONG CFile::GetLength() const
{
    struct stat st{};
    if (::fstat(m_fd, &st) != 0)
        fail(errno);
    return ULONGLONG(st.st_size);
}

void CFile::SetLength(ULONGLONG length)
{
    if (::ftruncate(m_fd, off_t(length)) != 0)
        fail(errno);
}

ULONGLONG CFile::GetPosition() const
{
    const off_t at = ::lseek(m_fd, 0, SEEK_CUR);
    if (at < 0)
        fail(errno);
    return ULONGLONG(at);
}

void CFile::Flush()
{
    if (m_fd < 0)
        fail(EBADF);
}

void CFile::Close()
{
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        fail(errno);
}

void CFile::Abort()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

CString CFile::GetFileName() const
{
    return CString(QFileInfo(AfxNativePath(m_path)).fileName());
}

CString CFile::GetFileTitle() const
{
    return CString(QFileInfo(AfxNativePath(m_path)).completeBaseName());
}

void CFile::Rename(LPCTSTR oldName, LPCTSTR newName)
{
    if (std::rename(AfxNativePath(oldName).toUtf8().constData(), AfxNativePath(newName).toUtf8().constData()) != 0)
        CFileException::ThrowErrno(errno, oldName);
}

void CFile::Remove(LPCTSTR fileName)
{
    if (::unlink(AfxNativePath(fileName).toUtf8().constData()) != 0)
        CFileException::ThrowErrno(errno, fileName);
}
