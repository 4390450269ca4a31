// Listing a folder: FindFirstFile("<folder>\*.ext"), FindNextFile, FindClose.
// Patterns use * and ? and match ignoring letter case; "*.*" matches every
// name, with or without an extension, as on Windows. The entries "." and ".."
// are not listed. Names longer than the buffer are cut at a whole character.
#pragma once

#include "Win32FileSystem.h"
#include "Win32Files.h"

struct WIN32_FIND_DATA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    char cFileName[MAX_PATH];
    char cAlternateFileName[14];
};
typedef WIN32_FIND_DATA WIN32_FIND_DATAA;
typedef WIN32_FIND_DATA* LPWIN32_FIND_DATA;

// INVALID_HANDLE_VALUE with ERROR_FILE_NOT_FOUND when nothing matches.
HANDLE FindFirstFile(LPCTSTR pattern, WIN32_FIND_DATA* data);
// FALSE with ERROR_NO_MORE_FILES after the last entry.
BOOL FindNextFile(HANDLE find, WIN32_FIND_DATA* data);
BOOL FindClose(HANDLE find);

#define FindFirstFileA FindFirstFile
#define FindNextFileA FindNextFile
