// Two modules that define the same class name, the same resource ids and the
// same document name, loaded side by side as the core loads modules: each
// creates, reads and finds its own, whichever of them loaded first, an object
// one of them wrote is read back by the other as its own class, and a module
// is started once.
#include "CModuleLoader.h"
#include "ConfigRecords.h"
#include "DocumentOpener.h"
#include "HookRecorder.h"
#include "afx.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <dlfcn.h>
#include <string>

namespace {

// The application the modules add their templates to.
CWinApp twinsApp("twins");

struct Twin {
    const char* name;
    const char* letter;
    void* library;

    template <class F>
    F Entry(const char* symbol) const
    {
        return reinterpret_cast<F>(dlsym(library, symbol));
    }
    int Ask(const char* symbol) const
    {
        auto entry = Entry<int (*)()>(symbol);
        return entry ? entry() : -1;
    }
};

class TwinModules : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        HookRecorder hooks;
        CModuleLoader::SetFolder(std::getenv("VORNAL_BIN"));
        std::vector<CModuleRecord> modules(2);
        modules[0].m_strName = "appcore_twin_a";
        modules[1].m_strName = "appcore_twin_b";
        loaded = CModuleLoader::LoadAll(modules);
        for (Twin& twin : twins) {
            const std::string path = CModuleLoader::GetFolder() + twin.name + ".so";
            twin.library = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
        }
    }

    static int loaded;
    static Twin twins[2];
};

int TwinModules::loaded = 0;
Twin TwinModules::twins[2] = {{"appcore_twin_a", "A", nullptr}, {"appcore_twin_b", "B", nullptr}};

TEST_F(TwinModules, EachCreatesReadsAndFindsItsOwn)
{
    ASSERT_EQ(loaded, 1);
    int named = 0;
    POSITION pos = twinsApp.GetFirstDocTemplatePosition();
    while (pos) {
        CString name;
        twinsApp.GetNextDocTemplate(pos)->GetDocString(name, CDocTemplate::docName);
        named += name == "twin";
    }
    EXPECT_EQ(named, 2) << "each module registered its own template";
    for (const Twin& twin : twins) {
        SCOPED_TRACE(twin.name);
        ASSERT_NE(twin.library, nullptr);
        EXPECT_STREQ(twin.Entry<const char* (*)()>("TwinLetter")(), twin.letter);
        EXPECT_EQ(twin.Ask("TwinCreatesItsOwnClass"), 1);
        EXPECT_EQ(twin.Ask("TwinReadsItsOwnString"), 1);
        EXPECT_EQ(twin.Ask("TwinFindsItsOwnTemplate"), 1);
    }
    // Looked up from elsewhere, the name finds the first module's template.
    CDocTemplate* found = appcore::FindDocTemplate("twin");
    ASSERT_NE(found, nullptr);
    EXPECT_NE(std::string(found->m_pViewClass->ModulePath()).find("appcore_twin_a"), std::string::npos);
}

TEST_F(TwinModules, AnObjectOneWroteIsReadByTheOtherAsItsOwnClass)
{
    ASSERT_EQ(loaded, 1);
    QTemporaryDir dir;
    for (int writer = 0; writer < 2; ++writer) {
        const Twin& from = twins[writer];
        const std::string path = dir.filePath(from.name).toStdString();
        ASSERT_EQ(from.Entry<int (*)(const char*)>("TwinWriteItem")(path.c_str()), 1);
        for (const Twin& reader : twins) {
            SCOPED_TRACE(std::string(from.name) + " read by " + reader.name);
            EXPECT_EQ(reader.Entry<int (*)(const char*, const char*)>("TwinReadItem")(path.c_str(), from.letter), 1);
        }
    }
}

TEST_F(TwinModules, AModuleIsStartedOnce)
{
    ASSERT_EQ(loaded, 1);
    HookRecorder hooks;
    CModuleRecord again;
    again.m_strName = "appcore_twin_b";
    EXPECT_EQ(CModuleLoader::Load(again), 0);
    ASSERT_EQ(hooks.errors.size(), 1u);
    EXPECT_NE(hooks.errors[0].find("appcore_twin_b уже загружен"), std::string::npos) << hooks.errors[0];
    int templates = 0;
    POSITION pos = twinsApp.GetFirstDocTemplatePosition();
    while (pos) {
        twinsApp.GetNextDocTemplate(pos);
        ++templates;
    }
    EXPECT_EQ(templates, 2) << "the refused start registered nothing";
    const std::vector<std::string> names = CModuleLoader::Loaded();
    EXPECT_EQ(std::count(names.begin(), names.end(), std::string("appcore_twin_b")), 1);
}

} // namespace
