#include "ctl/CButton.h"
#include "gdi/AfxGdi.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

IMPLEMENT_DYNAMIC(CButton, CWnd)

namespace {

// A check box or radio button that changes its state only when told to
// (BS_CHECKBOX, BS_3STATE, BS_RADIOBUTTON), or by itself (the AUTO styles).
template <class Base> class StateButton : public Base {
public:
    StateButton(bool automatic, QWidget* parent) : Base(parent), m_auto(automatic) {}

protected:
    void nextCheckState() override
    {
        if (m_auto)
            Base::nextCheckState();
    }

private:
    bool m_auto;
};

DWORD kindOf(DWORD style) { return style & BS_TYPEMASK; }

QWidget* create(const AfxControlCreate& cc)
{
    QString text = cc.text.ToQString();
    QWidget* w = nullptr;
    switch (kindOf(cc.style)) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: {
        auto* b = new StateButton<QCheckBox>(kindOf(cc.style) == BS_AUTOCHECKBOX || kindOf(cc.style) == BS_AUTO3STATE,
                                             cc.parent);
        b->setTristate(kindOf(cc.style) == BS_3STATE || kindOf(cc.style) == BS_AUTO3STATE);
        b->setText(text);
        w = b;
        break;
    }
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
        auto* b = new StateButton<QRadioButton>(kindOf(cc.style) == BS_AUTORADIOBUTTON, cc.parent);
        b->setAutoExclusive(false);
        b->setText(text);
        w = b;
        break;
    }
    case BS_GROUPBOX: {
        auto* g = new QGroupBox(text, cc.parent);
        g->setFocusPolicy(Qt::NoFocus);
        w = g;
        break;
    }
    default: {
        auto* b = new QPushButton(text, cc.parent);
        b->setAutoDefault(false);
        b->setDefault(kindOf(cc.style) == BS_DEFPUSHBUTTON);
        w = b;
        break;
    }
    }
    w->setGeometry(cc.rect);
    if (w->focusPolicy() != Qt::NoFocus)
        w->setFocusPolicy(cc.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    return w;
}

QAbstractButton* button(const CWnd* w) { return qobject_cast<QAbstractButton*>(w->GetQWidget()); }

void setState(QAbstractButton* b, int nCheck)
{
    if (auto* c = qobject_cast<QCheckBox*>(b)) {
        c->setCheckState(nCheck == BST_CHECKED ? Qt::Checked
                                               : (nCheck == BST_INDETERMINATE ? Qt::PartiallyChecked : Qt::Unchecked));
        return;
    }
    if (!b->isCheckable())
        return;
    // An exclusive group does not let its checked button be cleared.
    QButtonGroup* g = b->group();
    bool exclusive = g && g->exclusive();
    if (exclusive && !nCheck)
        g->setExclusive(false);
    b->setChecked(nCheck == BST_CHECKED);
    if (exclusive && !nCheck)
        g->setExclusive(true);
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    CButton* btn = static_cast<CButton*>(pWnd);
    handled = true;
    switch (message) {
    case BM_GETCHECK:
        return btn->GetCheck();
    case BM_SETCHECK:
        btn->SetCheck((int)wParam);
        return 0;
    case BM_GETSTATE:
        return btn->GetState();
    case BM_CLICK:
        if (QAbstractButton* b = button(pWnd))
            b->click();
        return 0;
    case BM_SETIMAGE:
        return wParam == IMAGE_ICON ? (LRESULT)btn->SetIcon((HICON)lParam) : (LRESULT)btn->SetBitmap((HBITMAP)lParam);
    case WM_GETDLGCODE: {
        DWORD kind = kindOf(pWnd->GetStyle());
        if (kind == BS_DEFPUSHBUTTON)
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (kind == BS_PUSHBUTTON)
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON)
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        return kind == BS_GROUPBOX ? DLGC_STATIC : DLGC_BUTTON;
    }
    }
    handled = false;
    return 0;
}

void connect(QWidget* w, HWND h)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        QObject::connect(b, &QAbstractButton::clicked, b, [h] { AfxNotifyParent(h, BN_CLICKED); });
}

} // namespace

void AfxRegisterButtonClass()
{
    AfxRegisterControlClass({ "Button", &create, [] { return static_cast<CWnd*>(new CButton); }, &proc, &connect });
}

void AfxGroupRadioButtons(CWnd* pParent)
{
    QButtonGroup* group = nullptr;
    for (CWnd* w = pParent->GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT)) {
        DWORD style = w->GetStyle();
        if (style & WS_GROUP)
            group = nullptr;
        auto* radio = qobject_cast<QRadioButton*>(w->GetQWidget());
        if (!radio || kindOf(style) != BS_AUTORADIOBUTTON)
            continue;
        if (!group)
            group = new QButtonGroup(pParent->GetQWidget());
        group->addButton(radio);
    }
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("Button", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

int CButton::GetCheck() const
{
    QAbstractButton* b = button(this);
    if (auto* c = qobject_cast<QCheckBox*>(b))
        return c->checkState() == Qt::Checked ? BST_CHECKED
                                              : (c->checkState() == Qt::PartiallyChecked ? BST_INDETERMINATE : BST_UNCHECKED);
    return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck)
{
    if (QAbstractButton* b = button(this))
        setState(b, nCheck);
}

UINT CButton::GetState() const
{
    QAbstractButton* b = button(this);
    UINT state = (UINT)GetCheck();
    if (b && b->isDown())
        state |= 0x0004;
    if (b && b->hasFocus())
        state |= 0x0008;
    return state;
}

UINT CButton::GetButtonStyle() const { return (UINT)(GetStyle() & 0xFFFF); }

void CButton::SetButtonStyle(UINT nStyle, BOOL)
{
    ModifyStyle(0xFFFF, nStyle);
    if (auto* p = qobject_cast<QPushButton*>(GetQWidget()))
        p->setDefault(kindOf(nStyle) == BS_DEFPUSHBUTTON);
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    if (QAbstractButton* b = button(this)) {
        QPixmap p = AfxQPixmap(hBitmap);
        b->setIcon(QIcon(p));
        b->setIconSize(p.size());
    }
    return nullptr;
}

HICON CButton::SetIcon(HICON hIcon) { return (HICON)SetBitmap((HBITMAP)hIcon); }
