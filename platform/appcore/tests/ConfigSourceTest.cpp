// Faults of the configuration sources are stopped by the packer, naming the
// file and what is wrong, before any program runs with them.
#include "CConfigSourceReader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>
#include <map>

namespace {

// A small valid configuration; each case replaces one file of it.
std::map<QString, QByteArray> ValidSources()
{
    return {
        {"config.json", R"j({"hash_key": "K1", "author": "А", "version": "1",
            "modules": [], "commands": "commands.json", "scripts": ["g.lua"],
            "workplaces": ["w.json"], "books": "books.json", "documents": "documents.json",
            "forms": "forms.json"})j"},
        {"commands.json", R"j([{"id": 20001, "name": "Run", "run": "Go()"},
            {"id": 20002, "name": "About", "window": 57664}])j"},
        {"w.json", R"j({"id": "W", "caption": "Место", "period_mode": 0,
            "toolbars": [["Run", "", "About"]],
            "menu": [{"caption": "Файл", "items": [{"caption": "Пуск", "command": "Run"},
                {"separator": true}, {"caption": "Ещё", "items": [{"caption": "О", "command": "About"}]}]}]})j"},
        {"g.lua", "function Go() return 1 end\n"},
        {"books.json", R"j([{"id": 3, "table": "spr_ekr", "name": "ЭКР"}])j"},
        {"documents.json", "[]"},
        {"forms.json", R"j([{"name": "GetSint", "title": "Счета", "script": "f.lua"}])j"},
        {"f.lua", "function prn(id) return id end\n"},
    };
}

std::string Pack(const std::map<QString, QByteArray>& files, CConfigContents* out = nullptr)
{
    QTemporaryDir dir;
    for (const auto& [name, text] : files) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
    try {
        CConfigSourceReader reader;
        CConfigContents contents = reader.Read(dir.path().toStdString());
        if (out)
            *out = contents;
    } catch (const ConfigSourceError& e) {
        return e.what();
    }
    return std::string();
}

} // namespace

TEST(ConfigSource, ValidSourcesGiveNumberedMenusAndContexts)
{
    CConfigContents c;
    ASSERT_EQ(Pack(ValidSources(), &c), "");
    const CArmRecord& arm = c.m_arms.at(0);
    ASSERT_EQ(arm.m_topMenu.size(), 1u);
    EXPECT_EQ(arm.m_topMenu[0].m_strName, CString("1"));
    const auto& list = *arm.GetMenuList(1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].m_nId, 20001);
    EXPECT_EQ(list[1].m_strName, CString("System.MenuSeparator"));
    EXPECT_EQ(list[2].m_strName, CString("2")); // the submenu's list number
    EXPECT_EQ(arm.GetMenuList(2)->at(0).m_nId, 20002);
    ASSERT_EQ(arm.GetToolbar(0).size(), 3u);
    EXPECT_EQ(arm.GetToolbar(0)[1].m_strName, CString(""));
    ASSERT_EQ(c.m_scripts.size(), 2u);
    EXPECT_EQ(c.m_scripts[0].m_strContext, CString(""));
    EXPECT_EQ(c.m_scripts[1].m_strContext, CString("Form.GetSint"));
    EXPECT_EQ(c.m_sprs.at(0).m_strPicker, CString("spr_ekr")); // the table by default
}

TEST(ConfigSource, ReportEntriesLoadIntoTheContextsOfTheirViewAndAreNoForms)
{
    auto files = ValidSources();
    files["forms.json"] = R"j([{"name": "GetSint", "title": "Счета", "script": "f.lua"},
        {"name": "hlam0", "kind": "report", "script": "r0.lua"},
        {"name": "hlam0", "kind": "report", "report": 1, "script": "r1.lua"}])j";
    files["r0.lua"] = "function prn(d, l, f) return 'page 0' end\n";
    files["r1.lua"] = "function prn(d, l, f) return 'page 1' end\n";
    CConfigContents c;
    ASSERT_EQ(Pack(files, &c), "");
    QStringList contexts;
    for (const CScriptRecord& script : c.m_scripts)
        contexts << script.m_strContext.ToQString() + "=" + script.m_strName.ToQString();
    EXPECT_EQ(contexts.join(" "), QString("=g.lua Form.GetSint=f.lua Form.hlam0=r0.lua Form.hlam0:1=r1.lua"));
    ASSERT_EQ(c.m_forms.size(), 1u) << "a report is never opened as a form";
    EXPECT_EQ(c.m_forms[0].m_strName, CString("GetSint"));
}

