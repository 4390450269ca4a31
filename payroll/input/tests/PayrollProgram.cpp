#include "PayrollProgram.h"

#include "CPaymar.h"
#include "personnel/CPerso.h"
#include "tariffication/CVenz.h"
#include "ModuleCalls.h"
#include "ndbcore.h"
#include "res/PayrollTestsResource.h"

#include <FreshDatabase.h>

#include <QDate>

namespace paytest {

IMPLEMENT_DYNCREATE(CPayBaseForm, npaymar::CMyFormView1)
CPayBaseForm::CPayBaseForm() : CMyFormView1(IDD_PAY_BASE_FORM) {}

IMPLEMENT_DYNCREATE(CPayEkrForm, npaymar::CMyFormView1)
CPayEkrForm::CPayEkrForm() : CMyFormView1(IDD_PAY_EKR_FORM) {}

namespace {

// Only the commands sent without a control (a control's notifications pass).
BOOL Recorded(std::vector<int>* commands, WPARAM wParam, LPARAM lParam)
{
    if (!commands || lParam != 0 || HIWORD(wParam) != 0)
        return FALSE;
    commands->push_back(LOWORD(wParam));
    return TRUE;
}

} // namespace

BOOL CPayBaseForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return Recorded(commands, wParam, lParam) || CMyFormView1::OnCommand(wParam, lParam);
}

BOOL CPayEkrForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return Recorded(commands, wParam, lParam) || CMyFormView1::OnCommand(wParam, lParam);
}

IMPLEMENT_DYNCREATE(CPayBareForm, npaymar::CMyFormView1)
CPayBareForm::CPayBareForm() : CMyFormView1(IDD_PAY_BARE_FORM) {}

void PayrollProgram::SetUp()
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    m_year = g_lYear;
    m_month = g_lMonth;
    const QDate today = QDate::currentDate();
    g_lYear = today.year();
    g_lMonth = today.month();
    SetDPV1(GetOtpD1(g_lYear, g_lMonth));
    SetDPV2(GetOtpD2(g_lYear, g_lMonth));
    scripts.Clear();
    dbReports.clear(0);
    StartProgram();
    EXPECT_EQ(nvenzol::CVenz::Init(), 1);
    EXPECT_EQ(nperso::CPerso::Init(), 1);
    EXPECT_EQ(npaymar::CPaymar::Init(), 1);
    const struct {
        UINT id;
        CRuntimeClass* view;
    } forms[] = {
        {IDD_PAY_BASE_FORM, RUNTIME_CLASS(CPayBaseForm)},
        {IDD_PAY_EKR_FORM, RUNTIME_CLASS(CPayEkrForm)},
        {IDD_PAY_BARE_FORM, RUNTIME_CLASS(CPayBareForm)},
    };
    for (const auto& form : forms)
        app->AddDocTemplate(
            new CMultiDocTemplate(form.id, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), form.view));
}

void PayrollProgram::TearDown()
{
    StopProgram();
    appcore::ClearModuleCalls();
    g_lYear = m_year;
    g_lMonth = m_month;
    EXPECT_TRUE(scripts.errors.empty()) << scripts.errors.front();
}

void PayrollProgram::Run(const char* sql)
{
    ASSERT_NE(ExecuteSql(sql), 0) << sql;
}

CString PayrollProgram::Text(const char* sql)
{
    return ExecuteString(sql);
}

long long PayrollProgram::Count(const char* sql)
{
    return ExecuteCount(sql);
}

} // namespace paytest
