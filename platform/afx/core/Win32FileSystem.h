// Files and folders by name: delete, copy, move, folders, attributes, the
// temporary folder and files, the current folder and the program's file name.
// Names may be written the Windows way (AfxNativePath). Failures answer FALSE
// (or 0) with GetLastError set.
#pragma once

#include "Win32Errors.h"
#include "afx_types.h"

#ifndef MAX_PATH
#define MAX_PATH 260
#endif
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)

BOOL DeleteFile(LPCTSTR fileName);
// Copies over an existing target unless failIfExists (the copy replaces the
// target in one step: a reader never sees half a file).
BOOL CopyFile(LPCTSTR source, LPCTSTR target, BOOL failIfExists);
// Fails with ERROR_ALREADY_EXISTS when the target exists.
BOOL MoveFile(LPCTSTR source, LPCTSTR target);
BOOL CreateDirectory(LPCTSTR path, void* security);
BOOL RemoveDirectory(LPCTSTR path);
DWORD GetFileAttributes(LPCTSTR path);
BOOL PathFileExists(LPCTSTR path);

// The temporary folder, ending in a separator; answers its length, or the size
// needed (zero included) when the buffer is too small.
DWORD GetTempPath(DWORD size, LPTSTR buffer);
// Creates a new empty file "<prefix, 3 characters><hex>.tmp" in `folder` and
// writes its name (MAX_PATH bytes of room) to `name`; answers the number used,
// 0 on failure. With a non-zero `unique` only forms the name. Files created
// here are removed when the program ends.
UINT GetTempFileName(LPCTSTR folder, LPCTSTR prefix, UINT unique, LPTSTR name);
DWORD GetCurrentDirectory(DWORD size, LPTSTR buffer);
BOOL SetCurrentDirectory(LPCTSTR path);
// The program's file in the program folder (AfxGetProgramFolder); `module` is
// not looked at. Answers the length written, `size` when it was cut.
DWORD GetModuleFileName(void* module, LPTSTR buffer, DWORD size);

#define DeleteFileA DeleteFile
#define CopyFileA CopyFile
#define MoveFileA MoveFile
#define CreateDirectoryA CreateDirectory
#define RemoveDirectoryA RemoveDirectory
#define GetFileAttributesA GetFileAttributes
#define GetTempPathA GetTempPath
#define GetTempFileNameA GetTempFileName
#define GetCurrentDirectoryA GetCurrentDirectory
#define SetCurrentDirectoryA SetCurrentDirectory
#define GetModuleFileNameA GetModuleFileName
