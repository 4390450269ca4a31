// Menus: the Windows menu calls on a menu tree, the frame's menu bar from
// the resources, update handlers before a popup opens, owner-drawn items
// measured and painted by their CMenu (a picture of the popup), and
// TrackPopupMenu as a step of the interaction script.
#include "FrameTestKit.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "menu/OwnerDrawMenu.h"
#include <QCoreApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace frametest;

namespace {

// An owner-drawn menu as the shell draws its own: a grey stripe at the
// left, the selection in a blue tint, two-line separators, the shortcut at
// the right, greyed text for disabled items.
struct ItemRecord {
    CString caption;
    int kind;  // 1 separator, 2 command, 3 submenu
};

class StripeMenu : public CMenu {
public:
    QStringList measured;
    QStringList drawn;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        auto* rec = reinterpret_cast<ItemRecord*>(mis->itemData);
        if (!rec)
            return;
        measured << rec->caption.ToQString();
        CWnd* main = AfxGetMainWnd();
        CDC* dc = main->GetDC();
        CSize extent = dc->GetTextExtent(rec->caption);
        main->ReleaseDC(dc);
        mis->itemWidth = extent.cx + (rec->caption.Find('\t') >= 0 ? 80 : 30);
        mis->itemHeight = rec->kind == 1 ? 8 : 21;
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        auto* rec = reinterpret_cast<ItemRecord*>(dis->itemData);
        if (!rec)
            return;
        CDC dc;
        dc.Attach(dis->hDC);
        CRect r(dis->rcItem);
        bool selected = (dis->itemState & ODS_SELECTED) && !(dis->itemState & ODS_GRAYED);
        dc.FillSolidRect(&r, selected ? RGB(166, 174, 255) : GetSysColor(COLOR_MENU));
        for (int x = 0; x < 24; ++x)
            dc.FillSolidRect(r.left + 23 - x, r.top, 1, r.Height(), RGB(qMin(194 + 4 * x, 255), qMin(194 + 4 * x, 255),
                                                                        qMin(194 + 4 * x, 255)));
        QString state = QStringLiteral("%1%2%3").arg(selected ? "S" : "").arg(dis->itemState & ODS_GRAYED ? "G" : "")
                            .arg(dis->itemState & ODS_CHECKED ? "C" : "");
        drawn << rec->caption.ToQString() + (state.isEmpty() ? QString() : ":" + state);
        if (rec->kind == 1) {
            CPen light(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)), dark(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
            CPen* old = dc.SelectObject(&light);
            dc.MoveTo(r.left + 28, r.CenterPoint().y);
            dc.LineTo(r.right, r.CenterPoint().y);
            dc.SelectObject(&dark);
            dc.MoveTo(r.left + 28, r.CenterPoint().y - 1);
            dc.LineTo(r.right, r.CenterPoint().y - 1);
            dc.SelectObject(old);
        } else {
            CString text = rec->caption, shortcut;
            int tab = text.Find('\t');
            if (tab >= 0) {
                shortcut = text.Mid(tab + 1);
                text = text.Left(tab);
            }
            dc.SetBkMode(TRANSPARENT);
            dc.SetTextColor(dis->itemState & ODS_GRAYED ? RGB(127, 127, 127) : RGB(0, 0, 0));
            CRect textRect(r.left + 34, r.top, r.right - 15, r.bottom);
            dc.DrawText(text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            dc.DrawText(shortcut, &textRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        }
        dc.Detach();
    }
};

// Turns every item of a menu into an owner-drawn one, as the shell does.
void makeOwnerDrawn(CMenu* menu, std::vector<std::unique_ptr<ItemRecord>>& records)
{
    for (UINT i = 0; i < menu->GetMenuItemCount(); ++i) {
        MENUITEMINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA;
        ASSERT_TRUE(menu->GetMenuItemInfo(i, &info, TRUE));
        if (info.fType & MFT_OWNERDRAW)
            continue;
        auto rec = std::make_unique<ItemRecord>();
        menu->GetMenuString(i, rec->caption, MF_BYPOSITION);
        rec->kind = info.hSubMenu ? 3 : (info.fType & MFT_SEPARATOR) ? 1 : 2;
        UINT flags = MF_BYPOSITION | MF_OWNERDRAW | (info.fType & MFT_SEPARATOR) | (info.fState & MF_CHECKED)
            | (info.hSubMenu ? MF_POPUP : 0);
        UINT_PTR id = info.hSubMenu ? (UINT_PTR)info.hSubMenu : info.wID;
        menu->ModifyMenu(i, flags, id, reinterpret_cast<LPCTSTR>(rec.get()));
        records.push_back(std::move(rec));
    }
}

class MenuFrame : public MainFrame {
public:
    bool closeAllEnabled = false;
    bool periodsChecked = true;
    afx_msg void OnUpdateCloseAll(CCmdUI* pCmdUI) { pCmdUI->Enable(closeAllEnabled); }
    afx_msg void OnUpdatePeriods(CCmdUI* pCmdUI) { pCmdUI->SetCheck(periodsChecked); }
    afx_msg void OnSettings() { log() << "frame:settings"; }
    afx_msg void OnCloseAll() { log() << "frame:closeall"; }
    afx_msg void OnPeriods() { log() << "frame:periods"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuFrame, MainFrame)
    ON_UPDATE_COMMAND_UI(ID_CLOSEALL, OnUpdateCloseAll)
    ON_UPDATE_COMMAND_UI(ID_PERIODS, OnUpdatePeriods)
    ON_COMMAND(ID_SETTINGS, OnSettings)
    ON_COMMAND(ID_CLOSEALL, OnCloseAll)
    ON_COMMAND(ID_PERIODS, OnPeriods)
END_MESSAGE_MAP()

using MenuProgram = FrameProgram<MenuFrame>;

QString itemText(CMenu* menu, UINT pos)
{
    CString s;
    menu->GetMenuString(pos, s, MF_BYPOSITION);
    return s.ToQString();
}

} // namespace

TEST(MenuTest, MenuCallsOnATreeOfMenus)
{
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 101, "&Первый");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING | MF_GRAYED, 103, "Третий");
    popup.InsertMenu(0, MF_BYPOSITION | MF_STRING, 100, "Нулевой");
    HMENU sub = ::CreatePopupMenu();
    ::AppendMenu(sub, MF_STRING, 201, "Вложенный");
    popup.AppendMenu(MF_POPUP, (UINT_PTR)sub, "Ещё");
    bar.AppendMenu(MF_POPUP, (UINT_PTR)popup.Detach(), "&Файл");

