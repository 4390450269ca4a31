#include "FormCaption.h"

namespace appcore {

void SetFormTitle(CView* view, const char* title)
{
    CDocument* document = view ? view->GetDocument() : nullptr;
    CDocTemplate* t = document ? document->GetDocTemplate() : nullptr;
    CString name;
    if (!t || !t->GetDocString(name, CDocTemplate::docName) || name.IsEmpty())
        return;
    // The template's default title is the document name and a number.
    const CString current = document->GetTitle();
    if (current.Left(name.GetLength()) != name)
        return;
    for (int i = name.GetLength(); i < current.GetLength(); ++i)
        if (current[i] < '0' || current[i] > '9')
            return;
    document->SetTitle(title);
}

} // namespace appcore
