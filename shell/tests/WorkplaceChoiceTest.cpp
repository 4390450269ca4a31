// The workplace choice: the configuration's workplaces that the user may
// enter, with their icons; one is taken without asking, none is refused.
#include "CSelectWorkingPlace.h"
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "ShellTestKit.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

class WorkplaceChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(shelltest::LoadDefaultConfiguration());
        ASSERT_TRUE(ExecuteSql("delete from system_tn_arm where tn in (60, 61, 62);\n"
                               "insert into system_tn_arm (tn, arm) values (60, 'СТОВАН');\n"
                               "insert into system_tn_arm (tn, arm) values (60, 'НЕТ ТАКОГО');\n"
                               "insert into system_tn_arm (tn, arm) values (61, 'ПАЙМАР');\n"
                               "insert into system_tn_arm (tn, arm) values (61, 'ЛЕДМАРК');\n"
                               "insert into system_tn_arm (tn, arm) values (61, 'ЛЕДМАРК');\n"
                               "insert into system_tn_arm (tn, arm) values (62, 'НЕТ ТАКОГО')"));
    }
    static int Index(const char* id) { return GetDataArchive()->FindArm(id); }
};

TEST_F(WorkplaceChoiceTest, SeveralWorkplacesAreOffered)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_SELECT_ARM, [](afxtest::DialogStep& d) {
        CCellwork* grid = static_cast<CCellwork*>(d.item(IDC_GRID));
        ASSERT_EQ(grid->GetNRows(), 3) << "the same workplace twice gives two rows";
        EXPECT_EQ(grid->GetCellValue(0, 0), CString("Бухгалтерия")) << "in workplace id order";
        EXPECT_EQ(grid->GetCellValue(0, 1), CString("Бухгалтерия"));
        EXPECT_EQ(grid->GetCellValue(0, 2), CString("Заработная плата"));
        shelltest::doubleClickCell(*grid, 0, 2);
    });
    CSelectWorkingPlace dlg;
    dlg.m_strTn = "61";
    dlg.m_strLogin = "-61 -x";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strLogin, CString("-61 -x -") + CString(QString::number(Index("ПАЙМАР"))));
}

TEST_F(WorkplaceChoiceTest, ChooseButtonTakesTheCurrentRow)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_SELECT_ARM, [](afxtest::DialogStep& d) {
        CCellwork* grid = static_cast<CCellwork*>(d.item(IDC_GRID));
        EXPECT_EQ(grid->GetCurRow(), 0);
        d.click(IDOK);
    });
    CSelectWorkingPlace dlg;
    dlg.m_strTn = "61";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strLogin, CString(" -") + CString(QString::number(Index("ЛЕДМАРК"))));
}

TEST_F(WorkplaceChoiceTest, OneWorkplaceIsTakenWithoutAsking)
{
    afxtest::InteractionScript script;
    CSelectWorkingPlace dlg;
    dlg.m_strTn = "60";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strLogin, CString(" -") + CString(QString::number(Index("СТОВАН"))));
}

TEST_F(WorkplaceChoiceTest, NoWorkplaceIsRefused)
{
    afxtest::InteractionScript script;
    // The message comes while the dialog is made; the dialog then closes itself.
    script.message(QStringLiteral("Для Вас не определены рабочие места"), IDOK)
        .dialog(IDD_SELECT_ARM, [](afxtest::DialogStep&) { afxtest::deliverPosted(); });
    CSelectWorkingPlace dlg;
    dlg.m_strTn = "62";
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_strLogin, CString(""));
}

} // namespace
