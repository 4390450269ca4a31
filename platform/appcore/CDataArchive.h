// The configuration archive: what the shell, the interpreter and the modules
// read of the configuration (workplaces with their menus and toolbars,
// commands, reference-book classes, document kinds, forms, scripts, modules,
// the hash key, author and version).
//
// The archive file is written by the build's packer from config/ and read at
// start-up. Its layout: the magic "VCFA", the 16-bit file version, the
// contents, and a CRC-32 of everything before it. A file of another version,
// or a damaged one, is refused as a whole with a message saying why.
#pragma once

#include "ConfigRecords.h"
#include "afx.h"

#include <mutex>
#include <shared_mutex>
#include <vector>

// Everything an archive holds, as plain data (the packer fills it).
struct CConfigContents {
    CString m_strHashKey;
    CString m_strAuthor;
    CString m_strVersion;
    std::vector<CModuleRecord> m_modules;
    std::vector<CCommandRecord> m_commands;
    std::vector<CArmRecord> m_arms;
    std::vector<CSprRecord> m_sprs;
    std::vector<CDocKindRecord> m_docKinds;
    std::vector<CFormRecord> m_forms;
    std::vector<CScriptRecord> m_scripts;
};

class CDataArchive {
public:
    static constexpr WORD kFileVersion = 4;

    // Storing and loading. Read throws appcore::ConfigFormatError (its text
    // says what is wrong) and then leaves the archive as it was.
    void Write(appcore::ConfigByteSink& sink) const;
    void Read(appcore::ConfigByteSource& source);
    // Through an MFC archive, as start-up reads it. Loading a damaged or
    // foreign file reports the reason in Russian, leaves the archive empty
    // (IsLoaded() FALSE, no hash key, so start-up stops at its next step) and
    // throws nothing; file errors while storing arrive as CException*.
    void Serialize(CArchive& ar);
    // Opens and loads the archive file; reports and returns FALSE on failure.
    BOOL LoadFile(const char* path);
    // Writes the archive file; throws std::runtime_error on failure.
    void SaveFile(const char* path) const;

    void DeleteArchives();
    BOOL IsLoaded() const { return m_bLoaded; }
    // The user-interface thread loads and replaces the contents; a worker
    // thread copies them under this lock (a thread's own interpreter), so a
    // program that reloads its configuration while a worker of the last one
    // still starts never hands it half a replaced archive.
    std::shared_lock<std::shared_mutex> LockForReading() const { return std::shared_lock(m_guard); }
    void SetContents(CConfigContents contents);
    const CConfigContents& GetContents() const { return m_contents; }

    CString GetHashKey() const { return m_contents.m_strHashKey; }
    CString GetAuthor() const { return m_contents.m_strAuthor; }
    CString GetVersion() const { return m_contents.m_strVersion; }
    WORD GetFileVersion() const { return kFileVersion; }

    // Workplaces, in configuration order (the index is g_lARM).
    int GetArmCount() const { return int(m_contents.m_arms.size()); }
    const CArmRecord* GetArm(int index) const;
    int FindArm(const char* id) const; // the first workplace with that id; -1 when none

    // Commands: id to name, window commands, tool tips.
    const std::vector<CCommandRecord>& GetCommands() const { return m_contents.m_commands; }
    const CCommandRecord* FindCommand(UINT id) const;
    const CCommandRecord* FindCommand(const char* name) const;
    BOOL GetCommandName(UINT id, CString& name) const;
    int GetWindowCommand(UINT id) const; // the standard command id; 0 when not a window command
    CString GetCommandToolTip(const char* name) const;

    // Reference-book classes.
    const std::vector<CSprRecord>& GetSprs() const { return m_contents.m_sprs; }
    const CSprRecord* FindSpr(int id) const;
    const CSprRecord* FindSprByTable(const char* table) const;
    const CSprRecord* FindSprByCaption(const char* caption) const; // case-insensitive

    const std::vector<CDocKindRecord>& GetDocKinds() const { return m_contents.m_docKinds; }
    const CDocKindRecord* FindDocKind(int id) const;
    const std::vector<CFormRecord>& GetForms() const { return m_contents.m_forms; }
    const CFormRecord* FindForm(const char* name) const;
    const std::vector<CScriptRecord>& GetScripts() const { return m_contents.m_scripts; }
    const std::vector<CModuleRecord>& GetModules() const { return m_contents.m_modules; }

private:
    mutable std::shared_mutex m_guard;
    BOOL LoadFrom(CArchive& ar, const CString& path);

    CConfigContents m_contents;
    BOOL m_bLoaded = FALSE;
};