    CMenu* file = bar.GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetMenuItemCount(), 5u);
    EXPECT_EQ(itemText(file, 0), QStringLiteral("Нулевой"));
    EXPECT_EQ(file->GetMenuItemID(2), 0u) << "a separator";
    EXPECT_EQ(file->GetMenuItemID(4), (UINT)-1) << "a popup";
    EXPECT_EQ(file->GetMenuState(103, MF_BYCOMMAND) & MF_GRAYED, (UINT)MF_GRAYED);
    EXPECT_EQ(bar.EnableMenuItem(103, MF_ENABLED), (UINT)MF_GRAYED) << "by command through the submenus";
    EXPECT_EQ(bar.CheckMenuItem(201, MF_CHECKED), 0u);
    EXPECT_EQ(::GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_EQ(file->GetMenuState(4, MF_BYPOSITION) >> 8, 1u) << "a popup's state counts its items";

    char small[4];
    EXPECT_EQ(file->GetMenuString(1, small, sizeof small, MF_BYPOSITION), 3) << "cut to the buffer (bytes)";
    ItemRecord rec { "Свой", 2 };
    file->ModifyMenu(1, MF_BYPOSITION | MF_OWNERDRAW, 101, reinterpret_cast<LPCTSTR>(&rec));
    MENUITEMINFO info = {};
    info.fMask = MIIM_TYPE | MIIM_DATA | MIIM_ID;
    file->GetMenuItemInfo(1, &info, TRUE);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(&rec));
    EXPECT_EQ(info.wID, 101u);
    EXPECT_EQ(itemText(file, 1), QString()) << "an owner-drawn item has no string";

    EXPECT_TRUE(file->RemoveMenu(4, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(sub)) << "RemoveMenu keeps the submenu";
    file->AppendMenu(MF_POPUP, (UINT_PTR)sub, "Ещё");
    EXPECT_TRUE(file->DeleteMenu(4, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(sub)) << "DeleteMenu destroys it";
    HMENU fileHandle = file->m_hMenu;
    EXPECT_TRUE(bar.DestroyMenu());
    EXPECT_FALSE(IsMenu(fileHandle)) << "a menu takes its submenus along";
}

TEST(MenuTest, TheFrameMenuBarAndItsCommands)
{
    MenuProgram p;
    auto* main = dynamic_cast<QMainWindow*>(p.frame->GetQWidget());
    ASSERT_NE(main->menuBar(), nullptr);
    QList<QAction*> top = main->menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Файл"));
    CMenu* menu = p.frame->GetMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->m_hMenu, p.frame->m_hMenuDefault);

    // Update handlers run before the popup opens: disabled and checked items.
    HMENU file = ::GetSubMenu(menu->m_hMenu, 0);
    HMENU windows = ::GetSubMenu(menu->m_hMenu, 1);
    QMenu* popup = AfxPreparedMenu(windows);
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->actions().at(1)->isEnabled()) << "its update handler disables it";
    EXPECT_FALSE(popup->actions().at(0)->isEnabled()) << "a window command without a child window";
    QMenu* filePopup = AfxPreparedMenu(file);
    EXPECT_TRUE(filePopup->actions().at(2)->isChecked());
    EXPECT_FALSE(::GetMenuState(file, ID_SETTINGS, MF_BYCOMMAND) & MF_GRAYED) << "its handler enables it";
    p.frame->closeAllEnabled = true;
    AfxPreparedMenu(windows);
    EXPECT_TRUE(popup->actions().at(1)->isEnabled());

    // A chosen item posts its command to the frame.
    log().clear();
    filePopup->actions().at(0)->trigger();
    EXPECT_TRUE(log().isEmpty()) << "posted, not sent";
    afxtest::deliverPosted();
    EXPECT_EQ(log(), QStringList { "frame:settings" });
}

