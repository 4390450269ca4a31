#include "CPrnSvodVenzView.h"

#include "StatementGrid.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nvenzol {

namespace {

const char* const kConstants = "constants";
const char* const kTitle = "Сводная по тарификации";

} // namespace

IMPLEMENT_DYNCREATE(CPrnSvodVenzView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnSvodVenzView, CderivedFormview)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PRN_D1, OnDateChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PRN_D2, OnDateChange)
END_MESSAGE_MAP()

CPrnSvodVenzView::CPrnSvodVenzView()
    : CderivedFormview(IDD_PRN_VENZOL_SVOD), m_d1(COleDateTime::GetCurrentTime()), m_d2(COleDateTime::GetCurrentTime())
{
}

CPrnSvodVenzView::~CPrnSvodVenzView() = default;

void CPrnSvodVenzView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_PRN_D1, m_d1);
    DDX_DateTimeCtrl(pDX, IDC_PRN_D2, m_d2);
    DDX_Control(pDX, IDC_PRN_NV_GRID, m_nvGrid);
}

void CPrnSvodVenzView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, kTitle);
    ResizeParentToFit(FALSE);
    const CString d1 = AfxGetApp()->GetProfileString(kConstants, "prn_venzol_d1", "");
    const CString d2 = AfxGetApp()->GetProfileString(kConstants, "prn_venzol_d2", "");
    if (!d1.IsEmpty())
        m_d1 = qwDMG(d1, 1);
    if (!d2.IsEmpty())
        m_d2 = qwDMG(d2, 1);
    UpdateData(FALSE);
    FillNvGrid();
}

void CPrnSvodVenzView::FillNvGrid()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    try {
        FillStatementGrid(m_nvGrid, m_d1, m_d2);
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxMessageBox("*** Unhandled Exception from CPrnJurnalBolView ***");
    }
    m_nvGrid.Invalidate();
}

TariffSummaryRequest CPrnSvodVenzView::Request()
{
    UpdateData(TRUE);
    TariffSummaryRequest r;
    r.d1 = DMGtoStr(m_d1);
    r.d2 = DMGtoStr(m_d2);
    const std::vector<long> checked = CheckedRows(m_nvGrid);
    const bool every = long(checked.size()) == m_nvGrid.GetNRows();
    CString condition;
    for (long row : checked) {
        const int nv = int(static_cast<unsigned short>(atol(m_nvGrid.GetCellValue(0, row))));
        if (!every)
            condition += FormatText("%sssv1.nv=%d", condition.IsEmpty() ? "" : " or ", nv);
        r.titles += (r.titles.IsEmpty() ? "" : ", ") + GetFromSPR("nv", FormatText("%d", nv), nullptr);
    }
    if (!condition.IsEmpty())
        r.condition = "and (" + condition + ")";
    return r;
}

void CPrnSvodVenzView::OnOK()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    AfxGetApp()->WriteProfileString(kConstants, "prn_venzol_d1", DMGtoStr(m_d1));
    AfxGetApp()->WriteProfileString(kConstants, "prn_venzol_d2", DMGtoStr(m_d2));
    if (CheckedRows(m_nvGrid).empty()) {
        AfxMessageBox("Выберите ведомость");
        m_nvGrid.SetFocus0();
        return;
    }
    TariffSummaryPage page;
    if (BuildTariffSummary(Request(), page))
        CHelpers::DisplayMessage(page.html, GetDocument()->GetTitle(), 0, 8, "#f5f5FF", -1, -1);
}

void CPrnSvodVenzView::OnDateChange(NMHDR*, LRESULT* pResult)
{
    FillNvGrid();
    *pResult = 0;
}

} // namespace nvenzol
