// The user of the session: VerifyUser on login strings (a wrong password, a
// workplace the user may not enter or that does not exist refuse with a
// message), the user's period, the profile cipher's round trip, and one
// instance per name across processes.
#include "CDataArchive.h"
#include "ConfigGlobals.h"
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "SingleInstance.h"
#include "StringCipher.h"
#include "UserSession.h"
#include "ndbcore.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string BuiltArchive() { return qEnvironmentVariable("VORNAL_BIN").toStdString() + "/vornal.cfa"; }

class UserSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(GetDataArchive()->LoadFile(BuiltArchive().c_str()));
        ASSERT_TRUE(ExecuteSql("delete from system_tn_arm where tn=5\n"
                               "delete from tn where tn=5\n"
                               "insert into tn (tn,f,pass) values (5,'Орлова','Пароль-1')\n"
                               "insert into system_tn_arm (tn,arm) values (5,'ПАЙМАР')"));
        payroll = GetDataArchive()->FindArm("ПАЙМАР");
        ledger = GetDataArchive()->FindArm("ЛЕДМАРК");
        ASSERT_GE(payroll, 0);
        ASSERT_GE(ledger, 0);
    }
    CString Login(const char* password, int arm)
    {
        CString text;
        text.Format("-5 -%s -1 - -vornal -root -127.0.0.1:3306 -%d", password, arm);
        return text;
    }
    int payroll = -1;
    int ledger = -1;
};

TEST_F(UserSession, VerifyUserSetsTheWorkplace)
{
    g_lARM = ledger;
    EXPECT_EQ(VerifyUser(Login("Пароль-1", payroll)), 5);
    EXPECT_EQ(g_lARM, payroll);
    EXPECT_EQ(I_GetArmId(), CString("ПАЙМАР"));
}

TEST_F(UserSession, VerifyUserRefusesWithAReason)
{
    struct Case {
        CString login;
        const char* message;
    } cases[] = {
        {Login("пароль-1", payroll), "Имя пользователя или пароль неверны"},
        {Login("x' or '1'='1", payroll), "Имя пользователя или пароль неверны"},
        {"-abc -Пароль-1 -1 - -vornal -root -127.0.0.1 -0", "Имя пользователя или пароль неверны"},
        {Login("Пароль-1", ledger), "Вам не разрешено работать на этом рабочем месте"},
        {Login("Пароль-1", 99), "Для Вас не определены рабочие места"},
        {"-5 -Пароль-1 -1 - -vornal -root -127.0.0.1", "Для Вас не определены рабочие места"},
    };
    for (const Case& c : cases) {
        g_lARM = ledger;
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        EXPECT_EQ(VerifyUser(c.login), -1) << c.login.ToStdString();
        EXPECT_EQ(g_lARM, ledger);
        script.verify();
    }
}

TEST_F(UserSession, UsersPeriodIsKeptInTheDatabase)
{
    long savedTn = g_lTN;
    g_lTN = 5;
    EXPECT_NE(SetOtpTn(5, 2023, 11), 0);
    EXPECT_EQ(g_lYear, 2023);
    EXPECT_EQ(g_lMonth, 11);
    long year = 0, month = 0;
    EXPECT_NE(GetOtpTn(5, year, month), 0);
    EXPECT_EQ(year, 2023);
    EXPECT_EQ(month, 11);
    EXPECT_EQ(SetOtpTn(5, 2023, 13), 0);
    year = month = -7;
    EXPECT_EQ(GetOtpTn(12345, year, month), 0);
    EXPECT_EQ(year, -7);
    g_lTN = savedTn;
}

TEST(StringCipher, RoundTripKeepsLengthAndText)
{
    const char* key = "mera_lo tusk.";
    for (const char* plain : {"123", "Пароль-1 ёЁ", "a\"b\\c~ ", "日本語", "", "\x7f\x01x"}) {
        char hidden[64];
        char shown[64];
        EncryptString(plain, hidden, key);
        EXPECT_EQ(std::strlen(hidden), std::strlen(plain));
        EXPECT_TRUE(QString::fromUtf8(hidden).toUtf8() == QByteArray(hidden)) << plain;
        if (std::strlen(plain) > 2) {
            EXPECT_STRNE(hidden, plain);
        }
        DecryptString(hidden, shown, key);
        EXPECT_STREQ(shown, plain);
    }
}

int Probe(const QString& name, const QString& title = QString())
{
    QStringList args{name};
    if (!title.isEmpty())
        args << title;
    QProcess probe;
    probe.start(qEnvironmentVariable("VORNAL_BIN") + "/appcore_instance_probe", args);
    if (!probe.waitForFinished(10000))
        return -1;
    return probe.exitCode();
}

TEST(SingleInstance, SecondProcessIsRefused)
{
    QString name = QStringLiteral("Vornal_test_%1").arg(QCoreApplication::applicationPid());
    SetMyClassName(name.toUtf8().constData());
    ASSERT_NE(FirstInstance(nullptr, "Регистрация пользователя"), 0);
    EXPECT_NE(FirstInstance(name.toUtf8().constData(), "Регистрация пользователя"), 0);
    EXPECT_EQ(Probe(name, QStringLiteral("Регистрация пользователя")), 3);
    EXPECT_EQ(Probe(name, QStringLiteral("Выбор рабочей базы данных")), 0);
    EXPECT_EQ(Probe(name + "_other"), 0);
    // Logged in: the login's claim is given up with its class name.
    SetMyClassName((name + "_main").toUtf8().constData());
    EXPECT_EQ(Probe(name, QStringLiteral("Регистрация пользователя")), 0);
    ASSERT_NE(FirstInstance(nullptr, nullptr), 0);
    EXPECT_EQ(Probe(name + "_main"), 3);
}

} // namespace
