#include "StockProgram.h"

#include "CStovan.h"
#include "FreshDatabase.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/StockTestsResource.h"

#include <QDate>

namespace stovantest {

IMPLEMENT_DYNCREATE(CStockBaseForm, nstovan::CMyFormView1)

CStockBaseForm::CStockBaseForm() : CMyFormView1(IDD_STOCK_BASE_FORM) {}

void CStockBaseForm::OnChangeOrg()
{
    ++organisationChanges;
    CMyFormView1::OnChangeOrg();
}

IMPLEMENT_DYNCREATE(CStockMaterialForm, nstovan::CMyFormView1)

CStockMaterialForm::CStockMaterialForm() : CMyFormView1(IDD_STOCK_MATERIAL_FORM) {}

void StockProgram::SetUp()
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    m_year = g_lYear;
    m_month = g_lMonth;
    const QDate today = QDate::currentDate();
    g_lYear = today.year();
    g_lMonth = today.month();
    g_lTN = 1;
    SetDPV1(GetOtpD1(g_lYear, g_lMonth));
    SetDPV2(GetOtpD2(g_lYear, g_lMonth));
    scripts.Clear();
    dbReports.clear(0);
    StartProgram();
    EXPECT_EQ(nstovan::CStovan::Init(), 1);
    app->AddDocTemplate(new CMultiDocTemplate(IDD_STOCK_BASE_FORM, RUNTIME_CLASS(CderivedDocument),
                                              RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CStockBaseForm)));
    app->AddDocTemplate(new CMultiDocTemplate(IDD_STOCK_MATERIAL_FORM, RUNTIME_CLASS(CderivedDocument),
                                              RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CStockMaterialForm)));
}

void StockProgram::TearDown()
{
    StopProgram();
    g_lYear = m_year;
    g_lMonth = m_month;
    EXPECT_TRUE(scripts.errors.empty()) << scripts.errors.front();
}

void StockProgram::Run(const char* sql)
{
    ASSERT_NE(ExecuteSql(sql), 0) << sql;
}

CString StockProgram::Text(const char* sql)
{
    return ExecuteString(sql);
}

long long StockProgram::Count(const char* sql)
{
    return ExecuteCount(sql);
}

CString StockProgram::ThisMonth(int day)
{
    return CString(QDate::currentDate().addDays(day - QDate::currentDate().day()).toString("dd.MM.yyyy"));
}

CString StockProgram::LastMonth(int day)
{
    const QDate first = QDate::currentDate().addDays(1 - QDate::currentDate().day()).addMonths(-1);
    return CString(first.addDays(day - 1).toString("dd.MM.yyyy"));
}

CView* StockProgram::OpenView(CRuntimeClass* viewClass)
{
    // Each form is a form of its own: a new document of its template.
    POSITION t = app->GetFirstDocTemplatePosition();
    while (t) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(t);
        if (docTemplate->m_pViewClass != viewClass)
            continue;
        CDocument* document = docTemplate->OpenDocumentFile(nullptr);
        POSITION v = document ? document->GetFirstViewPosition() : nullptr;
        return v ? document->GetNextView(v) : nullptr;
    }
    return nullptr;
}

} // namespace stovantest
