// The login dialog against the demo database: attempts, remembered number
// and password per database, Tab to submit, and the workplace that follows.
#include "CLoginArguments.h"
#include "CLoginProfile.h"
#include "CRegisterUser.h"
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "ShellTestKit.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

const QString kWrong = QStringLiteral("Имя пользователя или пароль неверны");

class LoginDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(shelltest::LoadDefaultConfiguration());
        ASSERT_TRUE(ExecuteSql("delete from tn where tn=70;\ndelete from system_tn_arm where tn=70;\n"
                               "insert into tn (tn, f, pass) values (70, 'Кладовщик', 'секрет');\n"
                               "insert into system_tn_arm (tn, arm) values (70, 'СТОВАН')"));
        const CLoginProfile profile;
        m_app.WriteProfileString(profile.Section(), nullptr, nullptr);
    }
    static void Login(afxtest::DialogStep& d, const QString& tn, const QString& password)
    {
        d.type(IDC_LOGIN_TN, tn);
        d.type(IDC_LOGIN_PASSWORD, password);
        d.click(IDOK);
    }
    static CString WithArm(const char* tn, const char* password, const char* arm)
    {
        return CLoginArguments::WithArm(CLoginArguments::LoginString(tn, password), GetDataArchive()->FindArm(arm));
    }
    CWinApp m_app{"Vornal"};
};

TEST_F(LoginDialogTest, OneWorkplaceLogsInAtOnce)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.text(IDC_LOGIN_TN), QStringLiteral("1")) << "the number offered before anything was remembered";
        EXPECT_EQ(d.text(IDC_LOGIN_PASSWORD), QString());
        Login(d, QStringLiteral("70"), QStringLiteral("секрет"));
    });
    CRegisterUser dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strLogin, WithArm("70", "секрет", "СТОВАН"));
}

// The password the dialog accepted is the one the core checks: blanks
// around it, a " -" inside, quotes and Cyrillic reach VerifyUser as typed.
TEST_F(LoginDialogTest, PasswordIsCheckedAsTypedByDialogAndCore)
{
    const QString passwords[] = {
        QStringLiteral("  пароль с пробелами"), QStringLiteral("секрет -1 -2"), QStringLiteral("a -"),
        QStringLiteral("\"в кавычках\""),   QStringLiteral("-минус"),      QStringLiteral("Пароль"),
    };
    for (const QString& password : passwords) {
        SCOPED_TRACE(password.toStdString());
        CString sql;
        sql.Format("update tn set pass='%s' where tn=70", (LPCTSTR)MakeSqlStr(CString(password)));
        ASSERT_TRUE(ExecuteSql(sql));
        afxtest::InteractionScript script;
        script.dialog(IDD_REGISTER_USER, [&](afxtest::DialogStep& d) { Login(d, QStringLiteral("70"), password); });
        CRegisterUser dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        script.verify();
        EXPECT_EQ(CLoginArguments::Parse(dlg.m_strLogin).m_strPassword, CString(password));
        EXPECT_EQ(VerifyUser(dlg.m_strLogin), 70);
    }
}

TEST_F(LoginDialogTest, SeveralWorkplacesAreChosen)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) { Login(d, "1", "123"); })
        .dialog(IDD_SELECT_ARM, [](afxtest::DialogStep& d) {
            CCellwork* grid = static_cast<CCellwork*>(d.item(IDC_GRID));
            ASSERT_EQ(grid->GetNRows(), 5);
            shelltest::doubleClickCell(*grid, 0, 3);
        });
    CRegisterUser dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    const CLoginArguments a = CLoginArguments::Parse(dlg.m_strLogin);
    EXPECT_EQ(a.m_strTn, CString("1"));
    EXPECT_EQ(a.m_strPassword, CString("123"));
    EXPECT_EQ(a.m_strDatabase, GetDataBaseName());
    EXPECT_FALSE(a.m_strArm.IsEmpty());
}

TEST_F(LoginDialogTest, ThreeWrongAttemptsCancel)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) {
        Login(d, "1", "1234");
        EXPECT_TRUE(d.window()->IsWindowVisible());
        Login(d, "1", "' or '1'='1");
        Login(d, "1 or 1=1", "123");
    })
        .message(kWrong, IDOK)
        .message(kWrong, IDOK)
        .message(kWrong, IDOK);
    CRegisterUser dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.GetFailedAttempts(), 3);
}

TEST_F(LoginDialogTest, RightOnTheThirdAttempt)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) {
        Login(d, "70", "Секрет");
        d.setText(IDC_LOGIN_TN, QString());
        d.click(IDOK);
        EXPECT_TRUE(d.window()->IsWindowVisible()) << "an empty field is no attempt";
        Login(d, "71", "секрет");
        Login(d, "70", "секрет");
    })
        .message(kWrong, IDOK)
        .message(kWrong, IDOK);
    CRegisterUser dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetFailedAttempts(), 2);
}

TEST_F(LoginDialogTest, RememberedNumberAndPassword)
{
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) { Login(d, "70", "секрет"); });
        CRegisterUser dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
    }
    const CLoginProfile profile;
    EXPECT_NE(m_app.GetProfileString(profile.Section(), "pass"), CString("секрет")) << "kept enciphered";
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_LOGIN_TN), QStringLiteral("70"));
            EXPECT_EQ(d.text(IDC_LOGIN_PASSWORD), QStringLiteral("секрет"));
            d.check(IDC_LOGIN_REMEMBER, false);
            d.click(IDOK);
        });
        CRegisterUser dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
    }
    EXPECT_EQ(m_app.GetProfileString(profile.Section(), "pass", "none"), CString("none"))
        << "a password the user no longer wants remembered is forgotten";
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_LOGIN_TN), QString());
            EXPECT_EQ(d.text(IDC_LOGIN_PASSWORD), QString());
            d.click(IDCANCEL);
        });
        CRegisterUser dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}

TEST_F(LoginDialogTest, TabInThePasswordSubmits)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) {
        d.type(IDC_LOGIN_TN, QStringLiteral("70"));
        d.type(IDC_LOGIN_PASSWORD, QStringLiteral("секрет"));
        d.key(IDC_LOGIN_PASSWORD, Qt::Key_Tab);
        afxtest::deliverPosted();
    });
    CRegisterUser dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(LoginDialogTest, ConnectionSettingsFromTheLogin)
{
    const CString server = GetServerName();
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) {
        d.click(IDC_LOGIN_CONNECTION);
        Login(d, "70", "секрет");
    })
        .dialog(IDD_SQL_PARAMS, [](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_DB_DRIVER), QStringLiteral("My Sql"));
            d.click(IDOK);
        });
    CRegisterUser dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK) << "connected again after the settings";
    EXPECT_EQ(GetServerName(), server);
}

} // namespace
