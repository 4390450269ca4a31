#include "FormScript.h"

#include "CHelpers.h"
#include "CderivedDocument.h"

namespace appcore {

CString FormContext(const CString& documentName, int report)
{
    CString context = "Form." + documentName;
    if (report > 0) {
        CString suffix;
        suffix.Format(":%d", report);
        context += suffix;
    }
    return context;
}

CString ViewDocumentName(const CView* view)
{
    CDocument* document = view ? view->GetDocument() : nullptr;
    if (!document)
        return CString();
    if (auto* derived = dynamic_cast<CderivedDocument*>(document); derived && !derived->GetFormName().IsEmpty())
        return derived->GetFormName();
    CString name;
    if (CDocTemplate* t = document->GetDocTemplate())
        t->GetDocString(name, CDocTemplate::docName);
    return name;
}

int ShowFormReport(const CString& context, const char* call, const CString& title)
{
    CString page;
    if (!CHelpers::EXEC_GetFunctionValue(call, page, context))
        return 0;
    if (!page.IsEmpty())
        CHelpers::DisplayMessage(page, title, 0, 9, "#f5f5FF", -1, -1);
    return 1;
}

} // namespace appcore
