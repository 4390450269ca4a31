// The folder chooser and the message-box report of database errors, taken
// through the interaction script as a user would.
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "dlg/AfxFailureScope.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

// The error box: one line of what failed, in Russian only; the kind's
// advice, the server's and the driver's own words and the whole statement
// behind "Подробнее".
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
         QStringLiteral("Не удалось записать документ: данные нарушают правила базы данных."),
         {DbErrorMessage(DbErrorKind::Constraint).ToQString(), QStringLiteral("SQLSTATE 23000, код 1062"),
          QStringLiteral("]Duplicate entry '1' for key 'PRIMARY'"),
          QStringLiteral("insert into box_test values (1, 'вторая')")}},
        {"a read of a table that is not there",
         [] { ExecuteString("select note as str from no_such_table"); },
         QStringLiteral("Не удалось прочитать данные."),
         {QStringLiteral("SQLSTATE 42S02"),
          QStringLiteral("Table '%1.no_such_table' doesn't exist").arg(GetDataBaseName().ToQString()),
          QStringLiteral("select note as str from no_such_table")}},
        {"the server gone",
         [] {
             ReportDBError(_com_error(E_FAIL, "Lost connection", "выполнение: update tn set g=2026",
                                      {DbDiagnostic{"HY000", 2013, "[ma-3.1.20]Lost connection to server during query"}}),
                           1, NULL);
         },
         QStringLiteral("Нет связи с сервером базы данных."),
         {DbErrorMessage(DbErrorKind::ConnectionLost).ToQString(), QStringLiteral("SQLSTATE HY000, код 2013"),
          QStringLiteral("[ma-3.1.20]Lost connection to server during query"), QStringLiteral("update tn set g=2026")}},
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

// Enter in the error box answers it with its default button and closes it,
// wherever the focus is; "Подробнее..." opens the details only when pressed.
TEST(WindowHelpers, EnterClosesTheErrorBoxAndOpensNoDetails)
{
    const DbErrorHook previous = SetDbErrorHook(&ShowDbErrorReport);
    bool closed = false, detailsShown = true;
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Нет связи с сервером базы данных."), IDOK, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<QMessageBox*>(w))
                box = found;
        ASSERT_NE(box, nullptr);
        box->show();
        QApplication::processEvents();
        QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : box;
        afxtest::pressKey(focused, Qt::Key_Return);
        QApplication::processEvents();
        closed = !box->isVisible() && box->clickedButton() && box->clickedButton()->property("afx_id").toInt() == IDOK;
        detailsShown = false;
        for (QWidget* child : box->findChildren<QWidget*>())
            if (child->inherits("QTextEdit") && child->isVisible())
                detailsShown = true;
    });
    ReportDBError(_com_error(E_FAIL, "Lost connection", "выполнение: select 1",
                             {DbDiagnostic{"HY000", 2013, "[ma-3.1.20]Lost connection to server during query"}}),
                  1, NULL);
    script.verify();
    SetDbErrorHook(previous);
    EXPECT_TRUE(closed) << "Enter closes the box with its default button";
    EXPECT_FALSE(detailsShown);
}

// While a piece of work keeps its failures together (a document's checks),
// its first failure is shown, its later ones are not, and what it would say
// after the failure is not either: a question is answered as refused.
TEST(WindowHelpers, AFailureIsToldOnceWithinItsWork)
{
    const DbErrorHook previous = SetDbErrorHook(&ShowDbErrorReport);
    const _com_error lost(E_FAIL, "Lost connection", "выполнение: select 1",
                          {DbDiagnostic{"HY000", 2003, "[ma-3.1.20]Can't connect to server on '127.0.0.1' (115)"}});
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Нет связи с сервером базы данных."), IDOK);
        CAfxFailureScope checks;
        EXPECT_FALSE(checks.Failed());
        ReportDBError(lost, 1, NULL);
        EXPECT_TRUE(checks.Failed());
        ReportDBError(lost, 1, NULL);
        EXPECT_EQ(AfxMessageBox("Нет такого счета"), IDOK);
        EXPECT_EQ(AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION), IDNO);
        script.verify();
    }
    // Outside the work everything is shown again.
    afxtest::InteractionScript after;
    after.message(QStringLiteral("Нет связи с сервером базы данных."), IDOK).message(QStringLiteral("Нет такого счета"), IDOK);
    ReportDBError(lost, 1, NULL);
    AfxMessageBox("Нет такого счета");
    after.verify();
    SetDbErrorHook(previous);
}

}  // namespace
