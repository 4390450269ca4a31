// The profile store: the registry calls keep Windows' return codes and case
// rules, a branch copies as a tree, the file stays readable, and writers in
// two processes at once lose nothing.
#include "afx.h"

#include "core/RegistryTree.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QString profileFile(const char* name)
{
    return QString::fromUtf8(qgetenv("VORNAL_PROFILE_DIR")) + QLatin1Char('/') + QLatin1String(name);
}

void setText(HKEY key, const char* name, const CString& text)
{
    ASSERT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()),
                            DWORD(std::strlen(text) + 1)),
              ERROR_SUCCESS);
}

CString getText(HKEY key, const char* name)
{
    char buffer[256] = "";
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS
        || type != REG_SZ)
        return "<нет>";
    return buffer;
}

TEST(Registry, KeysValuesAndReturnCodes)
{
    HKEY settings = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "SoftWare\\Codes\\Settings", 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &settings, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
    setText(settings, "welcome", "Список баз \"основная\"\nc:\\base");
    const DWORD five = 5;
    ASSERT_EQ(RegSetValueEx(settings, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&five), 4), ERROR_SUCCESS);

    HKEY same = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "software\\CODES\\settings", 0, KEY_READ, &same), ERROR_SUCCESS)
        << "names are found ignoring case";
    EXPECT_STREQ(getText(same, "WELCOME"), "Список баз \"основная\"\nc:\\base");

    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(same, "welcome", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, std::strlen("Список баз \"основная\"\nc:\\base") + 1);
    char small[4];
    DWORD smallSize = sizeof small;
    EXPECT_EQ(RegQueryValueEx(same, "welcome", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &smallSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(smallSize, size);
    DWORD count = 0, countSize = 4, type = 0;
    EXPECT_EQ(RegQueryValueEx(same, "count", nullptr, &type, reinterpret_cast<BYTE*>(&count), &countSize),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(count, 5u);

    char name[64];
    DWORD nameSize = sizeof name;
    EXPECT_EQ(RegEnumValue(same, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, "Count");
    nameSize = sizeof name;
    EXPECT_EQ(RegEnumValue(same, 2, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegDeleteValue(same, "count"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(same, "count"), ERROR_FILE_NOT_FOUND);

    HKEY missing = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Codes\\Нет", 0, KEY_READ, &missing), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Software\\Codes"), ERROR_ACCESS_DENIED) << "it has subkeys";
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, "Software\\Codes\\Settings"), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(same, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&five), 4), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(same), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(settings), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(settings), ERROR_INVALID_HANDLE);
}

TEST(Registry, CopiesABranchAsATreeAndKeepsTheFileReadable)
{
    // The shell's one-time move of an old profile branch under its new name.
    HKEY old = nullptr;
    ASSERT_EQ(RegCreateKey(HKEY_CURRENT_USER, "SoftWare\\Vornal", &old), ERROR_SUCCESS);
    HKEY section = nullptr;
    ASSERT_EQ(RegCreateKey(old, "Vornal\\constants", &section), ERROR_SUCCESS);
    setText(section, "kontr", "ООО \"Ромашка\"");
    RegCloseKey(section);
    ASSERT_EQ(RegCreateKey(old, "Vornal\\Settings\\Пустой", &section), ERROR_SUCCESS);
    RegCloseKey(section);

    HKEY software = nullptr, branch = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "SoftWare", 0, KEY_ALL_ACCESS, &software), ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKey(software, "Kestrom5F3A", &branch), ERROR_SUCCESS);
    EXPECT_EQ(RegCopyTree(old, nullptr, branch), ERROR_SUCCESS);
    RegCloseKey(old);
    EXPECT_EQ(RegDeleteTree(software, "Vornal"), ERROR_SUCCESS);
    RegCloseKey(software);
    RegCloseKey(branch);

    HKEY probe = nullptr;
    EXPECT_EQ(RegOpenKey(HKEY_CURRENT_USER, "Software\\Vornal", &probe), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKey(HKEY_CURRENT_USER, "Software\\Kestrom5F3A\\Vornal\\Settings\\Пустой", &probe), ERROR_SUCCESS);
    RegCloseKey(probe);
    CProfileStore profile("Kestrom5F3A", "Vornal");
    EXPECT_STREQ(profile.GetString("constants", "kontr"), "ООО \"Ромашка\"");

    QFile file(profileFile("HKEY_CURRENT_USER.reg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[SoftWare\\Kestrom5F3A\\Vornal\\constants]\n\"kontr\"=\"ООО \\\"Ромашка\\\"\"\n"))
        << text.constData();
    const std::unique_ptr<RegNode> parsed = RegTreeFromText(text);
    EXPECT_EQ(RegTreeToText(*parsed), text) << "the text form reads back as written";
}

TEST(CProfileStore, EntriesUnderTheBranch)
{
    CProfileStore profile("KestromAB", "Vornal");
    EXPECT_STREQ(profile.GetBranch(), "Software\\KestromAB\\Vornal");
    EXPECT_STREQ(profile.GetString("Settings", "welcome", "по умолчанию"), "по умолчанию");
    EXPECT_EQ(profile.GetInt("constants", "select_fil", 1), 1u);
    EXPECT_TRUE(profile.WriteInt("constants", "select_fil", -2));
    EXPECT_TRUE(profile.WriteString("constants", "kontr", "Иванов"));
    EXPECT_EQ(int(profile.GetInt("constants", "select_fil", 1)), -2);
    EXPECT_STREQ(profile.GetString("constants", "select_fil", "текст"), "текст") << "an integer is not a text";
    EXPECT_EQ(profile.GetInt("constants", "kontr", 7), 7u) << "a text is not an integer";
    EXPECT_TRUE(profile.WriteString("constants", "kontr", nullptr));
    EXPECT_STREQ(profile.GetString("constants", "kontr"), "");
    EXPECT_TRUE(profile.WriteString("constants", nullptr, nullptr));
    EXPECT_EQ(profile.GetInt("constants", "select_fil", 1), 1u) << "the section is gone";

    CProfileStore own("", "Vornal");
    EXPECT_TRUE(own.WriteInt("Settings", "welcome", 12));
    EXPECT_EQ(own.GetInt("Settings", "welcome", 0), 12u);
    EXPECT_STREQ(own.GetString("Settings", "welcome"), "12") << "the application's own file keeps texts";
    EXPECT_TRUE(QFile::exists(profileFile("Vornal.ini")));
    EXPECT_STREQ(profile.GetString("Settings", "welcome"), "");

    // Remembered logins and database passwords live in these files.
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther;
    for (const char* name : { "HKEY_CURRENT_USER.reg", "Vornal.ini" })
        EXPECT_EQ(QFile::permissions(profileFile(name)) & others, QFileDevice::Permissions()) << name;
}

TEST(CProfileStore, TwoProcessesWritingAtOnceLoseNothing)
{
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/afx_profile_writer");
    QProcess first, second;
    first.start(writer, {"together", "a", "60"});
    second.start(writer, {"together", "b", "60"});
    CProfileStore profile("KestromTest", "Vornal");
    for (int n = 0; n < 60; ++n)
        ASSERT_TRUE(profile.WriteInt("together", FormatText("c%d", n), n));
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    ASSERT_EQ(first.exitCode(), 0);
    ASSERT_EQ(second.exitCode(), 0);
    int lost = 0;
    for (const char* prefix : {"a", "b", "c"})
        for (int n = 0; n < 60; ++n)
            lost += int(profile.GetInt("together", FormatText("%s%d", prefix, n), -1)) != n;
    EXPECT_EQ(lost, 0);
}

} // namespace
