// The application profile: sections of named entries (texts and integers), as
// CWinApp's GetProfileString/WriteProfileString/GetProfileInt/WriteProfileInt
// read and write them.
//
// With a registry key (SetRegistryKey) the sections are the subkeys of
// HKEY_CURRENT_USER "Software\<registry key>\<application>", integers are DWORD
// values and texts string values; an entry of the other type reads as the
// default. Without one, the profile is the application's own file
// "<application>.ini" in the profile folder, where every entry is text and
// integers are read from it.
#pragma once

#include "CString.h"

struct RegValue;

class CProfileStore {
public:
    CProfileStore(LPCTSTR registryKey, LPCTSTR applicationName);

    void SetRegistryKey(LPCTSTR registryKey) { m_registryKey = registryKey; }
    void SetApplicationName(LPCTSTR applicationName) { m_application = applicationName; }
    const CString& GetRegistryKey() const { return m_registryKey; }
    // "Software\<registry key>\<application>"; empty without a registry key.
    CString GetBranch() const;

    UINT GetInt(LPCTSTR section, LPCTSTR entry, int defaultValue) const;
    BOOL WriteInt(LPCTSTR section, LPCTSTR entry, int value);
    CString GetString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr) const;
    // A null `value` deletes the entry; a null `entry` deletes the whole section.
    BOOL WriteString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);

private:
    struct Place;
    Place place(LPCTSTR section) const;
    BOOL write(LPCTSTR section, LPCTSTR entry, const RegValue* value);

    CString m_registryKey;
    CString m_application;
};
