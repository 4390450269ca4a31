#include "bars/CStatusBar.h"
#include "frm/CFrameWnd.h"
#include "res/AfxResources.h"
#include "wnd/AfxControlClass.h"
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <vector>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace {

struct Pane {
    UINT id = 0;
    UINT style = 0;
    int width = 0;
    CString text;
    QLabel* label = nullptr;
};

// The status bar widget ("msctls_statusbar32") and its panes.
class StatusBarWidget : public QStatusBar {
public:
    using QStatusBar::QStatusBar;
    std::vector<Pane> panes;

    void rebuild()
    {
        for (Pane& p : panes) {
            if (p.label) {
                removeWidget(p.label);
                delete p.label;
                p.label = nullptr;
            }
        }
        for (Pane& p : panes) {
            p.label = new QLabel(this);
            p.label->setFrameShape((p.style & SBPS_NOBORDERS) ? QFrame::NoFrame : QFrame::Panel);
            p.label->setFrameShadow((p.style & SBPS_POPOUT) ? QFrame::Raised : QFrame::Sunken);
            addWidget(p.label, (p.style & SBPS_STRETCH) ? 1 : 0);
            show(p);
        }
    }

    void show(Pane& p)
    {
        if (!p.label)
            return;
        const QString text = (p.style & SBPS_DISABLED) ? QString() : p.text.ToQString();
        p.label->setText(text);
        // A pane is as wide as the program asked, and wider where its text
        // needs it and the bar has room: the widths were chosen for a smaller
        // screen font than the one here, and a cut "Отчетный период ..."
        // tells the bookkeeper nothing. The least width stays the program's,
        // so a longer text never changes the window's own least size (a
        // window manager may then take a maximized window back to normal).
        const int extra = 2 * p.label->frameWidth() + 4;
        if (!(p.style & SBPS_STRETCH)) {
            const int width = qMax(p.width, p.label->fontMetrics().horizontalAdvance(text));
            p.label->setMinimumWidth(p.width + extra);
            p.label->setMaximumWidth(width + extra);
            p.label->setSizePolicy(QSizePolicy::Preferred, p.label->sizePolicy().verticalPolicy());
        } else {
            p.label->setMinimumWidth(p.width);
        }
    }

    Pane* pane(int index) { return index >= 0 && index < (int)panes.size() ? &panes[index] : nullptr; }
};

StatusBarWidget* barOf(const CWnd* w) { return w ? dynamic_cast<StatusBarWidget*>(w->GetQWidget()) : nullptr; }

// The text of a standard indicator without a string of its own.
CString indicatorText(UINT id)
{
    CString text;
    if (AfxLoadString(id, text, nullptr))
        return text;
    switch (id) {
    case ID_INDICATOR_EXT: return "EXT";
    case ID_INDICATOR_NUM: return "NUM";
    case ID_INDICATOR_SCRL: return "SCRL";
    case ID_INDICATOR_OVR: return "OVR";
    case ID_INDICATOR_REC: return "REC";
    default: return CString();
    }
}

LRESULT statusProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    StatusBarWidget* bar = barOf(pWnd);
    handled = bar && (message == WM_SETMESSAGESTRING || message == SB_SETTEXTA);
    if (!handled)
        return 0;
    // WM_SETMESSAGESTRING: the text, or the prompt of a string id; SB_SETTEXT: a pane.
    int index = message == SB_SETTEXTA ? (int)LOBYTE(wParam) : 0;
    CString text;
    if (message == WM_SETMESSAGESTRING && !lParam && wParam) {
        AfxLoadString((UINT)wParam, text, nullptr);
        int nl = text.Find('\n');
        if (nl >= 0)
            text = text.Left(nl);
    } else if (lParam) {
        text = reinterpret_cast<LPCTSTR>(lParam);
    }
    if (Pane* p = bar->pane(index)) {
        p->text = text;
        bar->show(*p);
    }
    return TRUE;
}

} // namespace

void AfxRegisterStatusBarClass()
{
    AfxControlClass cls = {};
    cls.name = "msctls_statusbar32";
    cls.create = [](const AfxControlCreate& cc) -> QWidget* { return new StatusBarWidget(cc.parent); };
    cls.makeWrapper = [] { return new CWnd; };
    cls.proc = statusProc;
    AfxRegisterControlClass(cls);
}

