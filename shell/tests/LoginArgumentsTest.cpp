// The command line and the login string: one layout, values introduced by "-".
#include "CLoginArguments.h"
#include "CWelcomeEntry.h"
#include "ndbcore.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* text;
    const char* tn;
    const char* password;
    const char* driver;
    const char* dbPassword;
    const char* database;
    const char* dbUser;
    const char* server;
    const char* arm;
    bool login;
};

const ParseCase kCases[] = {
    {"", "", "", "", "", "", "", "", "", false},
    {"-1 -123 -1 - -vornal -root -127.0.0.1:33306 -0", "1", "123", "1", "", "vornal", "root", "127.0.0.1:33306", "0",
     true},
    // Only connection parameters: the login dialog still runs.
    {"- - -1 -secret -buh -root -127.0.0.1 -", "", "", "1", "secret", "buh", "root", "127.0.0.1", "", false},
    {"- - -2 -x -buh  -sa -srv -", "", "", "2", "x", "buh", "sa", "srv", "", false},
    // A "-" inside a value does not cut it (splitting at every "-" would cut it).
    {"- - -1 - -db-2024 -root -db-1.local -", "", "", "1", "", "db-2024", "root", "db-1.local", "", false},
    {"-7 -a-b-c -1 - - - - -3", "7", "a-b-c", "1", "", "", "", "", "3", true},
    // A password beginning with "-", and one with a blank inside.
    {"-7 --x -1 - - - - -3", "7", "-x", "1", "", "", "", "", "3", true},
    {"-7 -две части -1 - - - - -3", "7", "две части", "1", "", "", "", "", "3", true},
    // A quoted value keeps its outer blanks and a " -" inside; a quote inside
    // is doubled; a quote never closed is a plain character.
    {"-7 -\" пароль -с пробелом \" -1 - - - - -3", "7", " пароль -с пробелом ", "1", "", "", "", "", "3", true},
    {"-7 -\"a\"\"b\" -1", "7", "a\"b", "1", "", "", "", "", "", true},
    {"-7 -\"abc -1", "7", "\"abc", "1", "", "", "", "", "", true},
    // Fewer values than the layout has: the rest stay empty.
    {"-5 -pw", "5", "pw", "", "", "", "", "", "", true},
    {"ignored -5", "5", "", "", "", "", "", "", "", true},
};

TEST(LoginArgumentsTest, SplitsTheLayout)
{
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(c.text);
        const CLoginArguments a = CLoginArguments::Parse(c.text);
        EXPECT_EQ(a.m_strTn, CString(c.tn));
        EXPECT_EQ(a.m_strPassword, CString(c.password));
        EXPECT_EQ(a.m_strDriverId, CString(c.driver));
        EXPECT_EQ(a.m_strDbPassword, CString(c.dbPassword));
        EXPECT_EQ(a.m_strDatabase, CString(c.database));
        EXPECT_EQ(a.m_strDbUser, CString(c.dbUser));
        EXPECT_EQ(a.m_strServer, CString(c.server));
        EXPECT_EQ(a.m_strArm, CString(c.arm));
        EXPECT_EQ(bool(a.HasLogin()), c.login);
    }
}

TEST(LoginArgumentsTest, ChooserSwitchIsExact)
{
    EXPECT_TRUE(CLoginArguments::IsChooserSwitch("-$$$"));
    EXPECT_TRUE(CLoginArguments::IsChooserSwitch(CLoginArguments::ArgumentString({"vornal", "-$$$"})));
    EXPECT_FALSE(CLoginArguments::IsChooserSwitch("-$$$ -1"));
    EXPECT_FALSE(CLoginArguments::IsChooserSwitch("-$$"));
    EXPECT_EQ(CLoginArguments::ArgumentString({"/opt/vornal/vornal"}), CString(""));
}

TEST(LoginArgumentsTest, LoginStringReadsBackWithTheConnection)
{
    SetDriverId(1);
    SetServerName("db-1:3306");
    SetDataBaseName("buh 2024");
    SetUserID("root");
    SetUserPassword("");
    const CString login = CLoginArguments::WithArm(CLoginArguments::LoginString("12", "p-w d"), 3);
    const CLoginArguments a = CLoginArguments::Parse(login);
    EXPECT_EQ(a.m_strTn, CString("12"));
    EXPECT_EQ(a.m_strPassword, CString("p-w d"));
    EXPECT_EQ(a.m_strDriverId, CString("1"));
    EXPECT_EQ(a.m_strDbPassword, CString(""));
    EXPECT_EQ(a.m_strDatabase, CString("buh 2024"));
    EXPECT_EQ(a.m_strServer, CString("db-1:3306"));
    EXPECT_EQ(a.m_strArm, CString("3"));
}

// The chooser starts the program with the entry's connection: the
// parameters pass through the process's argument splitting unharmed.
TEST(LoginArgumentsTest, ChooserParametersReachTheProgramWhole)
{
    CWelcomeEntry e;
    e.m_lDriverId = 2;
    e.m_strServer = "db-1.local:5432";
    e.m_strDatabase = "Учёт \"Солнышко\"";
    e.m_strUser = "buh";
    e.m_strPassword = "p w";
    const QStringList argv = QStringList{"vornal"} + QProcess::splitCommand(e.ProgramParameters().ToQString());
    const CLoginArguments a = CLoginArguments::Parse(CLoginArguments::ArgumentString(argv));
    EXPECT_FALSE(a.HasLogin());
    EXPECT_EQ(a.m_strDriverId, CString("2"));
    EXPECT_EQ(a.m_strDbPassword, CString("p w"));
    EXPECT_EQ(a.m_strDatabase, CString("Учёт \"Солнышко\""));
    EXPECT_EQ(a.m_strDbUser, CString("buh"));
    EXPECT_EQ(a.m_strServer, CString("db-1.local:5432"));
}

} // namespace
