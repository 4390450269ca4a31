// Whole reads and writes on a file descriptor, shared by CFile and the Windows
// file handles: they go on after interruptions and short transfers.
#pragma once

#include <cstddef>

// Reads up to `size` bytes, fewer only at the end of the file; `done` tells how
// many. Answers 0 or the errno of the failure.
int AfxReadFully(int fd, void* buffer, size_t size, size_t& done);
// Writes all `size` bytes; answers 0 or the errno of the failure (ENOSPC when
// the system takes nothing more).
int AfxWriteFully(int fd, const void* buffer, size_t size, size_t& done);
