#include "AfxFileIo.h"

#include <cerrno>
#include <unistd.h>

int AfxReadFully(int fd, void* buffer, size_t size, size_t& done)
{
    done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, static_cast<char*>(buffer) + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        done += size_t(n);
    }
    return 0;
}

int AfxWriteFully(int fd, const void* buffer, size_t size, size_t& done)
{
    done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, static_cast<const char*>(buffer) + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += size_t(n);
    }
    return 0;
}
