// GetLastError of the Windows file functions, and their messages in Russian.
#pragma once

#include "afx_types.h"
#include "afx_winerror.h"

#define ERROR_NOT_SAME_DEVICE 17
#define ERROR_GEN_FAILURE 31

#define FORMAT_MESSAGE_ALLOCATE_BUFFER 0x00000100
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_STRING 0x00000400
#define FORMAT_MESSAGE_FROM_HMODULE 0x00000800
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define FORMAT_MESSAGE_ARGUMENT_ARRAY 0x00002000
#define LANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))

typedef void* HLOCAL;

// The last error of this thread.
DWORD GetLastError();
void SetLastError(DWORD error);
// The Windows error code for a C library error number (errno).
DWORD AfxErrnoToWin32(int error);
// Sets the last error from errno and answers FALSE, for the file functions.
BOOL AfxFailWithErrno();

// The system's message for an error code (FORMAT_MESSAGE_FROM_SYSTEM), in Russian,
// ending in CR LF as Windows' messages do. With FORMAT_MESSAGE_ALLOCATE_BUFFER
// `buffer` is a `char**` that receives a text to free with LocalFree. Answers
// the bytes written without the zero, 0 on failure.
DWORD FormatMessage(DWORD flags, const void* source, DWORD messageId, DWORD languageId, LPTSTR buffer,
                    DWORD size, void* arguments);
HLOCAL LocalFree(HLOCAL memory);

#define FormatMessageA FormatMessage
