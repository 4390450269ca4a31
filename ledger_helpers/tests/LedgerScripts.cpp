#include "LedgerScripts.h"

#include <appcore.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace ledmark_test {

struct LedgerScripts::Saved {
    appcore::ScriptHooks hooks;
    LONG arm = 0;
};

LedgerScripts::LedgerScripts(bool configuration, const char* workplace)
    : m_saved(new Saved)
{
    appcore::ScriptHooks& hooks = appcore::GetScriptHooks();
    m_saved->hooks = hooks;
    m_saved->arm = g_lARM;
    hooks.reportError = [this](const std::string& text) { errors.push_back(text); };
    hooks.log = [](const std::string&) {};
    hooks.messageBox = [this](const std::string& text, const std::string&, unsigned) {
        messages.push_back(text);
        return appcore::kIdOk;
    };
    hooks.evaluating = [this](const std::string& call, const std::string& context) {
        calls.push_back({call, context});
    };
    EXPECT_TRUE(GetDataArchive()->LoadFile((std::string(std::getenv("VORNAL_BIN")) + "/vornal.cfa").c_str()));
    for (int i = 0; i < GetDataArchive()->GetArmCount(); ++i)
        if (GetDataArchive()->GetArm(i)->m_strId == workplace)
            g_lARM = i;
    EXPECT_EQ(I_GetArmId(), CString(workplace));
    EXPECT_EQ(CInterpriter::mcc_dll_Global_init0(), 1);
    if (configuration)
        EXPECT_TRUE(CInterpriter::GetMain()->LoadConfiguration(*GetDataArchive()));
    else
        CInterpriter::GetMain()->AddContext(Workplace().c_str());
    Clear();
}

LedgerScripts::~LedgerScripts()
{
    CInterpriter::mcc_dll_Global_uninit();
    g_lARM = m_saved->arm;
    appcore::GetScriptHooks() = m_saved->hooks;
    delete m_saved;
}

bool LedgerScripts::Define(const std::string& lua)
{
    return CInterpriter::GetMain()->LoadScript(nullptr, "test.lua", lua);
}

std::string LedgerScripts::Workplace() const
{
    return "Arm." + I_GetArmId().ToStdString();
}

void LedgerScripts::Clear()
{
    calls.clear();
    errors.clear();
    messages.clear();
}

} // namespace ledmark_test
