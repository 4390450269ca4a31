// CView: a window showing a document inside a frame. It is made by the
// frame from the creation context (a run-time class, so every view class is
// DECLARE_DYNCREATE), joins its document in OnCreate and leaves it when its
// object is deleted (after its window has gone). Commands it does not take
// go to its document; a button of a form that neither takes goes on to the
// frame and the application, as a menu command would.
//
// Printing: the print commands of a view print nothing on this platform
// (every printed form is an HTML page of a report window): OnFilePrint asks
// OnPreparePrinting, whose DoPreparePrinting answers FALSE.
#pragma once
#include "frm/AfxFrameDefs.h"
#include "wnd/CWnd.h"

class CDocument;
class CFrameWnd;

struct CPrintInfo {
    BOOL m_bPreview = FALSE;
    BOOL m_bDirect = FALSE;
    UINT m_nCurPage = 1;
    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT m_nMaxPage = 0xFFFF;
};

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, void* pContext = nullptr) override;

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual BOOL IsSelected(const CObject* pDocItem) const;

    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    afx_msg void OnFilePrint();
    afx_msg void OnFilePrintPreview();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();

protected:
    QWidget* CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget) override;
    void PostNcDestroy() override;
    // Whether the program's active window holds this view.
    BOOL IsTopParentActive() const;

    CDocument* m_pDocument = nullptr;
    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
