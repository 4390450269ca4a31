#include "CderivedDocument.h"

#include "OpenRequest.h"

IMPLEMENT_DYNCREATE(CderivedDocument, CDocument)

CderivedDocument::CderivedDocument() = default;

BOOL CderivedDocument::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    if (const appcore::OpenRequest* request = appcore::PendingOpenRequest()) {
        TakeRequest(*request);
        if (request->onCreate)
            request->onCreate(this, request->callbackText);
    }
    return TRUE;
}

void CderivedDocument::TakeRequest(const appcore::OpenRequest& request)
{
    if (!request.title.IsEmpty())
        SetTitle(request.title);
    m_nParam = request.param;
    m_strParam = request.paramText;
    m_hParentWnd = request.parentWnd;
    m_strFormName = request.formName;
    m_bFilledByCaller = request.callerFills;
}

CWnd* CderivedDocument::GetParentWnd() const
{
    return m_hParentWnd ? CWnd::FromHandle(m_hParentWnd) : nullptr;
}

void CderivedDocument::SetAnswer(CWnd* wnd, int ctrlId, int msg)
{
    m_hAnswerWnd = wnd ? wnd->GetSafeHwnd() : nullptr;
    m_nAnswerCtrl = ctrlId;
    m_nAnswerMsg = msg;
}

CWnd* CderivedDocument::GetAnswerWnd() const
{
    return m_hAnswerWnd ? CWnd::FromHandle(m_hAnswerWnd) : nullptr;
}
