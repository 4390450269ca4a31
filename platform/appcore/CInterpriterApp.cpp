// The application's interpreter: start-up, the hash key, module loading,
// configuration commands and shutdown.
#include "CDataArchive.h"
#include "CInterpriter.h"
#include "CModuleLoader.h"
#include "ConfigGlobals.h"
#include "ModuleCalls.h"
#include "CThreadInterpriter.h"
#include "ScriptHooks.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

namespace {

std::unique_ptr<CInterpriter>& MainInterpriter()
{
    static std::unique_ptr<CInterpriter> main;
    return main;
}

// The thread that started the application's interpreter: the only one that uses it.
std::atomic<std::thread::id>& MainThread()
{
    static std::atomic<std::thread::id> thread;
    return thread;
}

} // namespace

bool CInterpriter::Evaluate(const char* call, const char* context, CString& answer)
{
    std::string text;
    bool ok = Evaluate(call, context, text);
    answer = CString(text.data(), int(text.size()));
    return ok;
}

bool CInterpriter::LoadConfiguration(const CDataArchive& archive)
{
    for (int i = 0; i < archive.GetArmCount(); ++i)
        AddContext(("Arm." + archive.GetArm(i)->m_strId.ToStdString()).c_str());
    for (const CFormRecord& form : archive.GetForms())
        AddContext(("Form." + form.m_strName.ToStdString()).c_str());
    // The global scripts first: the others may use what they define at load time.
    for (bool global : {true, false}) {
        for (const CScriptRecord& script : archive.GetScripts()) {
            if (script.m_strContext.IsEmpty() != global)
                continue;
            if (!LoadScript(script.m_strContext, script.m_strName, script.m_strText.ToStdString()))
                return false;
        }
    }
    return true;
}

CInterpriter* CInterpriter::GetMain()
{
    return MainInterpriter().get();
}

CInterpriter* CInterpriter::GetCurrent()
{
    if (CInterpriter* own = CThreadInterpriter::OfThisThread())
        return own;
    return MainThread().load() == std::this_thread::get_id() ? MainInterpriter().get() : nullptr;
}

int CInterpriter::mcc_dll_Global_init0()
{
    MainInterpriter() = std::make_unique<CInterpriter>();
    MainThread() = std::this_thread::get_id();
    return 1;
}

int CInterpriter::mcc_dll_Global_init_HashKey(CString& key)
{
    key = GetDataArchive()->GetHashKey();
    return key.IsEmpty() ? 0 : 1;
}

int CInterpriter::CopyHashKey(char* key, size_t size)
{
    std::string hash = GetDataArchive()->GetHashKey().ToStdString();
    if (size == 0)
        return 0;
    key[0] = '\0';
    if (hash.empty() || hash.size() >= size) {
        if (!hash.empty())
            appcore::ScriptReportError("Ключ конфигурации длиннее " + std::to_string(size - 1) + " байт.");
        return 0;
    }
    std::memcpy(key, hash.c_str(), hash.size() + 1);
    return 1;
}

int CInterpriter::mcc_dll_Global_init()
{
    if (!MainInterpriter())
        mcc_dll_Global_init0();
    const CDataArchive* archive = GetDataArchive();
    if (!archive->IsLoaded()) {
        appcore::ScriptReportError("Конфигурация не загружена: сценарии и модули не могут быть запущены.");
        return 0;
    }
    if (!MainInterpriter()->LoadConfiguration(*archive))
        return 0;
    return CModuleLoader::LoadAll(archive->GetModules());
}

void CInterpriter::mcc_dll_Global_uninit()
{
    CModuleLoader::Forget();
    MainInterpriter().reset();
}

int CInterpriter::mcc_dll_execute_Command(const char* name)
{
    CInterpriter* main = GetCurrent();
    const CCommandRecord* command = GetDataArchive()->FindCommand(name ? name : "");
    if (!command) {
        appcore::ScriptReportError(std::string("Команда «") + (name ? name : "") + "» не описана в конфигурации.");
        return 0;
    }
    if (!main) {
        appcore::ScriptReportError(std::string("Команда «") + name + "» не выполнена: интерпретатор не запущен.");
        return 0;
    }
    if (command->m_strRun.IsEmpty()) {
        appcore::ScriptReportError(std::string("Команда «") + name + "» не выполнена: у неё нет сценария.");
        return 0;
    }
    std::string answer;
    if (!main->Evaluate(command->m_strRun, appcore::CurrentArmContext().c_str(), answer)) {
        appcore::DropQueuedModuleCalls();
        return 0;
    }
    // The module calls the command asked for, now that its script has returned.
    appcore::RunQueuedModuleCalls();
    return 1;
}
