// The Windows registry calls over the profile store: one readable file per root
// key in the profile folder (AfxGetProfileFolder): HKEY_CURRENT_USER.reg and
// HKEY_LOCAL_MACHINE.reg (format in RegistryTree.h).
//
// Every change is written to disk at once and atomically (a temporary file
// renamed over the old one) under a lock file, after re-reading what another
// process may have written meanwhile, so two programs of the same user can
// write the profile at the same time without losing each other's values.
// Reads see the file as it is on disk. Access rights are accepted and not
// checked. Names are found ignoring letter case; text values are UTF-8.
//
// RegDeleteKey deletes only a key without subkeys (as Windows does); use
// RegDeleteTree to remove a whole branch.
#pragma once

#include "afx_types.h"
#include "afx_winerror.h"

typedef struct HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef DWORD REGSAM;

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002)
#define HKEY_USERS ((HKEY)(ULONG_PTR)0x80000003)

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_WOW64_64KEY 0x0100
#define KEY_WOW64_32KEY 0x0200
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_EXECUTE 0x20019
#define KEY_ALL_ACCESS 0xF003F

#define REG_OPTION_NON_VOLATILE 0x0000
#define REG_OPTION_VOLATILE 0x0001
#define REG_CREATED_NEW_KEY 0x0001
#define REG_OPENED_EXISTING_KEY 0x0002

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_QWORD 11

LONG RegOpenKeyEx(HKEY key, LPCTSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegOpenKey(HKEY key, LPCTSTR subKey, PHKEY result);
LONG RegCreateKeyEx(HKEY key, LPCTSTR subKey, DWORD reserved, LPTSTR keyClass, DWORD options,
                    REGSAM access, void* security, PHKEY result, LPDWORD disposition);
LONG RegCreateKey(HKEY key, LPCTSTR subKey, PHKEY result);
LONG RegCloseKey(HKEY key);
LONG RegDeleteKey(HKEY key, LPCTSTR subKey);
// Deletes the subkey with everything below it; without a subkey, empties `key`.
LONG RegDeleteTree(HKEY key, LPCTSTR subKey);
LONG RegDeleteValue(HKEY key, LPCTSTR valueName);
LONG RegQueryValueEx(HKEY key, LPCTSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                     LPDWORD dataBytes);
LONG RegSetValueEx(HKEY key, LPCTSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                   DWORD dataBytes);
LONG RegEnumKeyEx(HKEY key, DWORD index, LPTSTR name, LPDWORD nameChars, LPDWORD reserved,
                  LPTSTR keyClass, LPDWORD classChars, FILETIME* lastWrite);
LONG RegEnumKey(HKEY key, DWORD index, LPTSTR name, DWORD nameChars);
LONG RegEnumValue(HKEY key, DWORD index, LPTSTR name, LPDWORD nameChars, LPDWORD reserved,
                  LPDWORD type, LPBYTE data, LPDWORD dataBytes);
// Copies the values and subkeys of `source`\`subKey` into `target`.
LONG RegCopyTree(HKEY source, LPCTSTR subKey, HKEY target);

#define RegOpenKeyExA RegOpenKeyEx
#define RegCreateKeyExA RegCreateKeyEx
#define RegDeleteKeyA RegDeleteKey
#define RegDeleteValueA RegDeleteValue
#define RegQueryValueExA RegQueryValueEx
#define RegSetValueExA RegSetValueEx
#define RegEnumKeyExA RegEnumKeyEx
#define RegEnumValueA RegEnumValue
#define RegCopyTreeA RegCopyTree
#define RegDeleteTreeA RegDeleteTree
