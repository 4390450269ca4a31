#include "CPrnOstDogovoraView.h"

#include "CHelpers.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnOstDogovoraView, CLboReportForm)

BEGIN_MESSAGE_MAP(CPrnOstDogovoraView, CLboReportForm)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDC_OST_SELECT_ALL, SelectAllContracts)
    ON_COMMAND(IDC_OST_CLEAR_ALL, ClearAllContracts)
    ON_EN_CHANGE(IDC_OST_EKR, OnChangeEkr)
    ON_COMMAND(IDC_OST_EKR_PICK, OnEKRbtn)
END_MESSAGE_MAP()

CPrnOstDogovoraView::CPrnOstDogovoraView() : CLboReportForm(IDR_PRN_OST_DOGOVORA, "Остатки по договору", 1, 9) {}

void CPrnOstDogovoraView::DoDataExchange(CDataExchange* pDX)
{
    CLboReportForm::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OST_EKR, m_editEkr);
    DDX_Control(pDX, IDC_OST_GRID, m_grid);
}

void CPrnOstDogovoraView::OnInitialUpdate()
{
    CLboReportForm::OnInitialUpdate();
    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    ForEachRow(FormatText("select id,name from spr_dogovora where (bFolder is null or bFolder=0) and "
                          "(dt_del is null or dt_del>%s) order by id",
                          (LPCTSTR)ChangeDateUS0(GetDPV2(), 0)),
               [this](_RecordsetPtr& rs) {
                   const long row = m_grid.GetNRows();
                   m_grid.SetNRows(row + 1);
                   m_grid.SetCellValue(0, row, SafeArayToString(rs->GetCollect("id")));
                   m_grid.SetCellValue(1, row, SafeArayToString(rs->GetCollect("name")));
               });
    m_grid.SetFillingGrid(0);
    m_editEkr.SetFocus();
}

ContractBalanceFilter CPrnOstDogovoraView::Filter()
{
    UpdateData(TRUE);
    ContractBalanceFilter filter;
    filter.year = g_lYear;
    filter.branch = ChosenBranch();
    filter.source = m_nSource;
    m_editEkr.GetWindowText(filter.ekr);
    GetDlgItemText(IDC_LBO_SOURCE_NAME, filter.sourceName);
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString id = m_grid.GetCellValue(0, row);
        if (m_grid.GetBCheck(row) && IsWholeNumber(id))
            filter.contracts.push_back(atol(id));
    }
    return filter;
}

void CPrnOstDogovoraView::OnOK()
{
    CWaitCursor wait;
    const ContractBalanceFilter filter = Filter();
    if (filter.contracts.empty()) {
        AfxMessageBox("Выберите Договор", MB_OK);
        m_grid.SetFocus();
        return;
    }
    ShowPage(ContractBalancePage(filter));
}

void CPrnOstDogovoraView::SelectAllContracts()
{
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        m_grid.SetBCheck(row, 1);
}

void CPrnOstDogovoraView::ClearAllContracts()
{
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        m_grid.SetBCheck(row, 0);
}

void CPrnOstDogovoraView::OnChangeEkr()
{
    CString code;
    m_editEkr.GetWindowText(code);
    SetDlgItemText(IDC_OST_EKR_NAME, IsWholeNumber(code) ? GetFromSPR("spr_ekr", code, nullptr) : CString());
}

void CPrnOstDogovoraView::OnEKRbtn()
{
    CHelpers::GetInSpr("spr_ekr", this, IDC_OST_EKR, nullptr, UINT(-1));
}

} // namespace nledmark
