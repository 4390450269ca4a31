#include "doc/CDocTemplate.h"
#include "doc/CDocument.h"
#include "doc/CView.h"
#include "frm/CFrameWnd.h"
#include <QFileInfo>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, char chSep)
{
    rString.Empty();
    if (!lpszFullString || iSubString < 0)
        return FALSE;
    const QStringList fields = QString::fromUtf8(lpszFullString).split(QLatin1Char(chSep));
    if (iSubString >= fields.size())
        return FALSE;
    rString = CString(fields.at(iSubString));
    return TRUE;
}

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass, HINSTANCE hModule)
    : m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass), m_nIDResource(nIDResource),
      m_hModule(hModule)
{
    // The template string is read the first time it is asked for
    // (GetDocString): reading it here made every module's resource script
    // parsed at start-up, before the first paint, for strings asked later.
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (!AfxLoadString(m_nIDResource, m_strDocStrings, m_hModule))
        m_strDocStrings.Empty();
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    // A string that was missing when the template was made may belong to a
    // module loaded since (the resource chain grows as modules load).
    if (m_strDocStrings.IsEmpty() && !AfxLoadString(m_nIDResource, m_strDocStrings, m_hModule))
        m_strDocStrings.Empty();
    return AfxExtractSubString(rString, m_strDocStrings, (int)index, '\n');
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

CDocument* CDocTemplate::CreateNewDocument()
{
    if (!m_pDocClass)
        return nullptr;
    CObject* object = m_pDocClass->CreateObject();
    auto* pDoc = dynamic_cast<CDocument*>(object);
    if (!pDoc) {
        qWarning("CreateNewDocument: %s is not a document class", m_pDocClass->m_lpszClassName);
        delete object;
        return nullptr;
    }
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (!m_pFrameClass)
        return nullptr;
    CObject* object = m_pFrameClass->CreateObject();
    auto* pFrame = dynamic_cast<CFrameWnd*>(object);
    if (!pFrame) {
        qWarning("CreateNewFrame: %s is not a frame class", m_pFrameClass->m_lpszClassName);
        delete object;
        return nullptr;
    }
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
        // A frame whose window was made goes with its window.
        if (!pFrame->m_hWnd)
            delete pFrame;
        return nullptr;
    }
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    if (!lpszPathName || !*lpszPathName)
        return noAttempt;
    QString path = QFileInfo(QString::fromUtf8(lpszPathName)).absoluteFilePath();
    for (POSITION pos = GetFirstDocPosition(); pos;) {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty()
            && QFileInfo(pDoc->GetPathName().ToQString()).absoluteFilePath() == path) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString ext;
    if (GetDocString(ext, filterExt) && !ext.IsEmpty()
        && path.endsWith(ext.ToQString(), Qt::CaseInsensitive))
        return yesAttemptNative;
    return yesAttemptForeign;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    while (POSITION pos = GetFirstDocPosition()) {
        CDocument* pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument();
        // A document that does not leave the list on closing is taken off.
        if (POSITION again = GetFirstDocPosition(); again && GetNextDoc(again) == pDoc)
            DetachDocument(pDoc);
    }
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos;) {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass, HINSTANCE hModule)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass, hModule)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // Documents still open forget their template.
    for (CPtrList* list : { &m_docList, &m_closingList }) {
        while (!list->IsEmpty())
            CDocTemplate::RemoveDocument(static_cast<CDocument*>(list->RemoveHead()));
    }
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(const_cast<CPtrList&>(m_docList).GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    for (CPtrList* list : { &m_docList, &m_closingList }) {
        if (POSITION pos = list->Find(pDoc))
            list->RemoveAt(pos);
    }
}

void CMultiDocTemplate::DetachDocument(CDocument* pDoc)
{
    if (POSITION pos = m_docList.Find(pDoc)) {
        m_docList.RemoveAt(pos);
        m_closingList.AddTail(pDoc);
    }
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (GetDocString(title, docName) && !title.IsEmpty())
        title += CString(QString::number(m_nUntitledCount + 1));
    else
        title = "Без имени";
    pDocument->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (!pDocument)
        return nullptr;
    BOOL autoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;  // not gone with a view that fails
    CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = autoDelete;
    if (!pFrame) {
        // Views of the failed frame (going later) must not reach the document.
        pDocument->m_bAutoDelete = FALSE;
        while (POSITION pos = pDocument->GetFirstViewPosition())
            pDocument->RemoveView(pDocument->GetNextView(pos));
        delete pDocument;
        return nullptr;
    }
    if (!lpszPathName) {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument()) {
            DetachDocument(pDocument);
            pFrame->DestroyWindow();
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        CWaitCursor wait;
        if (!pDocument->OnOpenDocument(lpszPathName)) {
            DetachDocument(pDocument);
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
