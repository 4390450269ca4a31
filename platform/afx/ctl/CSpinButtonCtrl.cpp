#include "ctl/CSpinButtonCtrl.h"
#include "res/DialogBuilder.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QBoxLayout>
#include <QElapsedTimer>
#include <QToolButton>
#include <vector>

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

namespace {

class UpDown : public QWidget {
public:
    UpDown(DWORD style, QWidget* parent) : QWidget(parent), style(style)
    {
        bool horz = style & UDS_HORZ;
        auto* layout = new QBoxLayout(horz ? QBoxLayout::RightToLeft : QBoxLayout::TopToBottom, this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        up = new QToolButton(this);
        down = new QToolButton(this);
        up->setArrowType(horz ? Qt::RightArrow : Qt::UpArrow);
        down->setArrowType(horz ? Qt::LeftArrow : Qt::DownArrow);
        for (QToolButton* b : { up, down }) {
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            layout->addWidget(b);
        }
    }
    // The step for how long an arrow has been held.
    int increment() const
    {
        int inc = accel.empty() ? 1 : (int)accel.front().nInc;
        qint64 held = pressed.isValid() ? pressed.elapsed() / 1000 : 0;
        for (const UDACCEL& a : accel) {
            if (held >= (qint64)a.nSec)
                inc = (int)a.nInc;
        }
        return inc;
    }

    DWORD style;
    QToolButton* up;
    QToolButton* down;
    int lower = 0;   // Windows' default range is 100..0 (up decreases)
    int upper = 100;
    int pos = 0;
    std::vector<UDACCEL> accel { { 0, 1 } };
    HWND buddy = nullptr;
    QElapsedTimer pressed;
};

UpDown* updown(const CWnd* w) { return dynamic_cast<UpDown*>(w->GetQWidget()); }

QWidget* create(const AfxControlCreate& cc)
{
    auto* u = new UpDown(cc.style, cc.parent);
    u->lower = 100;
    u->upper = 0;
    u->setGeometry(cc.rect);
    u->setFocusPolicy(Qt::NoFocus);
    return u;
}

void showInBuddy(UpDown* u)
{
    if (!(u->style & UDS_SETBUDDYINT))
        return;
    if (CWnd* b = CWnd::FromHandle(u->buddy))
        b->SetWindowText(CString(QString::number(u->pos)));
}

// Puts the control at the buddy's right (or left) edge, inside it as Windows does.
void attach(UpDown* u, CWnd* buddy)
{
    u->buddy = buddy ? buddy->m_hWnd : nullptr;
    if (!buddy || !(u->style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)))
        return;
    QWidget* b = buddy->GetQWidget();
    QRect r = b->geometry();
    int w = u->width();
    if (u->style & UDS_ALIGNRIGHT) {
        b->setGeometry(r.x(), r.y(), r.width() - w, r.height());
        u->setGeometry(r.right() - w + 1, r.y(), w, r.height());
    } else {
        b->setGeometry(r.x() + w, r.y(), r.width() - w, r.height());
        u->setGeometry(r.x(), r.y(), w, r.height());
    }
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    auto* ctl = static_cast<CSpinButtonCtrl*>(pWnd);
    handled = true;
    switch (message) {
    case WM_AFX_SIBLINGSREADY:
        if (UpDown* u = updown(pWnd); u && (u->style & UDS_AUTOBUDDY))
            ctl->SetBuddy(pWnd->GetWindow(GW_HWNDPREV));
        return 0;
    case UDM_SETRANGE: ctl->SetRange((short)HIWORD(lParam), (short)LOWORD(lParam)); return 0;
    case UDM_GETRANGE: return ctl->GetRange();
    case UDM_SETPOS: return ctl->SetPos((short)LOWORD(lParam));
    case UDM_GETPOS: return ctl->GetPos();
    case UDM_SETBUDDY: return (LRESULT)ctl->SetBuddy(CWnd::FromHandle((HWND)wParam))->GetSafeHwnd();
    }
    handled = false;
    return 0;
}

void connect(QWidget* w, HWND h)
{
    auto* u = static_cast<UpDown*>(w);
    for (QToolButton* b : { u->up, u->down }) {
        bool isUp = b == u->up;
        QObject::connect(b, &QToolButton::pressed, u, [u] { u->pressed.start(); });
        QObject::connect(b, &QToolButton::released, u, [u] { u->pressed.invalidate(); });
        QObject::connect(b, &QToolButton::clicked, u, [h, isUp] {
            if (auto* ctl = static_cast<CSpinButtonCtrl*>(CWnd::FromHandle(h)))
                ctl->Step(isUp);
        });
    }
}

} // namespace

