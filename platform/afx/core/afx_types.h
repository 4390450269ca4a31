// The Windows basic types and macros the modules are written in.
//
// Widths follow Windows, not the Linux data model: DWORD and LONG are 32 bits
// (a Linux `long` is 64), the pointer-sized types follow the pointer. Text is
// UTF-8 `char` throughout, so TCHAR is char and _T("...") is the literal itself.
// Window handles and GDI types belong to the windows half (afx_gui.h).
#pragma once

#include <cstddef>
#include <cstdint>

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef int INT;
typedef unsigned int UINT;
typedef short SHORT;
typedef unsigned short USHORT;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef std::int64_t LONGLONG;
typedef std::uint64_t ULONGLONG;
typedef float FLOAT;
typedef double DOUBLE;
// Shared with the ADO subset: whichever header comes first defines them.
#ifndef VORNAL_COM_BASE_TYPES
#define VORNAL_COM_BASE_TYPES
typedef std::int32_t HRESULT;  // negative on failure
typedef double DATE;            // days since 30.12.1899, the time of day as the fraction
typedef short VARIANT_BOOL;
typedef unsigned short VARTYPE;
#endif

typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef char TCHAR;
typedef char CHAR;
typedef const char* LPCTSTR;
typedef char* LPTSTR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef const char* PCXSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef LONG* PLONG;
typedef void* HANDLE;

typedef DWORD COLORREF;

// 100-nanosecond intervals since 1.1.1601 (file times).
struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
typedef FILETIME* PFILETIME;
typedef FILETIME* LPFILETIME;

#define _T(x) x
#define TEXT(x) x

#define MAKEWORD(lo, hi) ((WORD)(((BYTE)((lo) & 0xff)) | ((WORD)((BYTE)((hi) & 0xff))) << 8))
#define MAKELONG(lo, hi) ((LONG)(((WORD)((lo) & 0xffff)) | ((DWORD)((WORD)((hi) & 0xffff))) << 16))
#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define LOBYTE(w) ((BYTE)(((DWORD_PTR)(w)) & 0xff))
#define HIBYTE(w) ((BYTE)((((DWORD_PTR)(w)) >> 8) & 0xff))
#define MAKEWPARAM(lo, hi) ((WPARAM)(DWORD)MAKELONG(lo, hi))
#define MAKELPARAM(lo, hi) ((LPARAM)(DWORD)MAKELONG(lo, hi))
#define MAKELRESULT(lo, hi) ((LRESULT)(DWORD)MAKELONG(lo, hi))

#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) (LOBYTE(rgb))
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))

#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif
#define UNREFERENCED_PARAMETER(p) ((void)(p))

// A place in a list or a map during iteration; opaque to the caller.
struct AfxPositionTag;
typedef AfxPositionTag* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Diagnostics of the debug build. ASSERT and VERIFY stop the program on a broken
// invariant as they did; VERIFY evaluates its argument in every build.
#include <cassert>
#define ASSERT(f) assert(f)
#define VERIFY(f) ((f) ? (void)0 : assert(false && #f))
#define ASSERT_VALID(p) assert((p) != nullptr)
#define TRACE(...) ((void)0)

// Marks a class or function that another deliverable calls (deliverables build
// with hidden visibility).
#define AFX_EXT_CLASS __attribute__((visibility("default")))
#define AFX_EXT_API __attribute__((visibility("default")))
