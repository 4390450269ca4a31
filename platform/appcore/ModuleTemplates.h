// The document templates a module registers from its Init: one row per view
// (the resource id of its template string, and of the view's dialog unless
// the view names another, with its document, frame and view classes), handed
// to the application in the table's order. A module keeps its rows in one
// table, so its Init reads as the list of everything it offers.
#pragma once
#include "afx.h"

namespace appcore {

struct ModuleTemplate {
    UINT id;
    CRuntimeClass* document;
    CRuntimeClass* frame;
    CRuntimeClass* view;
};

// Creates a template per row and adds it to the application (nothing without
// one); the template strings are looked up in `module` first, the calling
// module. Answers 1, as a module's Init does.
int AddModuleTemplates(const ModuleTemplate* rows, size_t count, HINSTANCE module = AFX_CALLER_MODULE);

} // namespace appcore
