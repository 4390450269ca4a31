// The reference-book picker driven as a user would: one row answered into a
// control (its change notification runs), several rows joined by ",", answers
// by message with control id -1 and 0 (an integer id, or a text that is valid
// while the handler runs), the four kinds of filter, deleted rows left out,
// cancelling, and a book the configuration does not know.
#include "CDataArchive.h"
#include "CHelpers.h"
#include "ChooserForm.h"
#include "CCellwork.h"
#include "ConfigGlobals.h"
#include "DbReportRecorder.h"
#include "GridQuery.h"
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "PickerList.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/TestResource.h"

#include <QApplication>
#include <QListWidget>
#include <QMap>
#include <gtest/gtest.h>

namespace {

using pickertest::ClickRows;
using pickertest::Rows;

std::string BuiltArchive() { return qEnvironmentVariable("VORNAL_BIN").toStdString() + "/vornal.cfa"; }

class BookPicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(GetDataArchive()->LoadFile(BuiltArchive().c_str()));
        ASSERT_TRUE(ExecuteSql("drop table if exists picker_book\n"
                               "create table picker_book (id int primary key, name varchar(100), fil_id int, "
                               "dt_del datetime null)\n"
                               "insert into picker_book values (1,'Бюджет основной',1,null),"
                               "(2,'Внебюджет',2,null),(3,'Бюджет целевой',1,null),(4,'Удалённый',1,now())"));
    }
};

TEST_F(BookPicker, OneRowIntoAControl)
{
    CChooserForm form;
    form.SetText(IDC_TEST_CODE, "2");
    afxtest::InteractionScript script;
    QStringList listed;
    script.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
        listed = Rows(d);
        EXPECT_EQ(pickertest::PickerList(d)->currentRow(), 1) << "the control's code is the current row";
        d.type(IDC_PICKER_SEARCH, QStringLiteral("бюд цел"));
        EXPECT_EQ(Rows(d).size(), 1);
        pickertest::DoubleClickRow(d, QStringLiteral("3"));
    });
    EXPECT_EQ(CHelpers::GetInSpr("picker_book", &form, IDC_TEST_CODE, nullptr, UINT(-1), 0, 0), IDOK);
    script.verify();
    EXPECT_EQ(listed, QStringList({"1   Бюджет основной", "2   Внебюджет", "3   Бюджет целевой"}));
    EXPECT_EQ(form.Text(IDC_TEST_CODE), QStringLiteral("3"));
    EXPECT_EQ(form.changes, QStringList({"code:3"}));
    EXPECT_TRUE(form.answers.empty());
}

TEST_F(BookPicker, SeveralRowsIntoAControlJoinedByComma)
{
    CChooserForm form;
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER_MULTI, [](afxtest::DialogStep& d) {
        ClickRows(d, {QStringLiteral("3"), QStringLiteral("1")});
    });
    CHelpers::GetInSpr("picker_book", &form, IDC_TEST_CODES, nullptr, UINT(-1), 0, 1);
    script.verify();
    EXPECT_EQ(form.Text(IDC_TEST_CODES), QStringLiteral("1,3"));
}

TEST_F(BookPicker, AnswersByMessage)
{
    struct Case {
        int ctrlId;
        short answerKind;
        int multi;
        QStringList rows;
        bool asText;
        QString answer;
    } cases[] = {
        {-1, 0, 0, {"2"}, false, "2"},
        {0, 0, 0, {"3"}, false, "3"},
        {0, 2, 0, {"3"}, true, "3"},
        {-1, 0, 1, {"1", "2"}, true, "1,2"},
    };
    for (const Case& c : cases) {
        CChooserForm form;
        form.textAnswers = c.asText;
        afxtest::InteractionScript script;
        script.dialog(c.multi ? IDD_SPR_PICKER_MULTI : IDD_SPR_PICKER,
                      [&](afxtest::DialogStep& d) { ClickRows(d, c.rows); });
        CHelpers::GetInSpr("picker_book", &form, c.ctrlId, nullptr, 0x465, c.answerKind, c.multi);
        script.verify();
        ASSERT_EQ(form.answers.size(), 1u) << c.ctrlId << " " << c.multi;
        const CChooserForm::Answer& a = form.answers[0];
        EXPECT_EQ(a.msg, 0x465u);
        EXPECT_EQ(a.wParam, WPARAM(a.lParam));
        EXPECT_FALSE(a.chooserOpen) << "the answer comes once the chooser has closed";
        if (c.asText)
            EXPECT_EQ(a.text, c.answer);
        else
            EXPECT_EQ(QString::number(a.lParam), c.answer);
        EXPECT_TRUE(form.changes.isEmpty());
    }
}

