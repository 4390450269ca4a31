#include "CDataArchive.h"

#include "CConfigReader.h"
#include "CConfigWriter.h"
#include "ScriptHooks.h"

#include <cstring>
#include <stdexcept>

namespace {

const char kMagic[4] = {'V', 'C', 'F', 'A'};

template <class T, class Match>
const T* FindIn(const std::vector<T>& list, Match match)
{
    for (const T& item : list)
        if (match(item))
            return &item;
    return nullptr;
}

void WriteContents(appcore::CConfigWriter& w, const CConfigContents& c)
{
    w.Text(c.m_strHashKey);
    w.Text(c.m_strAuthor);
    w.Text(c.m_strVersion);
    appcore::WriteRecords(w, c.m_modules);
    appcore::WriteRecords(w, c.m_commands);
    appcore::WriteRecords(w, c.m_arms);
    appcore::WriteRecords(w, c.m_sprs);
    appcore::WriteRecords(w, c.m_docKinds);
    appcore::WriteRecords(w, c.m_forms);
    appcore::WriteRecords(w, c.m_scripts);
}

void ReadContents(appcore::CConfigReader& r, CConfigContents& c)
{
    c.m_strHashKey = r.CText();
    c.m_strAuthor = r.CText();
    c.m_strVersion = r.CText();
    appcore::ReadRecords(r, c.m_modules);
    appcore::ReadRecords(r, c.m_commands);
    appcore::ReadRecords(r, c.m_arms);
    appcore::ReadRecords(r, c.m_sprs);
    appcore::ReadRecords(r, c.m_docKinds);
    appcore::ReadRecords(r, c.m_forms);
    appcore::ReadRecords(r, c.m_scripts);
}

} // namespace

void CDataArchive::Write(appcore::ConfigByteSink& sink) const
{
    appcore::CConfigWriter w(sink);
    w.Bytes(kMagic, sizeof kMagic);
    w.Word(kFileVersion);
    WriteContents(w, m_contents);
    w.Checksum();
}

void CDataArchive::Read(appcore::ConfigByteSource& source)
{
    appcore::CConfigReader r(source);
    char magic[sizeof kMagic] = {};
    try {
        r.Bytes(magic, sizeof magic);
    } catch (const appcore::ConfigFormatError&) {
        throw appcore::ConfigFormatError("файл не является архивом конфигурации");
    }
    if (std::memcmp(magic, kMagic, sizeof kMagic) != 0)
        throw appcore::ConfigFormatError("файл не является архивом конфигурации");
    WORD version = r.Word();
    if (version != kFileVersion)
        throw appcore::ConfigFormatError("архив записан в версии формата " + std::to_string(version)
                                         + ", а программа читает версию " + std::to_string(kFileVersion)
                                         + "; соберите конфигурацию заново");
    CConfigContents contents;
    ReadContents(r, contents);
    r.Checksum();
    const std::unique_lock replacing(m_guard);
    m_contents = std::move(contents);
    m_bLoaded = TRUE;
}

void CDataArchive::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        appcore::ConfigArchiveSink sink(ar);
        Write(sink);
    } else {
        LoadFrom(ar, ar.GetFile() ? ar.GetFile()->GetFilePath() : CString());
    }
}

BOOL CDataArchive::LoadFrom(CArchive& ar, const CString& path)
{
    DeleteArchives();
    try {
        appcore::ConfigArchiveSource source(ar);
        Read(source);
    } catch (const appcore::ConfigFormatError& e) {
        appcore::ScriptReportError("Архив конфигурации " + path.ToStdString() + " не прочитан: " + e.what() + ".");
        return FALSE;
    }
    return TRUE;
}

BOOL CDataArchive::LoadFile(const char* path)
{
    DeleteArchives();
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        char reason[256] = "";
        error.GetErrorMessage(reason, sizeof reason);
        appcore::ScriptReportError(std::string("Файл конфигурации не найден: ") + path + " (" + reason + ")");
        return FALSE;
    }
    CArchive ar(&file, CArchive::load, 4096);
    BOOL loaded = LoadFrom(ar, CString(path));
    ar.Abort();
    file.Abort();
    return loaded;
}

void CDataArchive::SaveFile(const char* path) const
{
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, &error)) {
        char text[256] = "";
        error.GetErrorMessage(text, sizeof text);
        throw std::runtime_error(std::string("не удалось создать ") + path + ": " + text);
    }
    try {
        CArchive ar(&file, CArchive::store, 4096);
        appcore::ConfigArchiveSink sink(ar);
        Write(sink);
        ar.Close();
        file.Close();
    } catch (CException* e) {
        char text[256] = "";
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        throw std::runtime_error(std::string("не удалось записать ") + path + ": " + text);
    }
}

void CDataArchive::DeleteArchives()
{
    const std::unique_lock replacing(m_guard);
    m_contents = CConfigContents();
    m_bLoaded = FALSE;
}

void CDataArchive::SetContents(CConfigContents contents)
{
    const std::unique_lock replacing(m_guard);
    m_contents = std::move(contents);
    m_bLoaded = TRUE;
}

const CArmRecord* CDataArchive::GetArm(int index) const
{
    return index >= 0 && index < GetArmCount() ? &m_contents.m_arms[size_t(index)] : nullptr;
}

int CDataArchive::FindArm(const char* id) const
{
    for (int i = 0; i < GetArmCount(); ++i)
        if (m_contents.m_arms[size_t(i)].m_strId == CString(id))
            return i;
    return -1;
}

const CCommandRecord* CDataArchive::FindCommand(UINT id) const
{
    return FindIn(m_contents.m_commands, [&](const CCommandRecord& c) { return UINT(c.m_nId) == id; });
}

const CCommandRecord* CDataArchive::FindCommand(const char* name) const
{
    return FindIn(m_contents.m_commands, [&](const CCommandRecord& c) { return c.m_strName.Compare(name) == 0; });
}

BOOL CDataArchive::GetCommandName(UINT id, CString& name) const
{
    const CCommandRecord* command = FindCommand(id);
    if (!command)
        return FALSE;
    name = command->m_strName;
    return TRUE;
}

int CDataArchive::GetWindowCommand(UINT id) const
{
    const CCommandRecord* command = FindCommand(id);
    return command ? command->m_nWindowId : 0;
}

CString CDataArchive::GetCommandToolTip(const char* name) const
{
    const CCommandRecord* command = FindCommand(name);
    return command ? command->m_strToolTip : CString();
}

const CSprRecord* CDataArchive::FindSpr(int id) const
{
    return FindIn(m_contents.m_sprs, [&](const CSprRecord& spr) { return spr.m_nId == id; });
}

const CSprRecord* CDataArchive::FindSprByTable(const char* table) const
{
    return FindIn(m_contents.m_sprs, [&](const CSprRecord& spr) {
        return !spr.m_strTable.IsEmpty() && spr.m_strTable.CompareNoCase(table) == 0;
    });
}

const CSprRecord* CDataArchive::FindSprByCaption(const char* caption) const
{
    return FindIn(m_contents.m_sprs, [&](const CSprRecord& spr) {
        return !spr.m_strCaption.IsEmpty() && spr.m_strCaption.CompareNoCase(caption) == 0;
    });
}

const CDocKindRecord* CDataArchive::FindDocKind(int id) const
{
    return FindIn(m_contents.m_docKinds, [&](const CDocKindRecord& kind) { return kind.m_nId == id; });
}

const CFormRecord* CDataArchive::FindForm(const char* name) const
{
    return FindIn(m_contents.m_forms, [&](const CFormRecord& form) { return form.m_strName.Compare(name) == 0; });
}
