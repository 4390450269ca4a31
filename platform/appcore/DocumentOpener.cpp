#include "DocumentOpener.h"

#include "CDataArchive.h"
#include "CFormGridView.h"
#include "CSprEditView.h"
#include "CconfigDocument.h"
#include "ConfigGlobals.h"

namespace appcore {

namespace {

bool Matches(CDocument* document, const CString& formName, const OpenRequest& request, ReusePolicy reuse)
{
    auto* derived = dynamic_cast<CderivedDocument*>(document);
    if (!formName.IsEmpty() && (!derived || derived->GetFormName() != formName))
        return false;
    switch (reuse) {
    case ReusePolicy::AnyOpen:
        return true;
    case ReusePolicy::SameRealId: {
        auto* stored = dynamic_cast<CconfigDocument*>(document);
        return stored && stored->real_id == request.realId && request.realId >= 0;
    }
    case ReusePolicy::SameParam:
        return derived && derived->m_strParam == request.paramText;
    case ReusePolicy::SameKind:
        return derived && derived->m_nParam == request.param;
    }
    return false;
}

CDocument* FindOpen(CDocTemplate* t, const CString& formName, const OpenRequest& request, ReusePolicy reuse)
{
    POSITION pos = t->GetFirstDocPosition();
    while (pos) {
        CDocument* document = t->GetNextDoc(pos);
        if (Matches(document, formName, request, reuse))
            return document;
    }
    return nullptr;
}

void PlaceFrame(CFrameWnd* frame, int x, int y, int width, int height)
{
    if (!frame || (x < 0 && y < 0 && width < 0 && height < 0))
        return;
    CRect rect;
    frame->GetWindowRect(&rect);
    if (CWnd* parent = frame->GetParent())
        parent->ScreenToClient(&rect);
    int left = x >= 0 ? x : rect.left;
    int top = y >= 0 ? y : rect.top;
    frame->MoveWindow(left, top, width > 0 ? width : rect.Width(), height > 0 ? height : rect.Height());
}

} // namespace

CDocTemplate* CoreTemplate(UINT id, CRuntimeClass* document, CRuntimeClass* frame, CRuntimeClass* view)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return nullptr;
    POSITION pos = app->GetFirstDocTemplatePosition();
    while (pos) {
        CDocTemplate* t = app->GetNextDocTemplate(pos);
        if (t->m_pViewClass == view)
            return t;
    }
    auto* t = new CMultiDocTemplate(id, document, frame, view);
    app->AddDocTemplate(t);
    return t;
}

CDocTemplate* FindDocTemplate(const CString& name, HINSTANCE preferred)
{
    CWinApp* app = AfxGetApp();
    if (!app || name.IsEmpty())
        return nullptr;
    CDocTemplate* first = nullptr;
    POSITION pos = app->GetFirstDocTemplatePosition();
    while (pos) {
        CDocTemplate* t = app->GetNextDocTemplate(pos);
        CString docName;
        if (!t->GetDocString(docName, CDocTemplate::docName) || docName != name)
            continue;
        if (t->GetResourceModule() == preferred)
            return t;
        if (!first)
            first = t;
    }
    return first;
}

CView* FirstView(CDocument* document)
{
    POSITION pos = document ? document->GetFirstViewPosition() : nullptr;
    return pos ? document->GetNextView(pos) : nullptr;
}

OpenedForm OpenForm(const CString& name, const OpenRequest& request, ReusePolicy reuse, int x, int y, int width,
                    int height, HINSTANCE preferred)
{
    OpenedForm opened;
    OpenRequest effective = request;
    CDocTemplate* t = FindDocTemplate(name, preferred);
    if (!t) {
        const CFormRecord* form = GetDataArchive()->FindForm(name);
        if (form && form->m_strKind == "grid") {
            t = FormGridTemplate();
            effective.formName = name;
            if (effective.title.IsEmpty())
                effective.title = form->m_strTitle;
            width = width < 0 ? form->m_nWidth : width;
            height = height < 0 ? form->m_nHeight : height;
        }
    }
    if (!t) {
        // A book's table name opens the core's reference-book editor on it.
        SprEditLayout layout;
        if (SprEditLayoutFor(name, layout)) {
            t = SprEditTemplate();
            effective.formName = layout.table;
            effective.paramText = layout.table;
            if (effective.title.IsEmpty())
                effective.title = layout.title;
        }
    }
    if (!t) {
        AfxMessageBox(CString("Форма «") + name + "» не найдена в конфигурации", MB_OK | MB_ICONEXCLAMATION);
        return opened;
    }
    if (CDocument* open = FindOpen(t, effective.formName, effective, reuse)) {
        opened.document = open;
        opened.view = FirstView(open);
        opened.existing = true;
        if (opened.view && opened.view->GetParentFrame())
            opened.view->GetParentFrame()->ActivateFrame();
        return opened;
    }
    OpenRequestScope scope(effective);
    opened.document = t->OpenDocumentFile(nullptr);
    opened.view = FirstView(opened.document);
    if (opened.view)
        PlaceFrame(opened.view->GetParentFrame(), x, y, width, height);
    return opened;
}

} // namespace appcore