// The picker used with the keyboard alone, the focus wherever it opens:
// "<Down>" and the like are keys, anything else is typed.
TEST_F(BookPicker, KeysAloneChooseAndCancel)
{
    struct Case {
        const char* filter;
        int multi;
        QStringList keys;
        int result;
        QString answer;
    } cases[] = {
        {"where id=2", 0, {"<Return>"}, IDOK, "2"},
        {"where id=2", 0, {"<Down>", "<Return>"}, IDOK, "2"},
        {nullptr, 0, {"<Return>"}, IDOK, "1"},
        {nullptr, 0, {"<Down>", "<Down>", "<Up>", "<Return>"}, IDOK, "2"},
        {nullptr, 0, {"<PgDown>", "<Return>"}, IDOK, "3"},
        {nullptr, 0, {"цел", "<Return>"}, IDOK, "3"},
        {nullptr, 0, {"<Down>", "<Escape>"}, IDCANCEL, ""},
        {nullptr, 1, {"<Down>", "<Return>"}, IDOK, "2"},
    };
    const QMap<QString, Qt::Key> keys = {{"<Return>", Qt::Key_Return}, {"<Down>", Qt::Key_Down},
                                         {"<Up>", Qt::Key_Up},         {"<PgDown>", Qt::Key_PageDown},
                                         {"<Escape>", Qt::Key_Escape}};
    for (const Case& c : cases) {
        const QString what = QStringLiteral("%1 %2").arg(c.filter ? c.filter : "").arg(c.keys.join(u' '));
        CChooserForm form;
        afxtest::InteractionScript script;
        script.dialog(c.multi ? IDD_SPR_PICKER_MULTI : IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
            for (const QString& k : c.keys) {
                if (keys.contains(k))
                    afxtest::pressKey(QApplication::focusWidget(), keys.value(k));
                else
                    afxtest::typeKeys(QApplication::focusWidget(), k);
            }
        });
        EXPECT_EQ(CHelpers::GetInSpr("picker_book", &form, IDC_TEST_CODE, c.filter, UINT(-1), 0, c.multi), c.result)
            << what.toStdString();
        script.verify();
        EXPECT_EQ(form.Text(IDC_TEST_CODE), c.answer) << what.toStdString();
    }
}

TEST_F(BookPicker, FiltersOfEachKind)
{
    struct Case {
        const char* filter;
        QStringList rows;
        QString search;
    } cases[] = {
        {"where fil_id=1", {"1   Бюджет основной", "3   Бюджет целевой"}, ""},
        {" and fil_id in (2)", {"2   Внебюджет"}, ""},
        {"select id, name from picker_book where id<3 order by id desc", {"2   Внебюджет", "1   Бюджет основной"}, ""},
        {"внебюд", {"2   Внебюджет"}, "внебюд"},
    };
    for (const Case& c : cases) {
        CChooserForm form;
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
            EXPECT_EQ(Rows(d), c.rows) << c.filter;
            EXPECT_EQ(d.text(IDC_PICKER_SEARCH), c.search);
            d.click(IDCANCEL);
        });
        EXPECT_EQ(CHelpers::GetInSpr("picker_book", &form, IDC_TEST_CODE, c.filter, UINT(-1), 0, 0), IDCANCEL);
        script.verify();
        EXPECT_TRUE(form.changes.isEmpty());
        EXPECT_EQ(form.Text(IDC_TEST_CODE), QString());
    }
}

TEST_F(BookPicker, BooksByPickerKeyAndUnknownBooks)
{
    CChooserForm form;
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(d.window()->GetQWidget()->windowTitle(), QStringLiteral("Источники финансирования"));
        EXPECT_FALSE(Rows(d).isEmpty());
        ClickRows(d, {QStringLiteral("2")});
    })
        .message(QStringLiteral("Справочник «нет такого» не найден в конфигурации"), IDOK);
    CHelpers::GetInSpr(I_GetSprSU_Id(7), &form, IDC_TEST_CODE, nullptr, UINT(-1), 0, 0);
    EXPECT_EQ(form.Text(IDC_TEST_CODE), QStringLiteral("2"));
    EXPECT_EQ(CHelpers::GetInSpr("нет такого", &form, IDC_TEST_CODE, nullptr, UINT(-1), 0, 0), IDCANCEL);
    script.verify();
}

} // namespace

namespace {

// The server dropped the connection (a restart): the picker's list and a
// grid filled from a query are read on a new one, as every read of the layer
// is, and nothing is reported.
TEST_F(BookPicker, ListsAndGridsAreReadAfterTheServerDroppedTheConnection)
{
    vornal::testing::DbReportRecorder reports;
    _ConnectionPtr administrator = vornal::testing::OpenRawConnection();
    auto drop = [&] {
        const long id = GetServerId();
        administrator->Execute(_bstr_t(FormatText("kill %ld", id)), nullptr, adExecuteNoRecords);
        vornal::testing::WaitForCount(
            administrator, QStringLiteral("select count(*) from information_schema.processlist where id=%1").arg(id),
            [](long long alive) { return alive == 0; }, 2000);
    };
    drop();
    appcore::PickerSetup setup;
    setup.sql = "select id,name,dt_del from picker_book order by id";
    appcore::PickerRows rows;
    EXPECT_TRUE(appcore::LoadPickerRows(setup, rows));
    EXPECT_EQ(rows.rows.size(), 3u);

    CWnd holder;
    ASSERT_TRUE(holder.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
    CCellwork grid;
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 280, 180), &holder, 100));
    drop();
    EXPECT_TRUE(appcore::FillGridFromQuery(grid, "select id,name from picker_book order by id", true));
    EXPECT_EQ(grid.GetNRows(), 4);
    EXPECT_TRUE(reports.reports().empty());
}

} // namespace
