// A module for the module loader's test: its Init() says so in the log and
// answers TEST_MODULE_RESULT (1 unless the build says otherwise).
#include "ModuleEntry.h"
#include "ScriptHooks.h"

#ifndef TEST_MODULE_RESULT
#define TEST_MODULE_RESULT 1
#endif

namespace {

struct CTestModule {
    static int Init()
    {
        appcore::ScriptLog("test module Init " + std::to_string(TEST_MODULE_RESULT));
        return TEST_MODULE_RESULT;
    }
};

} // namespace

VORNAL_MODULE_ENTRY(CTestModule::Init)
