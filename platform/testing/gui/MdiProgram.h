// The windows of a small program for the tests of a module's forms: the
// application object and its MDI main frame, shown and active at a size the
// forms fit in; the views of its children; posted messages and closed windows
// settled as the event loop would. A module's test kit starts it in SetUp and
// stops it in TearDown.
#pragma once
#include "afx.h"

#include <vector>

namespace afxtest {

class MdiProgram {
public:
    void StartProgram();
    void StopProgram();

    // The first view of the active MDI child, as the class asked for.
    template <class T>
    T* Active() const
    {
        CMDIChildWnd* child = frame->MDIGetActive();
        return child ? dynamic_cast<T*>(child->GetActiveView()) : nullptr;
    }
    int ChildCount() const;
    // The views of every open document.
    std::vector<CView*> OpenViews() const;
    // A new document of the template whose view is of this class, and its view.
    CView* OpenView(CRuntimeClass* viewClass);
    // Posted messages delivered and closed windows deleted.
    void Settle() const;

    CWinApp* app = nullptr;
    CMDIFrameWnd* frame = nullptr;
};

} // namespace afxtest
