#include "doc/CDocument.h"
#include "app/CWinApp.h"
#include "core/CArchive.h"
#include "core/CFile.h"
#include "doc/CDocTemplate.h"
#include "doc/CView.h"
#include "doc/AfxViewClose.h"
#include "dlg/AfxMessageBox.h"
#include "frm/CFrameWnd.h"
#include <QFileInfo>
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views that outlive their document (deleted by hand) forget it.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;)
        static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle ? lpszTitle : "";
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    m_strPathName = lpszPathName ? lpszPathName : "";
    SetTitle(CString(QFileInfo(m_strPathName.ToQString()).fileName()));
    if (bAddToMRU && AfxGetApp())
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    if (!pView || m_viewList.Find(pView))
        return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (!pos)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(const_cast<CPtrList&>(m_viewList).GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    // The last view gone: an automatic document closes (or ends its close).
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        if (m_bClosing)
            FinishClose();
        else
            OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    std::vector<CFrameWnd*> frames;
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CFrameWnd* frame = GetNextView(pos)->GetParentFrame();
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    int n = 1;
    for (CFrameWnd* frame : frames) {
        frame->m_nWindow = frames.size() > 1 ? n++ : -1;
        frame->OnUpdateFrameTitle(TRUE);
    }
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

namespace {

// Reads or writes the document through an archive on its file; a failure
// is shown and answers FALSE.
BOOL serializeFile(CDocument* doc, LPCTSTR lpszPathName, bool load)
{
    CFile file;
    UINT mode = load ? CFile::modeRead | CFile::shareDenyWrite
                     : CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive;
    if (!file.Open(lpszPathName, mode)) {
        CString text;
        text.Format(load ? "Не удалось открыть документ \"%s\"." : "Не удалось записать документ \"%s\".",
                    lpszPathName);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    try {
        CArchive ar(&file, load ? CArchive::load : CArchive::store);
        ar.m_pDocument = doc;
        doc->Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    DeleteContents();
    SetModifiedFlag(TRUE);
    if (!serializeFile(this, lpszPathName, true)) {
        DeleteContents();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    if (!serializeFile(this, lpszPathName, false))
        return FALSE;
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    if (m_bClosing)
        return;
    m_bClosing = TRUE;
    BOOL autoDelete = m_bAutoDelete;
    // Not offered any more by the template while its windows go.
    if (m_pDocTemplate)
        m_pDocTemplate->DetachDocument(this);
    std::vector<CWnd*> windows;
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CView* view = GetNextView(pos);
        CWnd* frame = view->GetParentFrame();
        CWnd* w = frame ? frame : static_cast<CWnd*>(view);
        if (std::find(windows.begin(), windows.end(), w) == windows.end())
            windows.push_back(w);
    }
    for (CWnd* w : windows) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(w))
            PreCloseFrame(frame);
        w->DestroyWindow();
    }
    if (!autoDelete) {
        DeleteContents();
        m_bClosing = FALSE;
        return;
    }
    if (m_viewList.IsEmpty())
        FinishClose();
}

void CDocument::FinishClose()
{
    DeleteContents();
    delete this;
}

void CDocument::DeleteContents() {}
void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    // Another frame of this document keeps it open: nothing to ask.
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        if (GetNextView(pos)->GetParentFrame() != pFrame)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CView* view = GetNextView(pos);
        if (view->GetSafeHwnd() && view->SendMessage(WM_QUERYKEEPVIEW))
            return FALSE;
    }
    // A document without a file keeps its data in the database, saved by
    // its views: there is nothing to write here and nothing to ask.
    if (!IsModified() || m_strPathName.IsEmpty())
        return TRUE;
    CString text;
    text.Format("Сохранить изменения в документе \"%s\"?", (const char*)m_strTitle);
    switch (AfxMessageBox(text, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return OnSaveDocument(m_strPathName);
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}

void CDocument::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}
