// A small program for the tests of the view bases: the application object,
// an MDI main frame, a document form (CDocumentView) and a parameter form
// (CderivedFormview) registered as a module registers its views, the
// application's interpreter with a form script, and a configuration with a
// document kind and a grid form.
#pragma once

#include "appcore.h"
#include "res/ViewsResource.h"

#include <QStringList>

namespace coretest {

// What the views did, in order.
QStringList& log();

class CTestDocView : public CDocumentView {
    DECLARE_DYNCREATE(CTestDocView)
public:
    CTestDocView();
    void OnInitialUpdate() override;
    void SetSql() override;
    int Write(int ask) override;
    long seenRealId = -2;
    int seenParam = -99;
    int loads = 0;

protected:
    // Closes the form and then goes on with its document, as saves that
    // close their form do.
    afx_msg void OnSaveAndClose();
    DECLARE_MESSAGE_MAP()
};

class CTestFormView : public CderivedFormview {
    DECLARE_DYNCREATE(CTestFormView)
public:
    CTestFormView();
    void OnInitialUpdate() override;
    CString seenParamText;
};

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    CWinApp* app;
    CMDIFrameWnd* frame;
    // The MDI children shown, active first.
    int ChildCount() const;
};

// The first view of the active MDI child, as the class asked for.
template <class T>
T* ActiveView(const Program& program)
{
    CMDIChildWnd* child = program.frame->MDIGetActive();
    return child ? dynamic_cast<T*>(child->GetActiveView()) : nullptr;
}

} // namespace coretest
