// CFormView: a view whose window is a dialog template of the resource
// scripts, with the template's controls (custom classes such as the grid
// too), DDX/UpdateData as in a dialog, and a dialog's keys: Tab moves between
// the controls, Enter presses the focused or the default button, Escape sends
// IDCANCEL. The template is looked up in the module given (by default the
// module of the code that constructs the view) first, then in every module;
// a base class between CFormView and a module's view should take
// `HINSTANCE hModule = AFX_CALLER_MODULE` itself and pass it on, so that the
// module's own template wins.
#pragma once
#include "doc/CScrollView.h"
#include "res/AfxResources.h"

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
protected:
    explicit CFormView(UINT nIDTemplate, HINSTANCE hModule = AFX_CALLER_MODULE);
    explicit CFormView(LPCTSTR lpszTemplateName, HINSTANCE hModule = AFX_CALLER_MODULE);

public:
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, void* pContext = nullptr) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The template as named (the id as text, or a name).
    const CString& GetTemplateName() const { return m_strTemplateName; }

    afx_msg void OnSetFocus(CWnd* pOldWnd);

protected:
    BOOL IsDialogWindow() const override { return TRUE; }
    int GetDefaultButtonID() const override { return (int)m_nDefID; }
    QWidget* CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget) override;

    CString m_strTemplateName;
    HINSTANCE m_hResModule = nullptr;
    UINT m_nIDHelp = 0;
    UINT m_nDefID = IDOK;
    HWND m_hWndFocus = nullptr;  // the control that had the focus last

private:
    BOOL SetFocusToControl();

    DECLARE_MESSAGE_MAP()
};
