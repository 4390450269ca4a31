// The shared choosers on the real chart of accounts and tables: the account
// list limited by side and by a list of accounts (a source digit 0 for every
// source, 6-digit prefixes), the account answered as text by message or into
// a control, the employee chooser into a control, ShowSpr's text and integer
// answers, the issued-invoice list answering a record number.
#include "CDataArchive.h"
#include "ChooserForm.h"
#include "ConfigGlobals.h"
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/TestResource.h"

#include <QListWidget>
#include <QDate>
#include <gtest/gtest.h>

namespace {

using pickertest::ClickRows;
using pickertest::Rows;

QStringList Keys(const QStringList& rows)
{
    QStringList keys;
    for (const QString& row : rows)
        keys << row.section(QStringLiteral("   "), 0, 0);
    return keys;
}

class Choosers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        std::string archive = qEnvironmentVariable("VORNAL_BIN").toStdString() + "/vornal.cfa";
        ASSERT_TRUE(GetDataArchive()->LoadFile(archive.c_str()));
    }
};

TEST_F(Choosers, AccountListBySideAndList)
{
    struct Case {
        int side;
        const char* accounts;
        QStringList keys;
    } cases[] = {
        {1, "220134", {"220134510"}},
        {2, "220134", {"220134610"}},
        {0, "020134000", {"120134510", "220134510", "320134510", "420134510",
                          "120134610", "220134610", "320134610", "420134610"}},
        {0, "220134,230405000", {"220134510", "220134610", "230405000"}},
        {0, "x'; drop table tn; --,220134", {"220134510", "220134610"}},
    };
    for (const Case& c : cases) {
        CChooserForm form;
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
            EXPECT_EQ(Keys(Rows(d)), c.keys) << c.accounts << " side " << c.side;
            d.click(IDCANCEL);
        });
        CExtFuncs::OnSprPlanSch0(&form, IDC_TEST_CODE, -1, nullptr, c.side, nullptr, c.accounts);
        script.verify();
    }
}

TEST_F(Choosers, AccountAnsweredAsText)
{
    CChooserForm form;
    form.textAnswers = true;
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_NE(d.window()->GetQWidget()->windowTitle().indexOf(QStringLiteral("230405000")), -1);
        EXPECT_EQ(pickertest::PickerList(d)->currentRow(), 1) << "the current account";
        ClickRows(d, {QStringLiteral("220134610")});
    });
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(pickertest::PickerList(d)->currentRow(), 0) << "a one-account list opens on it";
        d.click(IDOK);
    });
    CExtFuncs::OnSprPlanSch0(&form, -1, 0x464, "220134610", 0, "230405000", "220134");
    CExtFuncs::OnSprPlanSch0(&form, IDC_TEST_CODE, -1, nullptr, 1, nullptr, "220134510");
    script.verify();
    ASSERT_EQ(form.answers.size(), 1u);
    EXPECT_EQ(form.answers[0].msg, 0x464u);
    EXPECT_EQ(form.answers[0].text, QStringLiteral("220134610"));
    EXPECT_EQ(form.Text(IDC_TEST_CODE), QStringLiteral("220134510"));
    EXPECT_EQ(form.changes, QStringList({"code:220134510"}));
}

TEST_F(Choosers, EmployeeIntoAControl)
{
    CChooserForm form;
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        // Each employee with the main position and, once dismissed, the date.
        const QString dismissed = QDate::currentDate().toString("01.MM.yyyy");
        EXPECT_TRUE(Rows(d).contains(QStringLiteral("1   Петрова Анна Сергеевна   Заведующий   ")));
        EXPECT_TRUE(Rows(d).contains(QStringLiteral("19   Степанова Людмила Павловна   Воспитатель   ") + dismissed));
        ClickRows(d, {QStringLiteral("1   Петрова")});
    });
    CExtFuncs::OnTNcmd(&form, IDC_TEST_CODE, nullptr, nullptr, UINT(-1), 0, 1);
    script.verify();
    EXPECT_EQ(form.Text(IDC_TEST_CODE), QStringLiteral("1"));
}

TEST_F(Choosers, ShowSprAnswersTextOrInteger)
{
    for (int asText : {0, 1}) {
        CChooserForm form;
        form.textAnswers = asText == 1;
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(Rows(d).size(), 1);
            ClickRows(d, {QStringLiteral("3")});
        });
        CExtFuncs::ShowSpr("spr_ei", &form, 1, 0, "where id=3", nullptr, 0x479, asText);
        script.verify();
        ASSERT_EQ(form.answers.size(), 1u);
        if (asText)
            EXPECT_EQ(form.answers[0].text, QStringLiteral("3"));
        else
            EXPECT_EQ(form.answers[0].lParam, 3);
    }
}

TEST_F(Choosers, IssuedInvoiceRecordNumberIntoAControl)
{
    ASSERT_TRUE(ExecuteSql("create table if not exists paymar_sch_fak (real_id int auto_increment primary key, "
                           "number varchar(20), d date, s decimal(12,2), icn varchar(200))\n"
                           "delete from paymar_sch_fak\n"
                           "insert into paymar_sch_fak (number,d,s,icn) values ('1','2024-01-10',100,'ООО Ромашка'),"
                           "('2','2024-01-11',250.5,'ИП Васильев')"));
    CChooserForm form;
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(Rows(d).size(), 2);
        d.type(IDC_PICKER_SEARCH, QStringLiteral("васил"));
        EXPECT_EQ(Rows(d).size(), 1);
        d.click(IDOK);
    });
    CExtFuncs::ShowPrnSchFakList("", &form, IDC_TEST_CODE, "");
    script.verify();
    EXPECT_EQ(form.Text(IDC_TEST_CODE),
              QString::number(ExecuteCount("select real_id as cnt from paymar_sch_fak where number='2'")));
}

} // namespace
