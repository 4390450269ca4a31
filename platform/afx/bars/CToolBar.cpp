#include "bars/CToolBar.h"
#include "bars/ToolBarWidget.h"
#include "frm/CFrameWnd.h"
#include "res/AfxResources.h"
#include <QMainWindow>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

CToolBar::CToolBar() = default;
CToolBar::~CToolBar() = default;

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, CRect, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALIGN_ANY;
    if (!CWnd::CreateEx(0, "ToolbarWindow32", nullptr, dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    m_ctrl.m_hWnd = m_hWnd;
    if (auto* frame = dynamic_cast<CFrameWnd*>(pParentWnd))
        frame->AddControlBar(this);
    return TRUE;
}

QWidget* CToolBar::CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget)
{
    auto* tb = new AfxToolBarWidget(pParentWidget);
    if (auto* main = dynamic_cast<QMainWindow*>(pParentWidget))
        main->addToolBar((cs.style & CBRS_ALIGN_BOTTOM) ? Qt::BottomToolBarArea : Qt::TopToolBarArea, tb);
    return tb;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_imageSize = QSize(sizeImage.cx, sizeImage.cy);
    m_ctrl.SetButtonSize(CSize(sizeButton.cx, sizeButton.cy));
    m_ctrl.SetBitmapSize(CSize(sizeImage.cx, sizeImage.cy));
}

void CToolBar::SetHeight(int) {}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    AfxToolBarWidget* tb = AfxToolBarOf(m_hWnd);
    if (!tb || !hbmImageWell)
        return FALSE;
    HIMAGELIST list = ImageList_Create(m_imageSize.width(), m_imageSize.height(), ILC_COLOR32 | ILC_MASK, 0, 4);
    // Toolbar strips are drawn on the light grey of buttons.
    ImageList_AddMasked(list, hbmImageWell, RGB(192, 192, 192));
    m_ctrl.SendMessage(TB_SETIMAGELIST, 0, (LPARAM)list);
    tb->ownsImages = true;
    return TRUE;
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HBITMAP strip = ::LoadBitmap(AfxFindResourceHandle(lpszResourceName, "BITMAP"), lpszResourceName);
    BOOL done = SetBitmap(strip);
    DeleteObject(strip);
    return done;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    const AfxToolbarTemplate* t = AfxFindToolbarTemplate(lpszResourceName, nullptr);
    if (!t)
        return FALSE;
    SetSizes(CSize(t->cx + 7, t->cy + 7), CSize(t->cx, t->cy));
    if (!SetButtons(t->buttons.data(), (int)t->buttons.size()))
        return FALSE;
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (m_ctrl.GetButtonCount() > 0)
        m_ctrl.DeleteButton(0);
    if (!lpIDArray || nIDCount <= 0)
        return TRUE;
    std::vector<TBBUTTON> buttons((size_t)nIDCount);
    int image = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON& b = buttons[i];
        b = TBBUTTON {};
        b.idCommand = (int)lpIDArray[i];
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = lpIDArray[i] == 0 ? TBSTYLE_SEP : TBSTYLE_BUTTON;
        b.iBitmap = lpIDArray[i] == 0 ? 0 : image++;
    }
    return m_ctrl.AddButtons(nIDCount, buttons.data());
}

int CToolBar::GetCount() const { return m_ctrl.GetButtonCount(); }
int CToolBar::CommandToIndex(UINT nIDFind) const { return (int)m_ctrl.CommandToIndex(nIDFind); }

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON b = {};
    if (!m_ctrl.GetButton(nIndex, &b))
        return 0;
    return (b.fsStyle & TBSTYLE_SEP) ? 0 : (UINT)b.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const { m_ctrl.GetItemRect(nIndex, lpRect); }

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON b = {};
    m_ctrl.GetButton(nIndex, &b);
    return MAKELONG(b.fsStyle, b.fsState);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    UINT nID = 0, old = 0;
    int image = 0;
    GetButtonInfo(nIndex, nID, old, image);
    SetButtonInfo(nIndex, nID, nStyle, image);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON b = {};
    m_ctrl.GetButton(nIndex, &b);
    nID = (UINT)b.idCommand;
    nStyle = MAKELONG(b.fsStyle, b.fsState);
    iImage = b.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    AfxToolBarWidget* tb = AfxToolBarOf(m_hWnd);
    if (!tb || nIndex < 0 || nIndex >= (int)tb->buttons.size())
        return;
    TBBUTTON& b = tb->buttons[nIndex].tb;
    b.idCommand = (int)nID;
    b.fsStyle = (BYTE)LOWORD(nStyle);
    b.fsState = (BYTE)HIWORD(nStyle);
    b.iBitmap = iImage;
    tb->rebuild();
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const { return m_ctrl; }

CString CToolBar::GetToolTipText(UINT nID) const
{
    AfxToolBarWidget* tb = AfxToolBarOf(m_hWnd);
    return tb ? tb->toolTipFor(nID) : CString();
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    AfxToolBarWidget* tb = AfxToolBarOf(m_hWnd);
    if (!tb)
        return;
    tb->refreshPictures();
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)tb->buttons.size();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        const TBBUTTON& b = tb->buttons[state.m_nIndex].tb;
        if (b.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)b.idCommand;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void CToolCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    AfxToolBarWidget* tb = m_pOther ? AfxToolBarOf(m_pOther->m_hWnd) : nullptr;
    if (!tb || m_nIndex >= tb->buttons.size())
        return;
    BYTE state = tb->buttons[m_nIndex].tb.fsState;
    BYTE wanted = bOn ? state | TBSTATE_ENABLED : state & ~TBSTATE_ENABLED;
    if (wanted != state)
        tb->setState((int)m_nIndex, wanted);
}

void CToolCmdUI::SetCheck(int nCheck)
{
    AfxToolBarWidget* tb = m_pOther ? AfxToolBarOf(m_pOther->m_hWnd) : nullptr;
    if (!tb || m_nIndex >= tb->buttons.size())
        return;
    BYTE state = tb->buttons[m_nIndex].tb.fsState & ~(TBSTATE_CHECKED | TBSTATE_INDETERMINATE);
    if (nCheck == 1)
        state |= TBSTATE_CHECKED;
    else if (nCheck == 2)
        state |= TBSTATE_INDETERMINATE;
    if (state != tb->buttons[m_nIndex].tb.fsState)
        tb->setState((int)m_nIndex, state);
}
