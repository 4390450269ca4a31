// The workplace's menu as the frame builds it: submenus from numbered lists,
// "Dummy" left out, separators, the recent-files entry, items without a
// command, and a configuration whose lists loop.
#include "MenuPlan.h"
#include "StatusTexts.h"
#include "appcore.h"

#include <gtest/gtest.h>

namespace {

CMunuItem Item(const char* caption, const char* name, int id = -1)
{
    CMunuItem item;
    item.m_strCaption = caption;
    item.m_strName = name;
    item.m_nId = id;
    return item;
}

CArmRecord Workplace()
{
    CArmRecord arm;
    arm.m_topMenu = {Item("&Файл", "1"), Item("Пусто", "0"), Item("Текст", "abc"), Item("&Окно", " 3 ")};
    arm.m_menuLists[1] = {Item("&Период...\tF5", "App.PeriodKind", 20004), Item("", "System.MenuSeparator"),
                          Item("Ещё", "2"), Item("", "Dummy"), Item("Последний", "System.MRU"),
                          Item("Без команды", "Free.Text", -1)};
    arm.m_menuLists[2] = {Item("О программе", "App.About", 20001), Item("Снова", "2")};
    arm.m_menuLists[3] = {Item("Каскадом", "Window.Cascade", 20010)};
    return arm;
}

TEST(MenuPlanTest, MenuBarFromNumberedLists)
{
    const std::vector<PlannedMenuItem> bar = PlanMenuBar(Workplace());
    ASSERT_EQ(bar.size(), 2u) << "items naming no list (0, text) are left out";
    EXPECT_EQ(bar[0].kind, kMenuBarItem);
    EXPECT_EQ(bar[0].caption, CString("&Файл"));
    EXPECT_EQ(bar[1].caption, CString("&Окно"));
    EXPECT_EQ(bar[1].items.size(), 1u);

    const std::vector<PlannedMenuItem>& file = bar[0].items;
    ASSERT_EQ(file.size(), 5u) << "Dummy makes no entry";
    EXPECT_EQ(file[0].kind, kMenuCommand);
    EXPECT_EQ(file[0].id, 20004u);
    EXPECT_EQ(file[0].command, CString("App.PeriodKind"));
    EXPECT_EQ(file[0].caption, CString("&Период...\tF5"));
    EXPECT_EQ(file[1].kind, kMenuSeparator);
    EXPECT_EQ(file[2].kind, kMenuSubmenu);
    EXPECT_EQ(file[3].id, kRecentFileCommand);
    EXPECT_EQ(file[4].id, kNoCommand) << "id -1 stays disabled";

    const std::vector<PlannedMenuItem>& more = file[2].items;
    ASSERT_EQ(more.size(), 2u);
    EXPECT_EQ(more[0].id, 20001u);
    EXPECT_EQ(more[1].kind, kMenuSubmenu);
    EXPECT_TRUE(more[1].items.empty()) << "a list inside itself is not entered again";
    EXPECT_EQ(CountSubmenus(bar), 4) << "two on the bar, two nested";
}

TEST(MenuPlanTest, PeriodStatusText)
{
    EXPECT_EQ(PeriodStatusText(1, 3, 5, 2024), CString(" Отчетный период I квартал 2024 г."));
    EXPECT_EQ(PeriodStatusText(0, 3, 5, 2024), CString(" Отчетный период май 2024 г."));
    EXPECT_EQ(PeriodStatusText(2, 3, 5, 2024), CString(""));
}

} // namespace
