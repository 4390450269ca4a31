#include "bars/ToolBarWidget.h"
#include "res/AfxResources.h"
#include "wnd/AfxControlClass.h"
#include "wnd/AfxDispatch.h"
#include "wnd/CWnd.h"
#include <QAction>
#include <QHelpEvent>
#include <QToolButton>
#include <QToolTip>
#include <cstring>

AfxToolBarWidget::AfxToolBarWidget(QWidget* parent) : QToolBar(parent)
{
    setIconSize(bitmapSize);
    setFloatable(false);
}

AfxToolBarWidget::~AfxToolBarWidget()
{
    if (ownsImages)
        ImageList_Destroy(images);
}

int AfxToolBarWidget::indexOf(UINT id) const
{
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!(buttons[i].tb.fsStyle & TBSTYLE_SEP) && (UINT)buttons[i].tb.idCommand == id)
            return (int)i;
    }
    return -1;
}

void AfxToolBarWidget::command(UINT id)
{
    // To the frame, as a menu command is: a command its update handler
    // disables does not run.
    CWnd* frame = CWnd::FromQWidget(window());
    if (frame)
        AfxGuardedCall(frame, [&] { frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); });
}

void AfxToolBarWidget::rebuild()
{
    const auto old = actions();
    clear();
    qDeleteAll(old);
    setIconSize(bitmapSize);
    for (Button& b : buttons) {
        if (b.tb.fsStyle & TBSTYLE_SEP) {
            b.action = addSeparator();
            continue;
        }
        UINT id = (UINT)b.tb.idCommand;
        b.action = addAction(QString());
        connect(b.action, &QAction::triggered, this, [this, id] { command(id); });
        if (QWidget* button = widgetForAction(b.action))
            button->installEventFilter(this);
        setState((int)(&b - buttons.data()), b.tb.fsState);
    }
    m_imagesVersion = -1;
    refreshPictures();
}

void AfxToolBarWidget::refreshPictures()
{
    int version = AfxImageListVersion(images);
    if (version == m_imagesVersion)
        return;
    m_imagesVersion = version;
    QPixmap blank(bitmapSize);
    blank.fill(Qt::transparent);
    for (Button& b : buttons) {
        if (!b.action || (b.tb.fsStyle & TBSTYLE_SEP))
            continue;
        QPixmap picture = AfxImageListPicture(images, b.tb.iBitmap);
        b.action->setIcon(QIcon(picture.isNull() ? blank : picture));
    }
}

void AfxToolBarWidget::setState(int index, BYTE state)
{
    if (index < 0 || index >= (int)buttons.size())
        return;
    Button& b = buttons[index];
    b.tb.fsState = state;
    if (!b.action)
        return;
    b.action->setEnabled(state & TBSTATE_ENABLED);
    b.action->setVisible(!(state & TBSTATE_HIDDEN));
    b.action->setCheckable(b.tb.fsStyle & TBSTYLE_CHECK || (state & TBSTATE_CHECKED));
    b.action->setChecked(state & TBSTATE_CHECKED);
}

CString AfxToolBarWidget::toolTipFor(UINT id) const
{
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = hwnd;
    info.hdr.idFrom = id;
    info.hdr.code = TTN_GETDISPINFOA;
    info.lpszText = info.szText;
    if (CWnd* frame = CWnd::FromQWidget(window()))
        AfxGuardedCall(frame, [&] { frame->SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info)); });
    CString text;
    if (info.lpszText && IS_INTRESOURCE(info.lpszText))
        AfxLoadString((UINT)(UINT_PTR)info.lpszText, text, info.hinst);
    else if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKA)
        text = info.lpszText;
    if (!text.IsEmpty())
        return text;
    // The command's own string: "status bar prompt\ntool tip".
    CString full;
    if (AfxLoadString(id, full, nullptr)) {
        int nl = full.Find('\n');
        text = nl < 0 ? CString() : full.Mid(nl + 1);
    }
    return text;
}

