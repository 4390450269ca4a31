// The Windows file-handle calls: CreateFile, ReadFile, WriteFile, SetFilePointer,
// GetFileSize, FlushFileBuffers, CloseHandle. Names may be written the Windows
// way (AfxNativePath). Writes go straight to the system, so another reader (the
// report window) sees everything written so far. Sharing modes and attributes
// are accepted and not enforced. Failures answer FALSE / INVALID_HANDLE_VALUE
// with GetLastError set.
#pragma once

#include "Win32Errors.h"
#include "afx_types.h"

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define INVALID_FILE_SIZE ((DWORD)0xFFFFFFFF)
#define INVALID_SET_FILE_POINTER ((DWORD)-1)

#define GENERIC_READ 0x80000000
#define GENERIC_WRITE 0x40000000
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define FILE_SHARE_DELETE 0x00000004
#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define TRUNCATE_EXISTING 5
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_ATTRIBUTE_TEMPORARY 0x00000100
#define FILE_BEGIN 0
#define FILE_CURRENT 1
#define FILE_END 2

HANDLE CreateFile(LPCTSTR fileName, DWORD access, DWORD shareMode, void* security, DWORD disposition,
                  DWORD attributes, HANDLE templateFile);
BOOL ReadFile(HANDLE file, void* buffer, DWORD bytes, LPDWORD bytesRead, void* overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytes, LPDWORD bytesWritten, void* overlapped);
DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method);
DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh);
BOOL FlushFileBuffers(HANDLE file);
BOOL CloseHandle(HANDLE object);

#define CreateFileA CreateFile
