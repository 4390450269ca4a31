#include "StaffProgram.h"

#include "CPerso.h"
#include "CVenz.h"
#include "GuiDriver.h"
#include "ndbcore.h"
#include "res/StaffTestsResource.h"
#include "res/resource.h"

namespace stafftest {

IMPLEMENT_DYNCREATE(CStaffTestForm, nperso::CMyFormView1)

BEGIN_MESSAGE_MAP(CStaffTestForm, nperso::CMyFormView1)
    ON_EN_CHANGE(IDC_NPP, OnChangeNpp)
END_MESSAGE_MAP()

CStaffTestForm::CStaffTestForm() : CMyFormView1(IDD_STAFF_TEST_FORM) {}

IMPLEMENT_DYNCREATE(CPersoBaseForm, nperso::CMyFormView1)

CPersoBaseForm::CPersoBaseForm() : CMyFormView1(IDD_STAFF_BASE_FORM) {}

IMPLEMENT_DYNCREATE(CVenzBaseForm, nvenzol::CMyFormView1)

CVenzBaseForm::CVenzBaseForm() : CMyFormView1(IDD_STAFF_BASE_FORM) {}

void CStaffTestForm::OnChangeNpp()
{
    CString npp;
    GetDlgItemText(IDC_NPP, npp);
    loads.push_back(npp);
}

void StaffProgram::SetUp()
{
    StaffDatabase::SetUp();
    StartProgram();
    EXPECT_EQ(nvenzol::CVenz::Init(), 1);
    EXPECT_EQ(nperso::CPerso::Init(), 1);
    app->AddDocTemplate(new CMultiDocTemplate(IDD_STAFF_TEST_FORM, RUNTIME_CLASS(CderivedDocument),
                                              RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CStaffTestForm)));
    app->AddDocTemplate(new CMultiDocTemplate(IDD_STAFF_BASE_FORM, RUNTIME_CLASS(CderivedDocument),
                                              RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPersoBaseForm)));
    app->AddDocTemplate(new CMultiDocTemplate(IDR_VENZ_BASE_FORM, RUNTIME_CLASS(CderivedDocument),
                                              RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CVenzBaseForm)));
}

void StaffProgram::TearDown()
{
    StopProgram();
    StaffDatabase::TearDown();
}

CStaffTestForm* StaffProgram::OpenTestForm(const char* tn)
{
    auto* form = OpenForm<CStaffTestForm>();
    if (form)
        form->SetDlgItemText(IDC_TN, tn);
    return form;
}

} // namespace stafftest