void AfxRegisterUpDownClass()
{
    AfxRegisterControlClass(
        { "msctls_updown32", &create, [] { return static_cast<CWnd*>(new CSpinButtonCtrl); }, &proc, &connect });
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("msctls_updown32", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    if (UpDown* u = updown(this)) {
        u->lower = nLower;
        u->upper = nUpper;
    }
}

DWORD CSpinButtonCtrl::GetRange() const
{
    int lo = 0, hi = 0;
    GetRange32(lo, hi);
    return (DWORD)MAKELONG(hi, lo);
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    UpDown* u = updown(this);
    lower = u ? u->lower : 0;
    upper = u ? u->upper : 0;
}

int CSpinButtonCtrl::SetPos(int nPos)
{
    UpDown* u = updown(this);
    if (!u)
        return 0;
    int old = u->pos;
    u->pos = qBound(qMin(u->lower, u->upper), nPos, qMax(u->lower, u->upper));
    showInBuddy(u);
    return old;
}

int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const
{
    UpDown* u = updown(this);
    if (!u)
        return 0;
    // The buddy's text is the position when the user has typed into it.
    if (CWnd* b = (u->style & UDS_SETBUDDYINT) ? CWnd::FromHandle(u->buddy) : nullptr) {
        CString text;
        b->GetWindowText(text);
        bool ok = false;
        int v = text.ToQString().trimmed().toInt(&ok);
        if (ok)
            u->pos = v;
        if (lpbError)
            *lpbError = !ok;
    } else if (lpbError) {
        *lpbError = FALSE;
    }
    return u->pos;
}

int CSpinButtonCtrl::GetPos() const { return GetPos32(nullptr); }

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel)
{
    UpDown* u = updown(this);
    if (!u || nAccel <= 0 || !pAccel)
        return FALSE;
    u->accel.assign(pAccel, pAccel + nAccel);
    return TRUE;
}

UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const
{
    UpDown* u = updown(this);
    if (!u)
        return 0;
    for (int i = 0; i < nAccel && i < (int)u->accel.size(); ++i)
        pAccel[i] = u->accel[i];
    return (UINT)u->accel.size();
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    UpDown* u = updown(this);
    if (!u)
        return nullptr;
    CWnd* old = CWnd::FromHandle(u->buddy);
    attach(u, pWndBuddy);
    showInBuddy(u);
    return old;
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    UpDown* u = updown(this);
    return u ? CWnd::FromHandle(u->buddy) : nullptr;
}

int CSpinButtonCtrl::SetBase(int) { return 10; }

void CSpinButtonCtrl::Step(bool up)
{
    UpDown* u = updown(this);
    if (!u)
        return;
    int pos = GetPos();
    // The up arrow moves towards the upper end of the range.
    int delta = (u->upper >= u->lower ? 1 : -1) * (up ? 1 : -1) * u->increment();
    NMUPDOWN nm = {};
    nm.hdr.code = UDN_DELTAPOS;
    nm.iPos = pos;
    nm.iDelta = delta;
    HWND h = m_hWnd;
    if (AfxNotifyParentNM(h, &nm.hdr) || !IsWindow(h))
        return;
    int lo = qMin(u->lower, u->upper), hi = qMax(u->lower, u->upper);
    int next = pos + nm.iDelta;
    if (next < lo || next > hi)
        next = (u->style & UDS_WRAP) ? (next < lo ? hi : lo) : qBound(lo, next, hi);
    SetPos(next);
}
