// The configuration archive: the build's archive of config/ as the shell reads
// it, the round trip through the file, and damaged or foreign files refused.
#include "CConfigSourceReader.h"
#include "CDataArchive.h"
#include "CInterpriter.h"
#include "ConfigGlobals.h"
#include "HookRecorder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string BuiltArchive() { return Env("VORNAL_BIN") + "/vornal.cfa"; }

class StringSink : public appcore::ConfigByteSink {
public:
    std::string bytes;
    void Write(const void* data, size_t size) override { bytes.append(static_cast<const char*>(data), size); }
};

std::string Bytes(const CDataArchive& archive)
{
    StringSink sink;
    archive.Write(sink);
    return sink.bytes;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace

TEST(ConfigArchive, BuiltArchiveHoldsTheWorkplacesAsTheShellReadsThem)
{
    HookRecorder hooks;
    CDataArchive& archive = *GetDataArchive();
    ASSERT_TRUE(archive.LoadFile(BuiltArchive().c_str())) << BuiltArchive();
    EXPECT_FALSE(archive.GetHashKey().IsEmpty());
    EXPECT_FALSE(archive.GetAuthor().IsEmpty());
    EXPECT_EQ(archive.GetFileVersion(), 4);

    struct Expected { const char* id; const char* caption; int periodMode; const char* periodCommand; };
    const Expected workplaces[] = {
        {"ЛЕДМАРК", "Бухгалтерия", 1, "App.PeriodKind"},
        {"ПАЙМАР", "Заработная плата", 0, "App.PeriodMonth"},
        {"ПЕРСО", "Отдел кадров", 0, "App.PeriodMonth"},
        {"ВЕНЗОЛ", "Тарификация", 0, "App.PeriodMonth"},
        {"СТОВАН", "Склад", 0, "App.PeriodMonth"},
    };
    ASSERT_EQ(archive.GetArmCount(), 5);
    for (int i = 0; i < 5; ++i) {
        const CArmRecord& arm = *archive.GetArm(i);
        SCOPED_TRACE(workplaces[i].id);
        EXPECT_EQ(arm.m_strId, CString(workplaces[i].id));
        EXPECT_EQ(arm.m_strCaption, CString(workplaces[i].caption));
        EXPECT_EQ(arm.m_nPeriodMode, workplaces[i].periodMode);
        EXPECT_EQ(archive.FindArm(workplaces[i].id), i);
        // Every top-level item names a menu list; every command item carries
        // the id of its command, and that id leads back to the name.
        ASSERT_FALSE(arm.m_topMenu.empty());
        for (const CMunuItem& top : arm.m_topMenu) {
            const auto* list = arm.GetMenuList(short(atoi(top.m_strName)));
            ASSERT_NE(list, nullptr) << top.m_strCaption.GetString();
            for (const CMunuItem& item : *list) {
                if (item.m_strName == CString("System.MenuSeparator"))
                    continue;
                if (item.m_nId < 0) {  // a submenu names a menu list of its own
                    EXPECT_NE(arm.GetMenuList(short(atoi(item.m_strName))), nullptr) << item.m_strCaption.GetString();
                    continue;
                }
                CString name;
                ASSERT_TRUE(archive.GetCommandName(UINT(item.m_nId), name)) << item.m_strName.GetString();
                EXPECT_EQ(name, item.m_strName);
            }
        }
        const CMunuItem& period = (*arm.GetMenuList(1))[0];
        EXPECT_EQ(period.m_strName, CString(workplaces[i].periodCommand));
        ASSERT_EQ(arm.GetToolbarCount(), 1);
        EXPECT_TRUE(arm.GetToolbar(1).empty()); // one toolbar: the second list is empty
    }
    EXPECT_EQ(archive.GetWindowCommand(UINT(archive.FindCommand("App.About")->m_nId)), 57664);
    EXPECT_EQ(archive.GetCommandToolTip("App.Calculator"), CString("Калькулятор"));
    EXPECT_EQ(archive.GetWindowCommand(32834), 0); // not a configuration command id
    EXPECT_TRUE(hooks.errors.empty());
}

TEST(ConfigArchive, ReferenceBookRegistry)
{
    ASSERT_TRUE(GetDataArchive()->LoadFile(BuiltArchive().c_str()));
    UINT materials = I_GetSprId("spr_stovan_mat");
    ASSERT_LT(materials, 200u);
    EXPECT_EQ(I_GetSprTableName(int(materials)), CString("spr_stovan_mat"));
    EXPECT_EQ(I_GetSprSU_Id(int(materials)), CString("spr_stovan_mat"));
    EXPECT_EQ(I_GetSprFieldId(int(materials)), CString("id"));
    EXPECT_EQ(I_GetSprFieldName(int(materials)), CString("name"));
    // Both spellings the modules use find the same book.
    EXPECT_EQ(I_GetSprIdFromCaption("материалы"), int(materials));
    EXPECT_EQ(I_GetSprIdFromCaption("Материалы"), int(materials));
    EXPECT_EQ(I_GetSprIdFromCaption("Осн.средства"), int(I_GetSprId("spr_osn_sr")));
    EXPECT_EQ(I_GetSprName(int(I_GetSprId("spr_ekr"))), CString("ЭКР"));
    EXPECT_EQ(I_GetSprTableName(int(I_GetSprId("tn"))), CString("tn"));
    // Unknown books: no table ("no analytic"), a number outside 0-199, no caption.
    EXPECT_EQ(I_GetSprTableName(199), CString());
    EXPECT_EQ(I_GetSprId("no_such_table"), appcore::kNoSprId);
    EXPECT_EQ(I_GetSprIdFromCaption("нет такого"), -1);
}

TEST(ConfigArchive, RoundTripOfTheSourcesThroughTheFile)
{
    CConfigSourceReader reader;
    CDataArchive packed;
    packed.SetContents(reader.Read(Env("VORNAL_ROOT") + "/config"));
    QTemporaryDir dir;
    std::string path = dir.filePath("round.cfa").toStdString();
    packed.SaveFile(path.c_str());

    CDataArchive loaded;
    ASSERT_TRUE(loaded.LoadFile(path.c_str()));
    EXPECT_EQ(Bytes(loaded), Bytes(packed));
    // The build packed the same sources: its archive is current.
    EXPECT_EQ(FileBytes(BuiltArchive()), Bytes(packed));
    ASSERT_EQ(loaded.GetScripts().size(), packed.GetScripts().size());
    EXPECT_EQ(loaded.GetScripts()[0].m_strText, packed.GetScripts()[0].m_strText);
}

TEST(ConfigArchive, DamagedOrForeignFilesAreRefusedAsAWhole)
{
    const std::string good = FileBytes(BuiltArchive());
    ASSERT_GT(good.size(), 100u);
    std::string flipped = good;
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x20);
    std::string otherVersion = good;
    otherVersion[4] = 5;
    std::string hugeText = good;
    hugeText[9] = char(0x7F); // the length of the hash key becomes absurd
    struct Case { const char* name; std::string bytes; const char* reason; };
    const Case cases[] = {
        {"empty", "", "не является архивом конфигурации"},
        {"foreign", "<html>not an archive</html>", "не является архивом конфигурации"},
        {"other version", otherVersion, "версии формата 5"},
        {"cut in the middle", good.substr(0, good.size() / 2), "обрывается"},
        {"checksum missing", good.substr(0, good.size() - 4), "обрывается"},
        {"one byte changed", flipped, "контрольная сумма"},
        {"absurd length", hugeText, "неверная длина"},
        {"data after the end", good + "x", "лишние данные"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.filePath("bad.cfa").toStdString();
        WriteFileBytes(path, c.bytes);
        HookRecorder hooks;
        CDataArchive archive;
        ASSERT_TRUE(archive.LoadFile(BuiltArchive().c_str()));
        EXPECT_FALSE(archive.LoadFile(path.c_str()));
        EXPECT_FALSE(archive.IsLoaded());
        EXPECT_EQ(archive.GetArmCount(), 0);
        ASSERT_EQ(hooks.errors.size(), 1u);
        EXPECT_NE(hooks.errors[0].find("Архив конфигурации"), std::string::npos) << hooks.errors[0];
        EXPECT_NE(hooks.errors[0].find(c.reason), std::string::npos) << hooks.errors[0];
    }
    HookRecorder hooks;
    CDataArchive archive;
    EXPECT_FALSE(archive.LoadFile(dir.filePath("missing.cfa").toUtf8().constData()));
    ASSERT_EQ(hooks.errors.size(), 1u);
    EXPECT_NE(hooks.errors[0].find("Файл конфигурации не найден"), std::string::npos);
}

// Start-up opens the file itself and serialises the archive from a loading
// CArchive; a damaged file must not throw there, and leaves no hash key, so
// start-up stops at its next step (SetProfileBranch).
TEST(ConfigArchive, SerializeFromTheShellsOwnArchive)
{
    const std::string good = FileBytes(BuiltArchive());
    QTemporaryDir dir;
    const std::string damaged = dir.filePath("damaged.cfa").toStdString();
    WriteFileBytes(damaged, good.substr(0, good.size() - 10));
    for (const std::string& path : {BuiltArchive(), damaged}) {
        SCOPED_TRACE(path);
        HookRecorder hooks;
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
        CArchive ar(&file, CArchive::load, 4096);
        GetDataArchive()->Serialize(ar);
        ar.Close();
        file.Close();
        bool good = path == BuiltArchive();
        EXPECT_EQ(bool(GetDataArchive()->IsLoaded()), good);
        EXPECT_EQ(GetDataArchive()->GetArmCount(), good ? 5 : 0);
        EXPECT_EQ(hooks.errors.size(), good ? 0u : 1u);
        CString key;
        EXPECT_EQ(CInterpriter::mcc_dll_Global_init_HashKey(key), good ? 1 : 0);
    }
}
