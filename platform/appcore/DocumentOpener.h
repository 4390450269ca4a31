// Opening forms by document name: the module views by the second field of
// their template strings (exact, letter case included), the configuration's
// grid forms through the application core's generic grid form.
#pragma once

#include "OpenRequest.h"

class CDocTemplate;
class CView;

namespace appcore {

// Which open form of the same name is brought forward instead of opening another.
enum class ReusePolicy {
    AnyOpen,      // the first open form of the name
    SameRealId,   // the form showing the same stored row
    SameParam,    // the form opened with the same parameter text
    SameKind,     // the form opened with the same integer parameter (kind, mode)
};

struct OpenedForm {
    CDocument* document = nullptr;
    CView* view = nullptr;
    bool existing = false;  // brought forward, not opened
};

// A template of the application core's own (the configuration's grid forms,
// the report window): the application's template of that view class, added
// on first use.
CDocTemplate* CoreTemplate(UINT id, CRuntimeClass* document, CRuntimeClass* frame, CRuntimeClass* view);

// The template whose document name is `name`; null when none. Modules may
// register the same name: a template of the module `preferred` (the caller's
// own, as the default argument is evaluated in the calling module) comes
// first, else the first one registered.
CDocTemplate* FindDocTemplate(const CString& name, HINSTANCE preferred = AFX_CALLER_MODULE);
// The first view of a document.
CView* FirstView(CDocument* document);

// Opens the form (or brings an open one forward by the policy); the request
// reaches a new document before its view's initial update. A name that
// neither a template nor a configuration form carries is reported. The
// position and size (-1 = the default) apply to a new form's frame. The
// template is looked up preferring the caller's module (FindDocTemplate).
OpenedForm OpenForm(const CString& name, const OpenRequest& request, ReusePolicy reuse, int x = -1, int y = -1,
                    int width = -1, int height = -1, HINSTANCE preferred = AFX_CALLER_MODULE);

} // namespace appcore
