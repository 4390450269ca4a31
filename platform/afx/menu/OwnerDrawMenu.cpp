#include "menu/OwnerDrawMenu.h"
#include "bars/AfxBarDefs.h"
#include "gdi/AfxGdi.h"
#include "menu/CMenu.h"
#include "wnd/AfxDispatch.h"
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <optional>

namespace {

thread_local HMENU t_measuring = nullptr;
thread_local int t_tracking = 0;
thread_local int t_chosen = 0;

const MenuItem* itemAt(HMENU h, const QAction* a)
{
    MenuRecord* rec = MenuTable::find(h);
    bool ok = false;
    int index = a ? a->data().toInt(&ok) : -1;
    return rec && ok && index >= 0 && index < (int)rec->items.size() ? &rec->items[index] : nullptr;
}

UINT itemIdOf(const MenuItem& item)
{
    return (item.type & MF_POPUP) ? (UINT)(UINT_PTR)item.sub : item.id;
}

// WM_MEASUREITEM/WM_DRAWITEM to the owner; an owner without a handler gets
// the default (the menu's own object measures and draws).
void sendOwnerDraw(HMENU h, UINT msg, void* record)
{
    CWnd* owner = CWnd::FromHandle(MenuTable::ownerOf(h));
    HMENU previous = t_measuring;
    t_measuring = h;
    if (owner && owner->FindMessageEntry(msg, 0, 0)) {
        AfxGuardedCall(owner, [&] { owner->SendMessage(msg, 0, reinterpret_cast<LPARAM>(record)); });
    } else if (msg == WM_MEASUREITEM) {
        AfxDefaultMeasureMenuItem(static_cast<LPMEASUREITEMSTRUCT>(record));
    } else {
        AfxDefaultDrawMenuItem(static_cast<LPDRAWITEMSTRUCT>(record));
    }
    t_measuring = previous;
}

QSize measure(HMENU h, const MenuItem& item)
{
    MEASUREITEMSTRUCT mis = { ODT_MENU, 0, itemIdOf(item), 0, 0, item.data };
    sendOwnerDraw(h, WM_MEASUREITEM, &mis);
    return QSize((int)mis.itemWidth, (int)mis.itemHeight);
}

void draw(QPainter& p, QWidget* w, HMENU h, const MenuItem& item, const QRect& r, UINT state)
{
    p.save();
    HDC hdc = CDC::AfxCreatePainterDC(&p, w);
    DRAWITEMSTRUCT dis = { ODT_MENU, 0, itemIdOf(item), ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(h), hdc,
                           RECT { r.left(), r.top(), r.right() + 1, r.bottom() + 1 }, item.data };
    sendOwnerDraw(h, WM_DRAWITEM, &dis);
    CDC::AfxDeletePainterDC(hdc);
    p.restore();
}

UINT stateOf(const MenuItem& item, bool selected, bool hot)
{
    UINT state = selected ? ODS_SELECTED : 0;
    if (hot)
        state |= ODS_HOTLIGHT;
    if (!item.enabled())
        state |= ODS_GRAYED | ODS_DISABLED;
    if (item.state & MF_CHECKED)
        state |= ODS_CHECKED;
    return state;
}

void command(HMENU h, UINT id)
{
    if (t_tracking > 0) {
        t_chosen = (int)id;
        return;
    }
    if (HWND owner = MenuTable::ownerOf(h))
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

class OwnerDrawMenu;
OwnerDrawMenu* popupFor(HMENU h);

// Owner-drawn items take the size their owner measured.
class OwnerDrawStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

OwnerDrawStyle* ownerDrawStyle()
{
    static QPointer<OwnerDrawStyle> style;
    if (!style) {
        style = new OwnerDrawStyle;
        style->setParent(qApp);
    }
    return style;
}

// What a popup and a menu bar share: the menu they show, the action the
// style is measuring, and the making and painting of their items.
class OwnerDrawnItems {
public:
    explicit OwnerDrawnItems(HMENU h) : m_menu(h) {}
    virtual ~OwnerDrawnItems() = default;
    HMENU handle() const { return m_menu; }
    mutable const QAction* measuring = nullptr;

protected:
    // A command's or a submenu's action for item `index`.
    QAction* actionFor(const MenuItem& item, int index, QWidget* parent) const;
    // Paints the visible items in the event's rectangle that stand wholly in
    // `room` (any place when it is null): owner-drawn ones by their owner
    // (state(action, item) gives the ODS_ bits), others by the style with
    // `element`.
    template <class Widget, class State>
    void paintItems(Widget* w, QPainter& p, const QRect& area, const QRect& room, QStyle::ControlElement element,
                    State state);
    HMENU m_menu;
};

QString qtText(const MenuItem& item) { return item.text.ToQString(); }

template <class Widget, class State>
void OwnerDrawnItems::paintItems(Widget* w, QPainter& p, const QRect& area, const QRect& room,
                                 QStyle::ControlElement element, State state)
{
    const auto list = w->actions();
    for (QAction* a : list) {
        QRect r = w->actionGeometry(a);
        if (!a->isVisible() || !r.isValid() || !area.intersects(r) || (room.isValid() && !room.contains(r)))
            continue;
        const MenuItem* item = itemAt(m_menu, a);
        if (item && item->ownerDrawn()) {
            draw(p, w, m_menu, *item, r, state(a, *item));
            if ((item->type & MF_POPUP) && element == QStyle::CE_MenuItem) {
                QStyleOption arrow;
                arrow.initFrom(w);
                arrow.rect = QRect(r.right() - 12, r.top(), 10, r.height());
                w->style()->drawPrimitive(QStyle::PE_IndicatorArrowRight, &arrow, &p, w);
            }
            continue;
        }
        QStyleOptionMenuItem opt;
        w->initStyleOption(&opt, a);
        opt.rect = r;
        w->style()->drawControl(element, &opt, &p, w);
    }
}

class OwnerDrawMenu : public QMenu, public OwnerDrawnItems {
public:
    explicit OwnerDrawMenu(HMENU h) : OwnerDrawnItems(h)
    {
        setStyle(ownerDrawStyle());
        setSeparatorsCollapsible(false);
        connect(this, &QMenu::aboutToShow, this, [this] { prepare(); });
    }
    void prepare();
    void rebuild();
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override
    {
        measuring = action;
        QMenu::initStyleOption(option, action);
    }

protected:
    void paintEvent(QPaintEvent* e) override;
};

class OwnerDrawMenuBar : public QMenuBar, public OwnerDrawnItems {
public:
    explicit OwnerDrawMenuBar(HMENU h) : OwnerDrawnItems(h)
    {
        setNativeMenuBar(false);
        setStyle(ownerDrawStyle());
    }
    void rebuild();
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override
    {
        measuring = action;
        QMenuBar::initStyleOption(option, action);
    }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRect itemsRoom() const;
};

QAction* OwnerDrawnItems::actionFor(const MenuItem& item, int index, QWidget* parent) const
{
    QAction* a = nullptr;
    if (item.type & MF_POPUP) {
        a = popupFor(item.sub)->menuAction();
        a->setText(qtText(item));
    } else {
        a = new QAction(qtText(item), parent);
        HMENU h = m_menu;
        UINT id = item.id;
        QObject::connect(a, &QAction::triggered, parent, [h, id] { command(h, id); });
        a->setCheckable(item.state & MF_CHECKED);
        a->setChecked(item.state & MF_CHECKED);
        if (item.bitmap)
            a->setIcon(QIcon(AfxQPixmap(item.bitmap)));
    }
    a->setData(index);
    a->setEnabled(item.enabled());
    return a;
}

QSize OwnerDrawStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                       const QWidget* widget) const
{
    auto* items = dynamic_cast<const OwnerDrawnItems*>(widget);
    if (items && (type == CT_MenuItem || type == CT_MenuBarItem)) {
        const MenuItem* item = itemAt(items->handle(), items->measuring);
        if (item && item->ownerDrawn()) {
            QSize measured = measure(items->handle(), *item);
            // A drop-down item is wider than its owner measured it by the
            // check mark's width less one, as the items of Windows menus are.
            if (type == CT_MenuItem)
                measured.rwidth() += GetSystemMetrics(SM_CXMENUCHECK) - 1;
            return measured;
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void OwnerDrawMenu::prepare()
{
    HWND owner = MenuTable::ownerOf(m_menu);
    int index = 0;
    MenuRecord* parent = MenuTable::parentOf(m_menu, &index);
    if (CWnd* w = CWnd::FromHandle(owner)) {
        if (parent && parent->bar) {
            HMENU bar = parent->handle;
            AfxGuardedCall(w, [&] { w->SendMessage(WM_INITMENU, (WPARAM)bar, 0); });
        }
        AfxGuardedCall(w, [&] { w->SendMessage(WM_INITMENUPOPUP, (WPARAM)m_menu, MAKELPARAM(index, FALSE)); });
    }
    rebuild();
}

void OwnerDrawMenu::rebuild()
{
    MenuRecord* rec = MenuTable::find(m_menu);
    clear();
    if (!rec)
        return;
    for (size_t i = 0; i < rec->items.size(); ++i) {
        const MenuItem& item = rec->items[i];
        if (item.separator()) {
            addSeparator()->setData((int)i);
            continue;
        }
        addAction(actionFor(item, (int)i, this));
    }
}

void OwnerDrawMenu::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    QStyleOptionMenuItem panel;
    panel.initFrom(this);
    panel.state = QStyle::State_None;
    style()->drawPrimitive(QStyle::PE_PanelMenu, &panel, &p, this);
    paintItems(this, p, e->rect(), QRect(), QStyle::CE_MenuItem, [this](QAction* a, const MenuItem& item) {
        return stateOf(item, a == activeAction() && !item.separator(), false);
    });
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.state = QStyle::State_None;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this);
    frame.midLineWidth = 0;
    style()->drawPrimitive(QStyle::PE_FrameMenu, &frame, &p, this);
}

void OwnerDrawMenuBar::rebuild()
{
    MenuRecord* rec = MenuTable::find(m_menu);
    clear();
    if (!rec)
        return;
    for (size_t i = 0; i < rec->items.size(); ++i) {
        if (!rec->items[i].separator())
            addAction(actionFor(rec->items[i], (int)i, this));
    }
    updateGeometry();
    update();
}

// Where the bar's items may stand: between its corner widgets (a maximized
// window's icon and buttons) and left of the button that lists the items that
// do not fit. The bar hides the items outside it; they are not painted under
// the buttons.
QRect OwnerDrawMenuBar::itemsRoom() const
{
    QRect room = rect();
    if (QWidget* left = cornerWidget(Qt::TopLeftCorner); left && left->isVisible())
        room.setLeft(qMax(room.left(), left->geometry().right() + 1));
    if (QWidget* right = cornerWidget(Qt::TopRightCorner); right && right->isVisible())
        room.setRight(qMin(room.right(), right->geometry().left() - 1));
    for (QWidget* child : findChildren<QWidget*>(QStringLiteral("qt_menubar_ext_button"), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            room.setRight(qMin(room.right(), child->geometry().left() - 1));
    }
    return room;
}

void OwnerDrawMenuBar::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    QStyleOptionMenuItem panel;
    panel.initFrom(this);
    panel.menuItemType = QStyleOptionMenuItem::EmptyArea;
    panel.rect = rect();
    style()->drawControl(QStyle::CE_MenuBarEmptyArea, &panel, &p, this);
    paintItems(this, p, e->rect(), itemsRoom(), QStyle::CE_MenuBarItem, [this](QAction* a, const MenuItem& item) {
        bool active = a == activeAction();
        bool open = active && a->menu() && a->menu()->isVisible();
        return stateOf(item, open, active && !open);
    });
}

OwnerDrawMenu* popupFor(HMENU h)
{
    MenuRecord* rec = MenuTable::find(h);
    if (!rec)
        return nullptr;
    if (auto* menu = dynamic_cast<OwnerDrawMenu*>(rec->qmenu.data()))
        return menu;
    auto* menu = new OwnerDrawMenu(h);
    rec->qmenu = menu;
    return menu;
}

} // namespace

void AfxMenuChanged(MenuRecord* rec)
{
    // A popup on the screen shows the change at once; others when they open.
    if (auto* menu = dynamic_cast<OwnerDrawMenu*>(rec->qmenu.data()); menu && menu->isVisible())
        menu->rebuild();
}

void AfxApplyMenuBar(HWND hWnd)
{
    CWnd* wnd = CWnd::FromHandle(hWnd);
    auto* main = wnd ? dynamic_cast<QMainWindow*>(wnd->GetQWidget()) : nullptr;
    if (!main)
        return;
    HMENU h = MenuTable::windowMenu(hWnd);
    auto* bar = dynamic_cast<OwnerDrawMenuBar*>(main->menuWidget());
    if (!h) {
        if (bar)
            bar->hide();
        return;
    }
    if (!bar || bar->handle() != h) {
        bar = new OwnerDrawMenuBar(h);
        main->setMenuBar(bar);
    }
    bar->show();
    bar->rebuild();
}

int AfxExecMenu(HMENU hMenu, const QPoint& pos)
{
    OwnerDrawMenu* menu = popupFor(hMenu);
    if (!menu)
        return 0;
    ++t_tracking;
    t_chosen = 0;
    menu->exec(pos);
    --t_tracking;
    return t_chosen;
}

QMenu* AfxPreparedMenu(HMENU hMenu)
{
    OwnerDrawMenu* menu = popupFor(hMenu);
    if (!menu)
        return nullptr;
    menu->prepare();
    menu->ensurePolished();
    menu->resize(menu->sizeHint());
    return menu;
}

HMENU AfxMeasuringMenu() { return t_measuring; }

void AfxDefaultMeasureMenuItem(LPMEASUREITEMSTRUCT lpMIS)
{
    if (CMenu* menu = lpMIS && lpMIS->CtlType == ODT_MENU ? CMenu::FromHandlePermanent(t_measuring) : nullptr)
        menu->MeasureItem(lpMIS);
}

void AfxDefaultDrawMenuItem(LPDRAWITEMSTRUCT lpDIS)
{
    HMENU h = lpDIS && lpDIS->CtlType == ODT_MENU ? reinterpret_cast<HMENU>(lpDIS->hwndItem) : nullptr;
    if (CMenu* menu = CMenu::FromHandlePermanent(h))
        menu->DrawItem(lpDIS);
}
