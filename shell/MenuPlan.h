// The menu of a workplace as the main frame builds it from the configuration:
// the top-level items, each with the submenu of the numbered menu list its
// command name names, and inside a list the commands, separators, the
// recent-files entry and nested submenus.
#pragma once
#include "MenuMetrics.h"
#include "afx.h"

#include <vector>

struct CArmRecord;

// The command id of the first recent-file entry, and of items without a
// command (the frame never enables it).
constexpr UINT kRecentFileCommand = 57616;
constexpr UINT kNoCommand = 10000;

struct PlannedMenuItem {
    int kind = kMenuCommand;   // MenuItemKind
    CString caption;
    CString command;           // the command's name (its picture and tool tip are found by it)
    UINT id = 0;               // for commands and separators
    std::vector<PlannedMenuItem> items;  // a submenu's items
};

// The menu bar: one item of kind kMenuBarItem per top-level item whose
// command name is a number other than 0. A list met again inside itself (a
// configuration that loops) is not entered a second time.
std::vector<PlannedMenuItem> PlanMenuBar(const CArmRecord& arm);
// The items of numbered list `list`.
std::vector<PlannedMenuItem> PlanSubmenu(const CArmRecord& arm, short list);
// How many submenus the plan makes (the frame keeps one menu object each).
int CountSubmenus(const std::vector<PlannedMenuItem>& items);
