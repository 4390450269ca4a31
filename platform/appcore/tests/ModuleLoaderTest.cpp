// The module loader: a module library of the folder is loaded and its Init()
// runs through the exported entry; absent, broken or refusing modules are
// reported, and only an absent optional one lets the start go on.
#include "CModuleLoader.h"
#include "ConfigRecords.h"
#include "HookRecorder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

namespace {

bool Contains(const std::vector<std::string>& lines, const std::string& text)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

} // namespace

TEST(ModuleLoader, LoadsModulesAndReportsEveryProblem)
{
    QTemporaryDir broken;
    QFile garbage(broken.filePath("nBroken.so"));
    garbage.open(QIODevice::WriteOnly);
    garbage.write("not a library");
    garbage.close();

    struct Case {
        const char* folder;
        const char* name;
        bool optional;
        int result;
        const char* logged;   // in the log, or null
        const char* reported; // to the user, or null
    };
    const std::string bin = std::getenv("VORNAL_BIN");
    const std::string brokenFolder = broken.path().toStdString();
    const Case cases[] = {
        {bin.c_str(), "appcore_test_module", false, 1, "test module Init 1", nullptr},
        {bin.c_str(), "appcore_test_module_refuses", false, 0, "test module Init 0", "не запустился"},
        {bin.c_str(), "nNoSuchModule", true, 1, "не установлен", nullptr},
        {bin.c_str(), "nNoSuchModule", false, 0, nullptr, "Не найден модуль nNoSuchModule"},
        {brokenFolder.c_str(), "nBroken", true, 0, nullptr, "Модуль nBroken не загружен"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HookRecorder hooks;
        CModuleLoader::SetFolder(c.folder);
        CModuleRecord module;
        module.m_strName = c.name;
        module.m_bOptional = c.optional;
        EXPECT_EQ(CModuleLoader::Load(module), c.result);
        if (c.logged) {
            EXPECT_TRUE(Contains(hooks.logs, c.logged));
        }
        if (c.reported) {
            EXPECT_TRUE(Contains(hooks.errors, c.reported));
        } else {
            EXPECT_TRUE(hooks.errors.empty());
        }
    }
    CModuleLoader::SetFolder("");
}

TEST(ModuleLoader, StopsAtTheFirstModuleThatFails)
{
    HookRecorder hooks;
    CModuleLoader::SetFolder(std::getenv("VORNAL_BIN"));
    std::vector<CModuleRecord> modules(3);
    modules[0].m_strName = "appcore_test_module_refuses";
    modules[1].m_strName = "appcore_test_module";
    modules[2].m_strName = "nNoSuchModule";
    EXPECT_EQ(CModuleLoader::LoadAll(modules), 0);
    EXPECT_FALSE(Contains(hooks.logs, "test module Init 1"));
    EXPECT_EQ(hooks.errors.size(), 1u);
    CModuleLoader::SetFolder("");
}

TEST(ModuleLoader, AListThatNamesAModuleTwiceIsRefusedBeforeAnyModuleStarts)
{
    HookRecorder hooks;
    CModuleLoader::SetFolder(std::getenv("VORNAL_BIN"));
    std::vector<CModuleRecord> modules(2);
    modules[0].m_strName = "appcore_test_module";
    modules[1].m_strName = "appcore_test_module";
    EXPECT_EQ(CModuleLoader::LoadAll(modules), 0);
    EXPECT_FALSE(Contains(hooks.logs, "test module Init"));
    ASSERT_EQ(hooks.errors.size(), 1u);
    EXPECT_TRUE(Contains(hooks.errors, "указан в конфигурации дважды"));
    CModuleLoader::SetFolder("");
}
