#include "ConfigGlobals.h"

#include "CDataArchive.h"

#include <cstdlib>
#include <unistd.h>

LONG g_lARM = 0;
BOOL g_bAllowSprAdd = FALSE;

CDataArchive* GetDataArchive()
{
    static CDataArchive archive;
    return &archive;
}

CString I_GetArchiveFileName()
{
    if (const char* path = std::getenv("VORNAL_CONFIG_ARCHIVE"); path && *path)
        return CString(path);
    return CString(appcore::ProgramFolder() + "vornal.cfa");
}

CString I_GetArmId()
{
    const CArmRecord* arm = GetDataArchive()->GetArm(g_lARM);
    return arm ? arm->m_strId : CString();
}

namespace appcore {

std::string ProgramFolder()
{
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "./";
    std::string folder(path, size_t(length));
    size_t slash = folder.rfind('/');
    return slash == std::string::npos ? std::string("./") : folder.substr(0, slash + 1);
}

std::string CurrentArmId()
{
    return I_GetArmId().ToStdString();
}

std::string CurrentArmContext()
{
    return "Arm." + CurrentArmId();
}

} // namespace appcore
