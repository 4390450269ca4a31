// What an opener hands to the document it opens: the application core sets a
// request while it opens a form, and the new document takes it in
// OnNewDocument, before its views' initial update reads it.
#pragma once

#include "afx.h"

class CDocument;
class CView;
class CFormView;
class CderivedDocument;

// The callbacks of CHelpers::FN_OpenDocument and FN_OpenDocument0. A new form
// gets onCreate(document, text) before its view's initial update; a form that
// is already open gets onActivate(document, view, text); the fill callback
// runs once the view exists (after its initial update), for a new form and
// for one brought forward.
typedef void (*FN_DOC_CREATE)(CDocument* document, const char* text);
typedef void (*FN_DOC_ACTIVATE)(CDocument* document, CView* view, const char* text);
#ifndef __stdcall
#define __stdcall
#endif
typedef void(__stdcall* FN_FORM_FILL)(CderivedDocument* document, CFormView* view, const char* text);

namespace appcore {

struct OpenRequest {
    CString title;           // "" = the template's
    int param = 0;           // the integer open parameter (kind, mode)
    CString paramText;       // the parameter text
    HWND parentWnd = nullptr;  // the calling window
    long realId = -1;        // the stored row a document form opens
    CString formName;        // the configuration form the generic grid view shows
    FN_DOC_CREATE onCreate = nullptr;
    CString callbackText;
    bool callerFills = false;  // the opener's fill callback fills the form
};

// The request of the document being opened (null when none).
const OpenRequest* PendingOpenRequest();

// Holds a request while a form opens.
class OpenRequestScope {
public:
    explicit OpenRequestScope(const OpenRequest& request);
    ~OpenRequestScope();
    OpenRequestScope(const OpenRequestScope&) = delete;
    OpenRequestScope& operator=(const OpenRequestScope&) = delete;

private:
    const OpenRequest* m_previous;
};

} // namespace appcore
