#include "CSelectPrdKatView.h"

#include "CheckLists.h"
#include "MonthLists.h"
#include "ReportRun.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CSelectPrdKatView, CMyFormView1)

BEGIN_MESSAGE_MAP(CSelectPrdKatView, CMyFormView1)
    ON_BN_CLICKED(IDC_MONTHS_ALL, CheckAllDepartments)
    ON_BN_CLICKED(IDC_MONTHS_CLEAR, UncheckAllDepartments)
    ON_BN_CLICKED(IDC_CATEGORIES_ALL, CheckAllRows)
    ON_BN_CLICKED(IDC_CATEGORIES_CLEAR, UncheckAllRows)
    ON_COMMAND(IDC_SELECT_PRINT, OnPrint)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSelectPrdKatView, CMyFormView1)
    ON_EVENT(CSelectPrdKatView, IDC_SELECT_DEPARTMENTS, 17, FillCategories, VTS_NONE)
END_EVENTSINK_MAP()

CSelectPrdKatView::CSelectPrdKatView() : CMyFormView1(IDD_SELECT_PRD_KAT) {}

CSelectPrdKatView::CSelectPrdKatView(UINT nIDTemplate) : CMyFormView1(nIDTemplate)
{
    m_bPrintForm = 1;
}

CSelectPrdKatView::~CSelectPrdKatView() = default;

void CSelectPrdKatView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECT_CATEGORIES, m_gridCategories);
    DDX_Control(pDX, IDC_SELECT_DEPARTMENTS, m_gridDepartments);
}

void CSelectPrdKatView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    FillDepartments();
}

void CSelectPrdKatView::FillDepartments()
{
    CWaitCursor wait;
    RunFill(m_gridDepartments, "SprView", [&] {
        naddviews::FillList(m_gridDepartments,
                            FormatText("select distinct prd,spr_prd.name from paymar_kty1 left join spr_prd on "
                                       "spr_prd.id=prd where g=%d and ms=%d and s<>0 group by prd,spr_prd.name "
                                       "order by prd",
                                       g_lYear, g_lMonth),
                            "prd", "name");
    });
    if (m_gridDepartments.GetSafeHwnd())
        m_gridDepartments.SetFocus();
    FillCategories();
}

void CSelectPrdKatView::FillCategories()
{
    RunFill(m_gridCategories, "SprView", [&] {
        naddviews::ClearList(m_gridCategories);
        if (!CellworkChecked(m_gridDepartments))
            return;
        naddviews::FillList(m_gridCategories,
                            FormatText("select distinct kat,spr_paymar_kat.name from paymar_kty1 left join "
                                       "spr_paymar_kat on spr_paymar_kat.id=kat where g=%d and ms=%d %s and s<>0 "
                                       "group by kat,spr_paymar_kat.name order by kat",
                                       g_lYear, g_lMonth, GetDepartmentCondition()),
                            "kat", "name");
    });
}

CString CSelectPrdKatView::GetDepartmentCondition() const
{
    return naddviews::ListClause(m_gridDepartments, "prd=%s");
}

void CSelectPrdKatView::BuildReport(int) {}

void CSelectPrdKatView::CheckAllDepartments()
{
    naddviews::CheckAll(m_gridDepartments, true);
    FillCategories();
}

void CSelectPrdKatView::UncheckAllDepartments()
{
    naddviews::CheckAll(m_gridDepartments, false);
    FillCategories();
}

void CSelectPrdKatView::CheckAllRows()
{
    naddviews::CheckAll(m_gridCategories, true);
}

void CSelectPrdKatView::UncheckAllRows()
{
    naddviews::CheckAll(m_gridCategories, false);
}

void CSelectPrdKatView::OnPrint()
{
    if (!CellworkChecked(m_gridDepartments)) {
        AfxMessageBox("Выберите подразделение", MB_OK);
        return;
    }
    if (!CellworkChecked(m_gridCategories)) {
        AfxMessageBox("Выберите категорию работников", MB_OK);
        return;
    }
    naddviews::RunReportReported([&] { BuildReport(0); });
}

} // namespace npaymar