TEST(MenuTest, OwnerDrawnItemsAreMeasuredAndPaintedByTheirMenu)
{
    MenuProgram p;
    std::vector<std::unique_ptr<ItemRecord>> records;
    StripeMenu file;
    ASSERT_TRUE(file.Attach(::GetSubMenu(p.frame->GetMenu()->m_hMenu, 0)));
    makeOwnerDrawn(&file, records);
    p.frame->periodsChecked = true;

    QMenu* popup = AfxPreparedMenu(file.m_hMenu);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(file.measured.size(), 4) << file.measured.join(",").toStdString();
    QRect settings = popup->actionGeometry(popup->actions().at(0));
    QRect separator = popup->actionGeometry(popup->actions().at(1));
    EXPECT_EQ(settings.height(), 21);
    EXPECT_EQ(separator.height(), 8);
    CDC* dc = p.frame->GetDC();
    int captionWidth = dc->GetTextExtent(CString("&Настройки...\tF7")).cx;
    p.frame->ReleaseDC(dc);
    EXPECT_GE(settings.width(), captionWidth + 80) << "80 more with a shortcut";

    popup->setActiveAction(popup->actions().at(0));
    QImage picture = popup->grab().toImage();
    QDir().mkpath(QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots"));
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots/owner_menu.png")));
    EXPECT_EQ(file.drawn.size(), 4);
    EXPECT_TRUE(file.drawn.contains(QStringLiteral("&Настройки...\tF7:S"))) << file.drawn.join(",").toStdString();
    EXPECT_TRUE(file.drawn.contains(QStringLiteral("Отчетный &период:C")));
    EXPECT_GT(afxtest::distinctColours(picture), 10) << "not blank";
    qreal dpr = picture.devicePixelRatio();
    QPoint inSelection = (settings.topLeft() + QPoint(settings.width() / 2, 2)) * dpr;
    EXPECT_EQ(QColor(picture.pixel(inSelection)), QColor(166, 174, 255)) << "the selected item's background";
    QPoint inStripe = (separator.topLeft() + QPoint(23, separator.height() / 2)) * dpr;
    EXPECT_EQ(QColor(picture.pixel(inStripe)), QColor(194, 194, 194)) << "the stripe's darkest column";
    file.Detach();
}

// The buttons a maximized child window puts into the menu bar's corner.
struct CornerButtons : QWidget {
    explicit CornerButtons(QSize size) : hint(size) {}
    QSize sizeHint() const override { return hint; }
    QSize hint;
};

TEST(MenuTest, BarItemsBehindAMaximizedWindowsButtonsAreNotPainted)
{
    MenuProgram p;
    std::vector<std::unique_ptr<ItemRecord>> records;
    StripeMenu bar;
    ASSERT_TRUE(bar.Attach(p.frame->GetMenu()->m_hMenu));
    makeOwnerDrawn(&bar, records);
    p.frame->DrawMenuBar();
    auto* main = dynamic_cast<QMainWindow*>(p.frame->GetQWidget());
    QMenuBar* menuBar = main->menuBar();
    QList<QAction*> top = menuBar->actions();
    ASSERT_EQ(top.size(), 2);
    // The buttons of a maximized child window stand in the bar's right corner,
    // over the place of the second item.
    auto* buttons = new CornerButtons(QSize(menuBar->width() - menuBar->actionGeometry(top[0]).right() - 40, 16));
    menuBar->setCornerWidget(buttons, Qt::TopRightCorner);
    buttons->show();
    QCoreApplication::processEvents();
    bar.drawn.clear();
    menuBar->grab();
    EXPECT_EQ(bar.drawn, QStringList { QStringLiteral("&Файл") }) << bar.drawn.join(",").toStdString();
    bar.Detach();
}

TEST(MenuTest, TrackPopupMenuIsAStepOfTheScript)
{
    MenuProgram p;
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, ID_SETTINGS, "Настройки");
    popup.AppendMenu(MF_STRING, ID_PERIODS, "Период");
    afxtest::InteractionScript script;
    script.chooser("menu", [](afxtest::DialogStep& d) { d.request().result = ID_PERIODS; })
        .chooser("menu", [](afxtest::DialogStep& d) { d.request().result = ID_SETTINGS; });
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 10, 10, p.frame), (BOOL)ID_PERIODS);
    log().clear();
    EXPECT_TRUE(popup.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, p.frame));
    afxtest::deliverPosted();
    EXPECT_EQ(log(), QStringList { "frame:settings" });
    script.verify();
}
