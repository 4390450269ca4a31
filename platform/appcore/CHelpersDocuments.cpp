// CHelpers: opening forms and stored documents by name.
#include "CHelpers.h"

#include "CderivedDocument.h"
#include "DocumentKinds.h"
#include "CFormGridView.h"
#include "DocumentOpener.h"

namespace {

CString Text(const char* text)
{
    return CString(text ? text : "");
}

// The callbacks of an open: a form brought forward gets onActivate, every
// form the fill callback once its view exists.
int AfterOpen(const appcore::OpenedForm& opened, FN_DOC_ACTIVATE onActivate, FN_FORM_FILL fill, const char* text,
              const CString& param)
{
    if (!opened.document)
        return 0;
    if (opened.existing && onActivate)
        onActivate(opened.document, opened.view, text ? text : "");
    auto* form = dynamic_cast<CFormView*>(opened.view);
    auto* document = dynamic_cast<CderivedDocument*>(opened.document);
    if (fill && form && document)
        fill(document, form, param);
    if (auto* grid = dynamic_cast<CFormGridView*>(opened.view); grid && fill)
        grid->FinishFill();
    return 1;
}

} // namespace

int CHelpers::FN_OpenDocument(const char* name, const char* title, int x, int y, int width, int height,
                              const char* param, FN_DOC_CREATE onCreate, CWnd* owner, const char* text,
                              FN_DOC_ACTIVATE onActivate, FN_FORM_FILL fill, int, const char*, HINSTANCE caller)
{
    appcore::OpenRequest request;
    request.title = Text(title);
    request.paramText = Text(param);
    request.parentWnd = owner ? owner->GetSafeHwnd() : nullptr;
    request.onCreate = onCreate;
    request.callbackText = Text(text);
    request.callerFills = fill != nullptr;
    appcore::OpenedForm opened =
        appcore::OpenForm(Text(name), request, appcore::ReusePolicy::AnyOpen, x, y, width, height, caller);
    return AfterOpen(opened, onActivate, fill, text, request.paramText);
}

int CHelpers::FN_OpenDocument0(const char* name, int kind, const char* param, FN_DOC_CREATE onCreate,
                               const char* text, FN_DOC_ACTIVATE onActivate, FN_FORM_FILL fill, HINSTANCE caller)
{
    appcore::OpenRequest request;
    request.param = kind;
    request.paramText = Text(param);
    request.onCreate = onCreate;
    request.callbackText = Text(text);
    request.callerFills = fill != nullptr;
    // One form serves several kinds (a list per document kind, a view in two
    // modes): an open form is brought forward only for the same kind.
    appcore::OpenedForm opened =
        appcore::OpenForm(Text(name), request, appcore::ReusePolicy::SameKind, -1, -1, -1, -1, caller);
    if (opened.existing) {
        // A selection form asked again answers its new caller: the fill
        // callback reads the new parameter.
        if (auto* document = dynamic_cast<CderivedDocument*>(opened.document); document && fill)
            document->m_strParam = request.paramText;
    }
    return AfterOpen(opened, onActivate, fill, text, request.paramText);
}

int CHelpers::I_OpenDocument(long realId, CWnd* parent, const char* name, int type, FN_DOC_CREATE onCreate,
                             FN_DOC_ACTIVATE onActivate, HINSTANCE caller)
{
    appcore::OpenRequest request;
    request.realId = realId;
    request.param = type;
    request.parentWnd = parent ? parent->GetSafeHwnd() : nullptr;
    request.onCreate = onCreate;
    CString form = appcore::StoredDocumentForm(Text(name));
    appcore::OpenedForm opened =
        appcore::OpenForm(form, request, appcore::ReusePolicy::SameRealId, -1, -1, -1, -1, caller);
    return AfterOpen(opened, onActivate, nullptr, "", CString());
}

int CHelpers::SetId0(CWnd* wnd, int ctrlId, const char* text)
{
    return SetId0(wnd ? wnd->GetSafeHwnd() : nullptr, ctrlId, text);
}

int CHelpers::SetId0(HWND wnd, int ctrlId, const char* text)
{
    CWnd* window = wnd ? CWnd::FromHandle(wnd) : nullptr;
    CWnd* control = window ? window->GetDlgItem(ctrlId) : nullptr;
    if (!control)
        return 0;
    control->SetWindowText(text ? text : "");
    return 1;
}

void CHelpers::CloseAllOpenedWindows()
{
    if (CWinApp* app = AfxGetApp())
        app->CloseAllDocuments(FALSE);
}