TEST(ConfigSource, FaultsAreRefusedWithTheFileAndTheReason)
{
    struct Case { const char* file; QByteArray text; const char* message; };
    const Case cases[] = {
        {"w.json", R"j({"id": "W", "caption": "М", "period_mode": 0, "menu": [{"caption": "Ф",
            "items": [{"caption": "Нет", "command": "NoSuch"}]}]})j", "неизвестная команда \"NoSuch\""},
        {"w.json", R"j({"id": "W", "caption": "М", "period_mode": 0, "menu": [], "colour": 1})j",
         "неизвестный ключ \"colour\""},
        {"w.json", R"j({"id": "W", "caption": "М", "period_mode": 2, "menu": []})j", "period_mode"},
        {"w.json", R"j({"id": "W", "caption": "М", "period_mode": 0, "menu": [],)j", "w.json:1: ошибка JSON"},
        {"g.lua", "function Go( return 1 end\n", "g.lua: синтаксическая ошибка"},
        {"commands.json", R"j([{"id": 20001, "name": "Run", "run": "Go()"}, {"id": 20001, "name": "X", "run": "X()"}])j",
         "уже есть"},
        {"commands.json", R"j([{"id": 20001, "name": "Run"}])j", "\"window\" или \"run\""},
        {"books.json", R"j([{"id": 200, "table": "t", "name": "Т"}])j", "от 0 до 199"},
        {"forms.json", R"j([{"name": "A", "title": "A"}, {"name": "A", "title": "B"}])j", "уже описана"},
        {"forms.json", R"j([{"name": "A", "kind": "report", "report": 1, "script": "f.lua"},
            {"name": "A", "kind": "report", "report": 1, "script": "f.lua"}])j", "отчет \"Form.A:1\" уже описан"},
        {"forms.json", R"j([{"name": "A", "kind": "report"}])j", "нет обязательного ключа \"script\""},
        {"forms.json", R"j([{"name": "A", "kind": "report", "script": "f.lua", "width": 800}])j",
         "неизвестный ключ \"width\""},
        {"forms.json", R"j([{"name": "A", "kind": "report", "report": -1, "script": "f.lua"}])j", "меньше 0"},
        {"forms.json", R"j([{"name": "A", "title": "A", "kind": "list"}])j", "неизвестный вид формы"},
        {"config.json", R"j({"author": "А"})j", "нет обязательного ключа \"hash_key\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        auto files = ValidSources();
        files[c.file] = c.text;
        std::string error = Pack(files);
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
        EXPECT_NE(error.find(c.file), std::string::npos) << error;
    }
}

TEST(ConfigSource, MoreThanFiftyNineSubmenusAreRefused)
{
    QByteArray items;
    for (int i = 0; i < 59; ++i)
        items += QByteArray(i ? "," : "") + R"j({"caption": "П", "items": []})j";
    auto files = ValidSources();
    files["w.json"] = R"j({"id": "W", "caption": "М", "period_mode": 0, "menu": [{"caption": "Ф", "items": [)j"
                      + items + "]}]}";
    EXPECT_NE(Pack(files).find("больше 59 подменю"), std::string::npos);
}

TEST(ConfigSource, ExternalReportFilesAreCopiedBesideTheProgram)
{
    const QDir sources(QString::fromUtf8(std::getenv("VORNAL_ROOT")) + "/config/_sys/_ExtReports");
    const QDir copies(QString::fromUtf8(std::getenv("VORNAL_BIN")) + "/_sys/_ExtReports");
    for (const QString& name : sources.entryList({"*.extr"}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        QFile source(sources.filePath(name));
        QFile copy(copies.filePath(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << "not beside the program";
        EXPECT_EQ(source.readAll(), copy.readAll());
    }
}
