#include "MenuPlan.h"

#include "appcore.h"

#include <set>

namespace {

// The number of the list a name names; 0 when it is no number.
short ListNumber(const CString& name)
{
    bool ok = false;
    const int n = name.ToQString().trimmed().toInt(&ok);
    return ok && n > 0 && n <= 0x7FFF ? short(n) : 0;
}

std::vector<PlannedMenuItem> PlanList(const CArmRecord& arm, short list, std::set<short>& open)
{
    std::vector<PlannedMenuItem> planned;
    const std::vector<CMunuItem>* items = arm.GetMenuList(list);
    if (!items || !open.insert(list).second)
        return planned;
    for (const CMunuItem& item : *items) {
        CString name = item.m_strName;
        name.Trim();
        if (name == "Dummy")
            continue;
        PlannedMenuItem p;
        p.caption = item.m_strCaption;
        p.command = name;
        if (const short sub = ListNumber(name)) {
            p.kind = kMenuSubmenu;
            p.items = PlanList(arm, sub, open);
        } else if (name == "System.MenuSeparator") {
            p.kind = kMenuSeparator;
            p.caption.Empty();
        } else {
            p.kind = kMenuCommand;
            p.id = name == "System.MRU" ? kRecentFileCommand : item.m_nId == -1 ? kNoCommand : UINT(item.m_nId);
        }
        planned.push_back(std::move(p));
    }
    open.erase(list);
    return planned;
}

} // namespace

std::vector<PlannedMenuItem> PlanSubmenu(const CArmRecord& arm, short list)
{
    std::set<short> open;
    return PlanList(arm, list, open);
}

std::vector<PlannedMenuItem> PlanMenuBar(const CArmRecord& arm)
{
    std::vector<PlannedMenuItem> bar;
    for (const CMunuItem& top : arm.m_topMenu) {
        const short list = ListNumber(top.m_strName);
        if (list == 0)
            continue;
        PlannedMenuItem p;
        p.kind = kMenuBarItem;
        p.caption = top.m_strCaption;
        p.items = PlanSubmenu(arm, list);
        bar.push_back(std::move(p));
    }
    return bar;
}

int CountSubmenus(const std::vector<PlannedMenuItem>& items)
{
    int count = 0;
    for (const PlannedMenuItem& item : items)
        if (item.kind == kMenuBarItem || item.kind == kMenuSubmenu)
            count += 1 + CountSubmenus(item.items);
    return count;
}
