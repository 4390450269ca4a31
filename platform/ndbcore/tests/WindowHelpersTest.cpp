// The folder chooser and the message-box report of database errors, taken
// through the interaction script as a user would.
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

void Answer(afxtest::DialogStep& step, const char* folder, int result)
{
    step.request().answer = folder;
    step.request().result = result;
}

TEST(WindowHelpers, FolderChooserFillsTheBufferOnlyWhenChosen)
{
    afxtest::InteractionScript script;
    script.chooser("folder", [](afxtest::DialogStep& s) {
              EXPECT_EQ(s.request().text, CString("Выбор директории источника"));
              EXPECT_EQ(s.request().answer, CString("/tmp/старт"));
              Answer(s, "/tmp/отчёты", 1);
          })
        .chooser("folder", [](afxtest::DialogStep& s) { Answer(s, "", 0); })
        .chooser("folder", [](afxtest::DialogStep& s) { Answer(s, std::string(300, 'x').c_str(), 1); });
    char buffer[261] = "/tmp/старт";
    EXPECT_NE(BrowseForFolder(nullptr, "Выбор директории источника", buffer), 0);
    EXPECT_STREQ(buffer, "/tmp/отчёты");
    EXPECT_EQ(BrowseForFolder(nullptr, "Выбор директории вывода", buffer), 0) << "cancelled";
    EXPECT_STREQ(buffer, "/tmp/отчёты");
    EXPECT_EQ(BrowseForFolder(nullptr, "Выбор директории вывода", buffer), 0) << "too long for the buffer";
    EXPECT_STREQ(buffer, "/tmp/отчёты");
    script.verify();
}

// The error box: one line of what failed with the server's own words; the
// kind's advice, the driver's diagnostics and the whole statement behind
// "Подробнее".
TEST(WindowHelpers, ADatabaseErrorReadsAsOneLineWithTheDetailsBelow)
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    ASSERT_TRUE(ExecuteSql("create table box_test (id int primary key, note varchar(20))\n"
                           "insert into box_test values (1, 'первая')"));
    struct Case {
        const char* what;
        std::function<void()> fail;
        QString line;
        QStringList inDetails;
    } cases[] = {
        {"a document's save refused by the server",
         [] {
             CDbTask task("Не удалось записать документ");
             ExecuteSql("insert into box_test values (1, 'вторая')");
         },
         QStringLiteral("Не удалось записать документ: Duplicate entry '1' for key 'PRIMARY'"),
         {DbErrorMessage(DbErrorKind::Constraint).ToQString(), QStringLiteral("SQLSTATE 23000, код 1062"),
          QStringLiteral("]Duplicate entry"), QStringLiteral("insert into box_test values (1, 'вторая')")}},
        {"a read of a table that is not there",
         [] { ExecuteString("select note as str from no_such_table"); },
         QStringLiteral("Не удалось прочитать данные: Table '%1.no_such_table' doesn't exist")
             .arg(GetDataBaseName().ToQString()),
         {QStringLiteral("SQLSTATE 42S02"), QStringLiteral("select note as str from no_such_table")}},
        {"the server gone",
         [] {
             ReportDBError(_com_error(E_FAIL, "Lost connection", "выполнение: update tn set g=2026",
                                      {DbDiagnostic{"HY000", 2013, "[ma-3.1.20]Lost connection to server during query"}}),
                           1, NULL);
         },
         QStringLiteral("Нет связи с сервером базы данных: Lost connection to server during query"),
         {DbErrorMessage(DbErrorKind::ConnectionLost).ToQString(), QStringLiteral("SQLSTATE HY000, код 2013"),
          QStringLiteral("update tn set g=2026")}},
    };
    const DbErrorHook previous = SetDbErrorHook(&ShowDbErrorReport);
    for (const Case& c : cases) {
        afxtest::InteractionScript script;
        script.message(c.line, IDOK);
        c.fail();
        script.verify();
        ASSERT_EQ(script.details().size(), 1) << c.what;
        for (const QString& part : c.inDetails)
            EXPECT_TRUE(script.details()[0].contains(part))
                << c.what << ": " << part.toStdString() << " in " << script.details()[0].toStdString();
    }
    SetDbErrorHook(previous);
    EXPECT_EQ(LoadIconAsBitmap(nullptr, 64999), nullptr);
}

}  // namespace
