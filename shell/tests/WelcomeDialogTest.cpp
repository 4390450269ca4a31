// The database chooser: its list kept in the profile value "welcome", edited
// row by row, and the program started on the chosen database.
#include "CLoginArguments.h"
#include "CWelcomeDlg.h"
#include "CWelcomeEntry.h"
#include "InteractionScript.h"
#include "res/resource.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class WelcomeDialogTest : public ::testing::Test {
protected:
    void SetUp() override { m_app.WriteProfileString("Settings", "welcome", nullptr); }
    CString List() { return m_app.GetProfileString("Settings", "welcome", "<none>"); }
    std::vector<CString> Names()
    {
        std::vector<CString> names;
        for (const CString& text : CWelcomeEntry::SplitList(List()))
            names.push_back(CWelcomeEntry::FromText(text).m_strName);
        return names;
    }
    static CCellwork* Grid(afxtest::DialogStep& d) { return static_cast<CCellwork*>(d.item(IDC_GRID)); }
    static void AddNamed(afxtest::InteractionScript& script, const QString& name)
    {
        script.dialog(IDD_WELCOME_SETTINGS, [name](afxtest::DialogStep& s) {
            EXPECT_EQ(s.text(IDC_DB_TITLE), QStringLiteral("Новая база"));
            EXPECT_EQ(s.text(IDC_DB_SERVER), QStringLiteral("127.0.0.1"));
            s.type(IDC_DB_TITLE, name);
            s.click(IDOK);
        });
    }
    CWinApp m_app{"Vornal"};
};

TEST_F(WelcomeDialogTest, EditingTheList)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_WELCOME, [](afxtest::DialogStep& d) {
        EXPECT_EQ(Grid(d)->GetNRows(), 0) << "no list yet";
        d.click(IDC_WELCOME_ADD);
        d.click(IDC_WELCOME_ADD);
        d.click(IDC_WELCOME_ADD);
        ASSERT_EQ(Grid(d)->GetNRows(), 3);
        Grid(d)->SetCurCell(0, 0);
        d.click(IDC_WELCOME_UP);
        d.click(IDC_WELCOME_DOWN);
        EXPECT_EQ(Grid(d)->GetCurRow(), 1) << "the moved row stays current";
        Grid(d)->SetCurCell(0, 0);
        d.click(IDC_WELCOME_CHANGE);
        Grid(d)->SetCurCell(0, 2);
        d.click(IDC_WELCOME_DELETE);
        d.click(IDC_WELCOME_DELETE);
        d.click(IDCANCEL);
    });
    AddNamed(script, QStringLiteral("Садик"));
    AddNamed(script, QStringLiteral("Школа"));
    AddNamed(script, QStringLiteral("Склад"));
    script.dialog(IDD_WELCOME_SETTINGS, [](afxtest::DialogStep& s) {
        EXPECT_EQ(s.text(IDC_DB_TITLE), QStringLiteral("Школа")) << "the first row moved down to the second";
        s.type(IDC_DB_NAME, QStringLiteral("school"));
        s.click(IDOK);
    })
        .message(QStringLiteral("Удалить эту строку ? "), IDNO)
        .message(QStringLiteral("Удалить эту строку ? "), IDYES);
    CWelcomeDlg dlg;
    dlg.m_strFolder = "/opt/vornal";
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    const std::vector<CString> names = Names();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], CString("Школа"));
    EXPECT_EQ(names[1], CString("Садик"));
    const CWelcomeEntry first = CWelcomeEntry::FromText(CWelcomeEntry::SplitList(List())[0]);
    EXPECT_EQ(first.m_strDatabase, CString("school"));
    EXPECT_EQ(first.m_strFolder, CString("/opt/vornal"));
}

TEST_F(WelcomeDialogTest, NothingChosen)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_WELCOME, [](afxtest::DialogStep& d) {
        d.click(IDC_WELCOME_CHANGE);
        d.click(IDC_WELCOME_DELETE);
        d.click(IDOK);
        d.click(IDCANCEL);
    })
        .message(QStringLiteral("Выберите базу"), IDOK)
        .message(QStringLiteral("Выберите базу"), IDOK)
        .message(QStringLiteral("Выберите базу"), IDOK);
    CWelcomeDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(List(), CString("<none>")) << "nothing changed, nothing written";
}

// OK starts the program of the entry's folder with the entry's connection.
TEST_F(WelcomeDialogTest, StartsTheProgramOnTheChosenDatabase)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("arguments.txt"));
    QFile program(folder.filePath(QStringLiteral("vornal")));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"%1.part\"\nmv \"%1.part\" \"%1\"\n")
                      .arg(out)
                      .toUtf8());
    program.close();
    program.setPermissions(program.permissions() | QFileDevice::ExeOwner);

    CWelcomeEntry entry;
    entry.m_lDriverId = 1;
    entry.m_strServer = "db-1.local:3306";
    entry.m_strDatabase = "Учёт 2024";
    entry.m_strUser = "buh";
    entry.m_strPassword = "p w";
    entry.m_strFolder = CString(folder.path()) + "\\";
    entry.m_strName = "Главная";
    m_app.WriteProfileString("Settings", "welcome", entry.ToText());

    afxtest::InteractionScript script;
    script.dialog(IDD_WELCOME, [](afxtest::DialogStep& d) {
        ASSERT_EQ(Grid(d)->GetNRows(), 1);
        EXPECT_EQ(Grid(d)->GetCellValue(0, 0), CString("Главная"));
        Grid(d)->SetCurCell(0, 0);
        d.click(IDOK);
    });
    CWelcomeDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(out) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "the program was started";
    QStringList argv = QString::fromUtf8(written.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    argv.prepend(QStringLiteral("vornal"));
    const CLoginArguments a = CLoginArguments::Parse(CLoginArguments::ArgumentString(argv));
    EXPECT_FALSE(a.HasLogin()) << "the program asks for the login";
    EXPECT_EQ(a.m_strServer, CString("db-1.local:3306"));
    EXPECT_EQ(a.m_strDatabase, CString("Учёт 2024"));
    EXPECT_EQ(a.m_strDbUser, CString("buh"));
    EXPECT_EQ(a.m_strDbPassword, CString("p w"));
}

} // namespace
