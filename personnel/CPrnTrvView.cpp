#include "CPrnTrvView.h"

#include "StaffNumbers.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nperso {

namespace {

const char* const kConstants = "constants";

enum Column { PRD = 0, NAME = 1 };

} // namespace

IMPLEMENT_DYNCREATE(CPrnTrvView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnTrvView, CderivedFormview)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_BN_CLICKED(IDC_PRN_TRV_ALL, OnSelectAll)
    ON_BN_CLICKED(IDC_PRN_TRV_CLEAR, OnClear)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PRN_TRV_D1, OnDateChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PRN_TRV_D2, OnDateChange)
    ON_COMMAND(ID_FILE_PRINT, OnNoPrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnNoPrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnNoPrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdatePrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_DIRECT, OnUpdatePrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdatePrint)
END_MESSAGE_MAP()

CPrnTrvView::CPrnTrvView()
    : CderivedFormview(IDD_PRN_TRV), m_d1(qwDMG(GetOtpD1(g_lYear, g_lMonth), 1)),
      m_d2(qwDMG(GetOtpD2(g_lYear, g_lMonth), 1))
{
}

CPrnTrvView::~CPrnTrvView() = default;

void CPrnTrvView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PRN_TRV_GRID, m_grid);
    DDX_DateTimeCtrl(pDX, IDC_PRN_TRV_D1, m_d1);
    DDX_DateTimeCtrl(pDX, IDC_PRN_TRV_D2, m_d2);
}

void CPrnTrvView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Печать табеля");
    ResizeParentToFit(FALSE);
    FillPrdGrid();
    m_grid.SetFocus0();
}

// The departments with marks in the range. A mark whose assignment is gone
// has no department and is not listed.
void CPrnTrvView::FillPrdGrid()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    m_grid.SetNRows(0);
    try {
        const CString sql = FormatText(
            "select distinct perso_tn_nip.prd,spr_prd.name from perso_trv left join perso_tn_nip on "
            "perso_tn_nip.tn=perso_trv.tn and perso_tn_nip.npp=perso_trv.npp left join spr_prd on "
            "spr_prd.id=perso_tn_nip.prd where d>=%s and d<=%s and perso_tn_nip.prd is not null group by "
            "perso_tn_nip.prd,spr_prd.name order by perso_tn_nip.prd",
            ChangeDateUS0(DMGtoStr(m_d1), 0), ChangeDateUS0(DMGtoStr(m_d2), 0));
        _RecordsetPtr rows = GetConnection()->Execute(_bstr_t(sql), nullptr, adCmdText);
        for (; !rows->GetadoEOF(); rows->MoveNext()) {
            const long row = m_grid.GetNRows();
            m_grid.SetNRows(row + 1);
            m_grid.SetCellValue(PRD, row, SafeArayToString(rows->GetCollect("prd")));
            m_grid.SetCellValue(NAME, row, SafeArayToString(rows->GetCollect("name")));
        }
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxMessageBox("*** Unhandled Exception from SprView***");
    }
    if (m_grid.GetNRows() > 0)
        m_grid.SetCurCell(PRD, 0);
    m_grid.Invalidate();
}

void CPrnTrvView::OnOK()
{
    UpdateData(TRUE);
    if (m_d2 < m_d1) {
        AfxMessageBox("Дата начала должна предшествовать дате окончания");
        return;
    }
    if (!CellworkChecked(m_grid)) {
        AfxMessageBox("Выберите подразделение");
        return;
    }
    CWaitCursor wait;
    const CString d1 = DMGtoStr(m_d1);
    const CString d2 = DMGtoStr(m_d2);
    AfxGetApp()->WriteProfileString(kConstants, "perso_prn_trv_1", d1);
    AfxGetApp()->WriteProfileString(kConstants, "perso_prn_trv_2", d2);
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (!m_grid.GetBCheck(row))
            continue;
        CString prd, result;
        const bool ok = nvenzol::CheckedNumber(m_grid.GetCellValue(PRD, row), prd) &&
                        EXEC_GetFunctionValue(FormatText("prn_GetTRV(\"%s\",\"%s\",%s)", d1, d2, prd), result, 0) &&
                        atol(result) != 0;
        if (!ok) {
            AfxMessageBox(FormatText("Табель подразделения %s «%s» не напечатан", m_grid.GetCellValue(PRD, row), m_grid.GetCellValue(NAME, row)));
            return;
        }
    }
}

void CPrnTrvView::OnSelectAll()
{
    m_grid.SetBCheckAll(1);
    m_grid.Invalidate();
}

void CPrnTrvView::OnClear()
{
    m_grid.SetBCheckAll(0);
    m_grid.Invalidate();
}

void CPrnTrvView::OnDateChange(NMHDR*, LRESULT* pResult)
{
    FillPrdGrid();
    *pResult = 0;
}

void CPrnTrvView::OnUpdatePrint(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CPrnTrvView::OnNoPrint() {}

} // namespace nperso
