// The Windows file and process calls as the payroll printouts, bank files, report
// lists and the chooser use them: Windows paths reach the right files, code
// pages convert at the file edge, and a missing program fails quietly.
#include "afx.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class Files : public testing::Test {
protected:
    QTemporaryDir dir;
    CString at(const char* windowsName) const { return CString(dir.path()) + "\\" + windowsName; }
    static QByteArray contents(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<нет файла>");
    }
};

TEST_F(Files, TemporaryPageIsReadableWhileStillOpen)
{
    char folder[261];
    const DWORD length = GetTempPath(sizeof folder, folder);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(folder[length - 1], '/');
    char name[MAX_PATH];
    ASSERT_NE(GetTempFileName(folder, "0", 0, name), 0u);
    EXPECT_TRUE(PathFileExists(name));
    const HANDLE page = CreateFile(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_TEMPORARY, nullptr);
    ASSERT_NE(page, INVALID_HANDLE_VALUE);
    const CString html("<html>Расчётный листок</html>");
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(page, html.GetString(), DWORD(std::strlen(html)), &written, nullptr));
    EXPECT_EQ(SetFilePointer(page, 0, nullptr, FILE_BEGIN), 0u);
    EXPECT_EQ(contents(name), QByteArray(html.GetString())) << "the viewer sees the page before it is closed";
    char back[100] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(page, back, sizeof back - 1, &read, nullptr));
    EXPECT_STREQ(back, html);
    EXPECT_EQ(GetFileSize(page, nullptr), written);
    EXPECT_TRUE(CloseHandle(page));
    EXPECT_FALSE(CloseHandle(page));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_EQ(CreateFile(at("нет\\файла.html"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
}

TEST_F(Files, BankFileInCodePageIsMovedIntoPlace)
{
    const std::string cp1251 = AfxToCodePage(CString("Зарплата №5 中\r\n"));
    EXPECT_EQ(cp1251, "\xC7\xE0\xF0\xEF\xEB\xE0\xF2\xE0 \xB9\x35 ?\r\n");
    EXPECT_STREQ(AfxFromCodePage(cp1251), "Зарплата №5 ?\r\n");
    EXPECT_STREQ(AfxFromCodePage("\x8F\xE0\xA8\xA5\xAC", "CP866"), "Прием");
    EXPECT_THROW(AfxToCodePage("x", "NO-SUCH-PAGE"), std::invalid_argument);

    const CString work = at("bank.tmp");
    const CString target = at("ZP0105.k");
    QFile tmp(AfxNativePath(work));
    ASSERT_TRUE(tmp.open(QIODevice::WriteOnly));
    tmp.write(cp1251.data(), qint64(cp1251.size()));
    tmp.close();
    EXPECT_FALSE(DeleteFile(target));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    ASSERT_TRUE(MoveFile(work, target));
    EXPECT_EQ(contents(AfxNativePath(target)), QByteArray::fromStdString(cp1251));

    EXPECT_TRUE(CopyFile(target, work, FALSE));
    EXPECT_FALSE(CopyFile(target, work, TRUE));
    EXPECT_FALSE(MoveFile(work, target)) << "a move does not replace";
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    char* message = nullptr;
    ASSERT_GT(FormatMessage(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, GetLastError(), 0,
                            reinterpret_cast<LPTSTR>(&message), 0, nullptr),
              0u);
    EXPECT_STREQ(message, "Невозможно создать файл, так как он уже существует.\r\n");
    LocalFree(message);
}

TEST_F(Files, WindowsPathsFindFilesIgnoringCase)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("_sys/_ExtReports"));
    for (const char* name : {"b.TBL", "a.extr", "c.txt", "noext"})
        QFile(dir.filePath(QString("_sys/_ExtReports/") + name)).open(QIODevice::WriteOnly);
    struct Case {
        const char* pattern;
        const char* expected;
    } const cases[] = {
        {"_SYS\\_extreports\\*.*", "a.extr b.TBL c.txt noext "},
        {"_sys\\_ExtReports\\*.tbl", "b.TBL "},
        {"_sys\\_ExtReports\\?.ext*", "a.extr "},
    };
    for (const Case& c : cases) {
        WIN32_FIND_DATA data;
        CString seen;
        const HANDLE find = FindFirstFile(at(c.pattern), &data);
        ASSERT_NE(find, INVALID_HANDLE_VALUE) << c.pattern;
        do
            seen += CString(data.cFileName) + " ";
        while (FindNextFile(find, &data));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_MORE_FILES));
        EXPECT_TRUE(FindClose(find));
        EXPECT_STREQ(seen, c.expected) << c.pattern;
    }
    WIN32_FIND_DATA data;
    EXPECT_EQ(FindFirstFile(at("_sys\\*.none"), &data), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(PathFileExists(at("_SYS\\_EXTREPORTS\\A.EXTR")));
    EXPECT_EQ(GetFileAttributes(at("_sys")), DWORD(FILE_ATTRIBUTE_DIRECTORY));
    CFile created(at("_SYS\\новый.txt"), CFile::modeCreate | CFile::modeWrite);
    created.Close();
    EXPECT_TRUE(QFile::exists(dir.filePath("_sys/новый.txt"))) << "a new file lands in the existing folder";
}

TEST(Runtime, NumbersTextsAndTime)
{
    EXPECT_DOUBLE_EQ(_tstof("12.50"), 12.5);
    EXPECT_DOUBLE_EQ(_tstof(CString("-0.25 руб")), -0.25);
    EXPECT_DOUBLE_EQ(_tstof(""), 0.0);
    EXPECT_EQ(_ttol(CString("230405000")), 230405000);
    EXPECT_EQ(_tcsicmp("Ёлка", "ёЛКА"), 0);
    EXPECT_LT(_tcsicmp("абв", "абг"), 0);
    EXPECT_EQ(_tcsnicmp("СЧЁТ 1", "счёт 2", 4), 0);
    const DWORD start = GetTickCount();
    Sleep(30);
    EXPECT_GE(GetTickCount() - start, 25u);
}

TEST_F(Files, ShellStartsProgramsAndFailsQuietly)
{
    EXPECT_EQ(ShellExecute(nullptr, "open", at("нет\\такой.exe"), "", nullptr, 1), SE_ERR_FNF);
    EXPECT_EQ(ShellExecute(nullptr, "open", "vornal-no-such-program.exe", "- - -", nullptr, 1), SE_ERR_FNF);

    const QString marker = dir.filePath("готово.txt");
    const QString script = dir.filePath("setupdesk");
    QFile program(script);
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    // The marker appears whole: written beside it, then moved into place.
    program.write("#!/bin/sh\nprintf '%s|%s' \"$1\" \"$2\" > \"$3.part\" && mv \"$3.part\" \"$3\"\n");
    program.close();
    program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    const CString parameters = FormatText("-1 \"два слова\" \"%s\"", marker);
    EXPECT_GT(ShellExecute(nullptr, "open", at("Setupdesk.exe"), parameters, nullptr, 1), 32);
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(marker) && waited.elapsed() < 5000)
        QThread::msleep(10);
    EXPECT_EQ(contents(marker), QByteArray("-1|два слова"));
}

} // namespace
