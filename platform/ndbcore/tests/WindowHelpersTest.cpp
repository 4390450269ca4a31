// The folder chooser and the message-box report of database errors, taken
// through the interaction script as a user would.
#include "InteractionScript.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(WindowHelpers, ReportsShowTheKindsMessageAndTheDriversText)
{
    afxtest::InteractionScript script;
    script.messageContaining("Нет связи с сервером базы данных", IDOK);
    const DbErrorHook previous = SetDbErrorHook(&ShowDbErrorReport);
    ReportDBError(_com_error(E_FAIL, "Lost connection to server", "чтение",
                             {DbDiagnostic{"HY000", 2013, "Lost connection to server"}}),
                  1, NULL);
    SetDbErrorHook(previous);
    script.verify();
    EXPECT_EQ(LoadIconAsBitmap(nullptr, 64999), nullptr);
}

}  // namespace
