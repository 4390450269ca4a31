// The profile key copy, the file writer of pages and bank files, and scaled pictures.
#include "gridbase.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

HKEY CreateKey(HKEY parent, const char* path)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(parent, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    return key;
}

void SetText(HKEY key, const char* name, const char* text)
{
    EXPECT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(strlen(text) + 1)),
              ERROR_SUCCESS);
}

CString ReadText(HKEY parent, const char* path, const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    const LONG read = RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS ? CString(buffer) : CString("<no value>");
}

TEST(GridEnvironment, RegCopyKeyCopiesTheWholeTreeUnderTheNewName)
{
    HKEY old = CreateKey(HKEY_CURRENT_USER, "Software\\OldBranch");
    SetText(old, "server", "127.0.0.1:33306");
    HKEY settings = CreateKey(old, "vornal\\Settings");
    SetText(settings, "PlayWavFiles", "1");
    RegCloseKey(settings);
    HKEY software = CreateKey(HKEY_CURRENT_USER, "Software");

    EXPECT_EQ(RegCopyKey(old, software, "NewBranch"), ERROR_SUCCESS);
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, "Software\\NewBranch", "server"), CString("127.0.0.1:33306"));
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, "Software\\NewBranch\\vornal\\Settings", "PlayWavFiles"), CString("1"));
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, "Software\\OldBranch", "server"), CString("127.0.0.1:33306"));
    RegCloseKey(old);
    RegCloseKey(software);
}

TEST(GridEnvironment, FailedRegCopyKeyLeavesNoEmptyKeyBehindSoTheCopyCanBeTriedAgain)
{
    HKEY software = CreateKey(HKEY_CURRENT_USER, "Software");
    HKEY gone = CreateKey(HKEY_CURRENT_USER, "Software\\Gone");
    EXPECT_EQ(RegDeleteTree(software, "Gone"), ERROR_SUCCESS);

    EXPECT_NE(RegCopyKey(gone, software, "Copy"), ERROR_SUCCESS);
    HKEY copy = nullptr;
    EXPECT_NE(RegOpenKeyEx(software, "Copy", 0, KEY_READ, &copy), ERROR_SUCCESS);
    RegCloseKey(gone);
    RegCloseKey(software);
}

QByteArray WriteAndRead(const CString& text, int codePage, int* result)
{
    QTemporaryDir dir;
    const CString path = CString(dir.path()) + "/page.htm";
    HANDLE file = CreateFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_TEMPORARY, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    *result = WriteToFile(file, "<p>", path, codePage);
    *result = *result && WriteToFile(file, text, path, codePage);
    CloseHandle(file);
    QFile written(path.ToQString());
    EXPECT_TRUE(written.open(QIODevice::ReadOnly));
    return written.readAll();
}

TEST(GridEnvironment, WriteToFileAppendsUtf8PagesAndCp1251BankFiles)
{
    int result = 0;
    EXPECT_EQ(WriteAndRead("Сумма 12.50", 0, &result), QByteArray("<p>Сумма 12.50"));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(WriteAndRead("Сумма №1", 1, &result), QByteArray("<p>\xD1\xF3\xEC\xEC\xE0 \xB9" "1"));
    EXPECT_EQ(result, 1);
}

TEST(GridEnvironment, WriteToFileAnswersZeroWhenTheFileIsNotOpen)
{
    EXPECT_EQ(WriteToFile(INVALID_HANDLE_VALUE, "text", "page.htm", 0), 0);
    EXPECT_EQ(WriteToFile(nullptr, "text", "page.htm", 1), 0);
}

} // namespace

namespace {

TEST(GridPictures, ShrinkBitmap0GivesANewScaledCopyAndLeavesTheOriginal)
{
    QPixmap photo(400, 300);
    photo.fill(QColor(200, 30, 40));
    HBITMAP original = AfxBitmapHandle(photo);
    const int a = 400, b = 300;
    HBITMAP shrunk = ShrinkBitmap0(nullptr, original, a, b, 200, b * 200 / a);
    ASSERT_NE(shrunk, nullptr);
    EXPECT_NE(shrunk, original);
    const QImage image = AfxQPixmap(shrunk).toImage();
    EXPECT_EQ(image.size(), QSize(200, 150));
    EXPECT_EQ(image.pixelColor(100, 75), QColor(200, 30, 40));
    EXPECT_EQ(AfxQPixmap(original).size(), QSize(400, 300));
    DeleteObject(shrunk);
    DeleteObject(original);

    EXPECT_EQ(ShrinkBitmap0(nullptr, nullptr, a, b, 200, 150), nullptr);
    HBITMAP tiny = AfxBitmapHandle(photo);
    EXPECT_EQ(ShrinkBitmap0(nullptr, tiny, a, b, 200, 0), nullptr);
    DeleteObject(tiny);
}

} // namespace
