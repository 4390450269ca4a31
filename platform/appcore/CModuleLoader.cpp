#include "CModuleLoader.h"

#include "ConfigGlobals.h"
#include "ConfigRecords.h"
#include "ModuleCalls.h"
#include "ModuleEntry.h"
#include "ScriptHooks.h"

#include <algorithm>
#include <dlfcn.h>
#include <sys/stat.h>

namespace {

std::string& Folder()
{
    static std::string folder;
    return folder;
}

std::vector<std::string>& LoadedNames()
{
    static std::vector<std::string> names;
    return names;
}

// The libraries started so far. The system hands out one handle per library
// file, so a module loaded again, under its name or another, is recognised.
std::vector<void*>& StartedLibraries()
{
    static std::vector<void*> libraries;
    return libraries;
}

bool FileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

} // namespace

void CModuleLoader::SetFolder(const std::string& folder)
{
    Folder() = folder;
    if (!Folder().empty() && Folder().back() != '/')
        Folder() += '/';
}

std::string CModuleLoader::GetFolder()
{
    return Folder().empty() ? appcore::ProgramFolder() : Folder();
}

int CModuleLoader::Load(const CModuleRecord& module)
{
    std::string name = module.m_strName.ToStdString();
    std::string path = GetFolder() + name + ".so";
    if (!FileExists(path)) {
        if (module.m_bOptional) {
            appcore::ScriptLog("Модуль " + name + " не установлен (нет файла " + path + "), он не загружен.");
            return 1;
        }
        appcore::ScriptReportError("Не найден модуль " + name + ": нет файла " + path + ".");
        return 0;
    }
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* error = dlerror();
        appcore::ScriptReportError("Модуль " + name + " не загружен:\n" + (error ? error : ""));
        return 0;
    }
    if (std::find(StartedLibraries().begin(), StartedLibraries().end(), library) != StartedLibraries().end()) {
        // A second Init would run in the same library, over the same statics,
        // and register its forms twice.
        dlclose(library);
        appcore::ScriptReportError("Модуль " + name + " уже загружен: второй раз он не запускается.");
        return 0;
    }
    using Entry = int (*)();
    Entry entry = reinterpret_cast<Entry>(dlsym(library, VORNAL_MODULE_ENTRY_NAME));
    if (!entry) {
        appcore::ScriptReportError("В модуле " + name + " нет точки входа " VORNAL_MODULE_ENTRY_NAME ".");
        return 0;
    }
    if (entry() == 0) {
        appcore::ScriptReportError("Модуль " + name + " не запустился.");
        return 0;
    }
    StartedLibraries().push_back(library);
    LoadedNames().push_back(name);
    appcore::ScriptLog("Модуль " + name + " загружен.");
    return 1;
}

int CModuleLoader::LoadAll(const std::vector<CModuleRecord>& modules)
{
    // A configuration that lists a module twice is refused before any module
    // starts: a module is started once per application.
    std::vector<std::string> listed;
    for (const CModuleRecord& module : modules) {
        const std::string name = module.m_strName.ToStdString();
        if (std::find(listed.begin(), listed.end(), name) != listed.end()) {
            appcore::ScriptReportError("Модуль " + name + " указан в конфигурации дважды: второй раз он не загружается.");
            return 0;
        }
        listed.push_back(name);
    }
    for (const CModuleRecord& module : modules)
        if (!Load(module))
            return 0;
    return 1;
}

std::vector<std::string> CModuleLoader::Loaded()
{
    return LoadedNames();
}

void CModuleLoader::Forget()
{
    LoadedNames().clear();
    StartedLibraries().clear();
    // The calls went with the modules' start.
    appcore::ClearModuleCalls();
}
