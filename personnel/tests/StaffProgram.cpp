#include "StaffProgram.h"

#include "CPerso.h"
#include "CVenz.h"
#include "GuiDriver.h"
#include "ndbcore.h"
#include "res/StaffTestsResource.h"
#include "res/resource.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace stafftest {

IMPLEMENT_DYNCREATE(CStaffTestForm, CderivedFormview)

BEGIN_MESSAGE_MAP(CStaffTestForm, CderivedFormview)
    ON_EN_CHANGE(IDC_NPP, OnChangeNpp)
END_MESSAGE_MAP()

CStaffTestForm::CStaffTestForm() : CderivedFormview(IDD_STAFF_TEST_FORM) {}

void CStaffTestForm::OnChangeNpp()
{
    CString npp;
    GetDlgItemText(IDC_NPP, npp);
    loads.push_back(npp);
}

void StaffProgram::SetUp()
{
    StaffDatabase::SetUp();
    app = new CWinApp("Тест");
    auto* main = new CMDIFrameWnd;
    EXPECT_TRUE(main->LoadFrame(1, WS_OVERLAPPEDWINDOW));
    frame = main;
    app->m_pMainWnd = frame;
    frame->GetQWidget()->resize(1280, 900);
    afxtest::showActive(frame);
    EXPECT_EQ(nvenzol::CVenz::Init(), 1);
    EXPECT_EQ(nperso::CPerso::Init(), 1);
    app->AddDocTemplate(new CMultiDocTemplate(IDD_STAFF_TEST_FORM, RUNTIME_CLASS(CderivedDocument),
                                              RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CStaffTestForm)));
}

void StaffProgram::TearDown()
{
    afxtest::closeProgramWindows(app);
    delete app;
    StaffDatabase::TearDown();
}

int StaffProgram::ChildCount() const
{
    return int(frame->GetMdiArea()->subWindowList().size());
}

void StaffProgram::Settle() const
{
    afxtest::deliverPosted();
    afxtest::flushDeletes();
}

std::vector<CView*> StaffProgram::OpenViews() const
{
    std::vector<CView*> views;
    POSITION t = app->GetFirstDocTemplatePosition();
    while (t) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(t);
        POSITION d = docTemplate->GetFirstDocPosition();
        while (d) {
            CDocument* document = docTemplate->GetNextDoc(d);
            POSITION v = document->GetFirstViewPosition();
            while (v)
                views.push_back(document->GetNextView(v));
        }
    }
    return views;
}

CStaffTestForm* StaffProgram::OpenTestForm(const char* tn)
{
    // Each test form is a form of its own: a new document of the test template.
    POSITION t = app->GetFirstDocTemplatePosition();
    while (t) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(t);
        if (docTemplate->m_pViewClass != RUNTIME_CLASS(CStaffTestForm))
            continue;
        CDocument* document = docTemplate->OpenDocumentFile(nullptr);
        POSITION v = document ? document->GetFirstViewPosition() : nullptr;
        auto* form = v ? dynamic_cast<CStaffTestForm*>(document->GetNextView(v)) : nullptr;
        if (form)
            form->SetDlgItemText(IDC_TN, tn);
        return form;
    }
    return nullptr;
}

} // namespace stafftest