bool AfxToolBarWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QToolBar::eventFilter(watched, event);
    auto* button = qobject_cast<QToolButton*>(watched);
    QAction* action = button ? button->defaultAction() : nullptr;
    for (const Button& b : buttons) {
        if (b.action && b.action == action) {
            CString tip = toolTipFor((UINT)b.tb.idCommand);
            if (tip.IsEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip.ToQString(), button);
            return true;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

AfxToolBarWidget* AfxToolBarOf(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? dynamic_cast<AfxToolBarWidget*>(w->GetQWidget()) : nullptr;
}

namespace {

LRESULT addButtons(AfxToolBarWidget* tb, int at, int count, LPCTBBUTTON buttons)
{
    if (!buttons || count <= 0)
        return FALSE;
    at = at < 0 || at > (int)tb->buttons.size() ? (int)tb->buttons.size() : at;
    for (int i = 0; i < count; ++i)
        tb->buttons.insert(tb->buttons.begin() + at + i, AfxToolBarWidget::Button { buttons[i], nullptr });
    tb->rebuild();
    return TRUE;
}

LRESULT buttonByIdOrIndex(AfxToolBarWidget* tb, UINT message, WPARAM wParam, LPARAM lParam)
{
    int index = tb->indexOf((UINT)wParam);
    if (index < 0)
        return message == TB_ISBUTTONENABLED || message == TB_ISBUTTONCHECKED ? FALSE : -1;
    BYTE state = tb->buttons[index].tb.fsState;
    switch (message) {
    case TB_ENABLEBUTTON:
        tb->setState(index, LOWORD(lParam) ? state | TBSTATE_ENABLED : state & ~TBSTATE_ENABLED);
        return TRUE;
    case TB_CHECKBUTTON:
        tb->setState(index, LOWORD(lParam) ? state | TBSTATE_CHECKED : state & ~TBSTATE_CHECKED);
        return TRUE;
    case TB_HIDEBUTTON:
        tb->setState(index, LOWORD(lParam) ? state | TBSTATE_HIDDEN : state & ~TBSTATE_HIDDEN);
        return TRUE;
    case TB_SETSTATE:
        tb->setState(index, (BYTE)LOWORD(lParam));
        return TRUE;
    case TB_GETSTATE:
        return state;
    case TB_ISBUTTONENABLED:
        return (state & TBSTATE_ENABLED) != 0;
    case TB_ISBUTTONCHECKED:
        return (state & TBSTATE_CHECKED) != 0;
    default:
        return index;  // TB_COMMANDTOINDEX
    }
}

// The messages of the toolbar's pictures, sizes and button rectangles.
LRESULT pictureMessage(AfxToolBarWidget* tb, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    switch (message) {
    case TB_SETIMAGELIST: {
        HIMAGELIST old = tb->images;
        if (tb->ownsImages && old != reinterpret_cast<HIMAGELIST>(lParam)) {
            ImageList_Destroy(old);
            old = nullptr;
        }
        tb->ownsImages = false;
        tb->images = reinterpret_cast<HIMAGELIST>(lParam);
        tb->rebuild();
        return (LRESULT)old;
    }
    case TB_GETIMAGELIST:
        return (LRESULT)tb->images;
    case TB_SETBUTTONSIZE:
        tb->buttonSize = QSize(LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case TB_SETBITMAPSIZE:
        tb->bitmapSize = QSize(LOWORD(lParam), HIWORD(lParam));
        tb->setIconSize(tb->bitmapSize);
        return TRUE;
    case TB_BUTTONSTRUCTSIZE:
    case TB_AUTOSIZE:
    case TB_SETEXTENDEDSTYLE:
    case TB_GETEXTENDEDSTYLE:
        return 0;
    case TB_GETITEMRECT: {
        QAction* a = (size_t)wParam < tb->buttons.size() ? tb->buttons[wParam].action : nullptr;
        QRect r = a ? tb->actionGeometry(a) : QRect();
        if (!a || !lParam)
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = RECT { r.left(), r.top(), r.right() + 1, r.bottom() + 1 };
        return TRUE;
    }
    default:
        handled = false;
        return 0;
    }
}

LRESULT toolbarProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    auto* tb = dynamic_cast<AfxToolBarWidget*>(pWnd->GetQWidget());
    handled = tb != nullptr;
    if (!tb)
        return 0;
    switch (message) {
    case TB_BUTTONCOUNT:
        return (LRESULT)tb->buttons.size();
    case TB_ADDBUTTONSA:
        return addButtons(tb, -1, (int)wParam, reinterpret_cast<LPCTBBUTTON>(lParam));
    case TB_INSERTBUTTONA:
        return addButtons(tb, (int)wParam, 1, reinterpret_cast<LPCTBBUTTON>(lParam));
    case TB_DELETEBUTTON:
        if ((size_t)wParam >= tb->buttons.size())
            return FALSE;
        tb->buttons.erase(tb->buttons.begin() + (long)wParam);
        tb->rebuild();
        return TRUE;
    case TB_GETBUTTON:
        if ((size_t)wParam >= tb->buttons.size() || !lParam)
            return FALSE;
        *reinterpret_cast<TBBUTTON*>(lParam) = tb->buttons[wParam].tb;
        return TRUE;
    case TB_ENABLEBUTTON:
    case TB_CHECKBUTTON:
    case TB_HIDEBUTTON:
    case TB_SETSTATE:
    case TB_GETSTATE:
    case TB_ISBUTTONENABLED:
    case TB_ISBUTTONCHECKED:
    case TB_COMMANDTOINDEX:
        return buttonByIdOrIndex(tb, message, wParam, lParam);
    default:
        return pictureMessage(tb, message, wParam, lParam, handled);
    }
}

QWidget* createToolbar(const AfxControlCreate& cc)
{
    auto* tb = new AfxToolBarWidget(cc.parent);
    tb->setObjectName(QStringLiteral("toolbar%1").arg(cc.id));
    return tb;
}

void connectToolbar(QWidget* widget, HWND h) { static_cast<AfxToolBarWidget*>(widget)->hwnd = h; }

} // namespace

void AfxRegisterToolbarClass()
{
    AfxControlClass cls = {};
    cls.name = "ToolbarWindow32";
    cls.create = createToolbar;
    cls.makeWrapper = [] { return new CWnd; };
    cls.proc = toolbarProc;
    cls.connect = connectToolbar;
    AfxRegisterControlClass(cls);
}