CStatusBar::CStatusBar() = default;
CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALIGN_ANY;
    if (!CWnd::CreateEx(0, "msctls_statusbar32", nullptr, dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    if (auto* frame = dynamic_cast<CFrameWnd*>(pParentWnd))
        frame->AddControlBar(this);
    return TRUE;
}

QWidget* CStatusBar::CreateWidget(CREATESTRUCT&, QWidget* pParentWidget)
{
    auto* bar = new StatusBarWidget(pParentWidget);
    bar->setSizeGripEnabled(false);
    if (auto* main = dynamic_cast<QMainWindow*>(pParentWidget))
        main->setStatusBar(bar);
    return bar;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    StatusBarWidget* bar = barOf(this);
    if (!bar || (nIDCount > 0 && !lpIDArray))
        return FALSE;
    bar->panes.clear();
    QFontMetrics fm(bar->font());
    for (int i = 0; i < nIDCount; ++i) {
        Pane p;
        p.id = lpIDArray[i];
        if (p.id == ID_SEPARATOR) {
            p.style = i == 0 ? SBPS_NOBORDERS | SBPS_STRETCH : SBPS_NORMAL;
        } else {
            p.text = indicatorText(p.id);
            p.width = fm.horizontalAdvance(p.text.ToQString());
        }
        bar->panes.push_back(p);
    }
    bar->rebuild();
    return TRUE;
}

int CStatusBar::GetCount() const
{
    StatusBarWidget* bar = barOf(this);
    return bar ? (int)bar->panes.size() : 0;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    StatusBarWidget* bar = barOf(this);
    for (int i = 0; bar && i < (int)bar->panes.size(); ++i) {
        if (bar->panes[i].id == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    Pane* p = barOf(this) ? barOf(this)->pane(nIndex) : nullptr;
    return p ? p->id : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    Pane* p = barOf(this) ? barOf(this)->pane(nIndex) : nullptr;
    QRect r = p && p->label ? p->label->geometry() : QRect();
    *lpRect = RECT { r.left(), r.top(), r.right() + 1, r.bottom() + 1 };
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    Pane* p = barOf(this) ? barOf(this)->pane(nIndex) : nullptr;
    return p ? p->text : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL)
{
    StatusBarWidget* bar = barOf(this);
    Pane* p = bar ? bar->pane(nIndex) : nullptr;
    if (!p)
        return FALSE;
    p->text = lpszNewText ? lpszNewText : "";
    bar->show(*p);
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    Pane* p = barOf(this) ? barOf(this)->pane(nIndex) : nullptr;
    nID = p ? p->id : 0;
    nStyle = p ? p->style : 0;
    cxWidth = p ? p->width : 0;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    StatusBarWidget* bar = barOf(this);
    Pane* p = bar ? bar->pane(nIndex) : nullptr;
    if (!p)
        return;
    bool stretchChanged = (p->style ^ nStyle) & SBPS_STRETCH;
    p->id = nID;
    p->style = nStyle;
    p->width = cxWidth;
    if (stretchChanged)
        bar->rebuild();
    else
        bar->show(*p);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    Pane* p = barOf(this) ? barOf(this)->pane(nIndex) : nullptr;
    return p ? p->style : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    UINT nID = 0, old = 0;
    int width = 0;
    GetPaneInfo(nIndex, nID, old, width);
    SetPaneInfo(nIndex, nID, nStyle, width);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    // Informative panes keep their text: only a pane with an update
    // handler is changed by it.
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = GetItemID((int)state.m_nIndex);
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(pTarget, FALSE);
    }
}

void CStatusCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    auto* bar = static_cast<CStatusBar*>(m_pOther);
    UINT style = bar->GetPaneStyle((int)m_nIndex) & ~SBPS_DISABLED;
    bar->SetPaneStyle((int)m_nIndex, bOn ? style : style | SBPS_DISABLED);
}

void CStatusCmdUI::SetCheck(int nCheck)
{
    auto* bar = static_cast<CStatusBar*>(m_pOther);
    UINT style = bar->GetPaneStyle((int)m_nIndex) & ~SBPS_POPOUT;
    bar->SetPaneStyle((int)m_nIndex, nCheck ? style | SBPS_POPOUT : style);
}

void CStatusCmdUI::SetText(LPCTSTR lpszText) { static_cast<CStatusBar*>(m_pOther)->SetPaneText((int)m_nIndex, lpszText); }
