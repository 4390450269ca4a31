#include "doc/CFormView.h"
#include "ctl/CButton.h"
#include "frm/CFrameWnd.h"
#include "res/DialogBuilder.h"
#include "wnd/CWnd.h"
#include <QApplication>
#include <QWidget>

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CFormView::CFormView(UINT nIDTemplate, HINSTANCE hModule)
    : m_strTemplateName(QString::number(nIDTemplate)), m_hResModule(hModule), m_nIDHelp(nIDTemplate)
{
}

CFormView::CFormView(LPCTSTR lpszTemplateName, HINSTANCE hModule)
    : m_strTemplateName(lpszTemplateName), m_hResModule(hModule)
{
}

QWidget* CFormView::CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget)
{
    // The form takes no focus of its own: its controls do.
    QWidget* w = CScrollView::CreateWidget(cs, pParentWidget);
    w->setFocusPolicy(Qt::NoFocus);
    return w;
}

BOOL CFormView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, void* pContext)
{
    HINSTANCE found = nullptr;
    const AfxDlgTemplate* t = AfxFindDialogTemplate(m_strTemplateName, m_hResModule, &found);
    if (!t) {
        qWarning("form view: dialog template %s not found", (const char*)m_strTemplateName);
        return FALSE;
    }
    if (!CScrollView::Create(lpszClassName, lpszWindowName, dwStyle & ~WS_BORDER, rect, pParentWnd, nID, pContext))
        return FALSE;
    QSize size = AfxCreateDialogControls(this, *t, found);
    m_nDefID = IDOK;
    for (const AfxDlgItemTemplate& item : t->items) {
        if (item.className.ToQString().compare(QLatin1String("Button"), Qt::CaseInsensitive) == 0
            && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            m_nDefID = (UINT)item.id;
    }
    SetScrollSizes(MM_TEXT, CSize(size.width(), size.height()));
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

BOOL CFormView::SetFocusToControl()
{
    CWnd* target = m_hWndFocus ? CWnd::FromHandle(m_hWndFocus) : nullptr;
    if (target && !IsChild(target))
        target = nullptr;
    if (!target)
        target = GetNextDlgTabItem(nullptr);
    if (!target)
        return FALSE;
    target->SetFocus();
    return TRUE;
}

void CFormView::OnSetFocus(CWnd*)
{
    if (!SetFocusToControl())
        Default();
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    QWidget* w = GetQWidget();
    if (!bActivate || pActivateView != this || !w || !IsTopParentActive())
        return;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !w->isAncestorOf(focus))
        SetFocusToControl();
}

void CFormView::OnActivateFrame(UINT nState, CFrameWnd*)
{
    // Leaving: remember the control that has the focus.
    if (nState != WA_INACTIVE)
        return;
    CWnd* focus = CWnd::GetFocus();
    if (focus && IsChild(focus))
        m_hWndFocus = focus->m_hWnd;
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    if (!GetWindow(GW_CHILD))
        return FALSE;
    return PreTranslateInput(pMsg);
}
