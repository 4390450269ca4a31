#include "CSelectMonthNV.h"

#include "CheckLists.h"
#include "MonthLists.h"
#include "ReportRun.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CSelectMonthNV, CMyFormView1)

BEGIN_MESSAGE_MAP(CSelectMonthNV, CMyFormView1)
    ON_BN_CLICKED(IDC_MONTHS_ALL, CheckAllMonths)
    ON_BN_CLICKED(IDC_MONTHS_CLEAR, UncheckAllMonths)
    ON_BN_CLICKED(IDC_SHEETS_ALL, CheckAllRows)
    ON_BN_CLICKED(IDC_SHEETS_CLEAR, UncheckAllRows)
    ON_COMMAND(IDC_SELECT_PRINT, OnPrint)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSelectMonthNV, CMyFormView1)
    ON_EVENT(CSelectMonthNV, IDC_SELECT_MONTHS, 8, OnMonthCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CSelectMonthNV, IDC_SELECT_MONTHS, 17, FillSheets, VTS_NONE)
END_EVENTSINK_MAP()

CSelectMonthNV::CSelectMonthNV() : CMyFormView1(IDD_SELECT_MONTH_NV) {}

CSelectMonthNV::CSelectMonthNV(UINT nIDTemplate) : CMyFormView1(nIDTemplate)
{
    m_bPrintForm = 1;
}

CSelectMonthNV::~CSelectMonthNV() = default;

void CSelectMonthNV::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECT_SHEETS_LIST, m_gridSheets);
    DDX_Control(pDX, IDC_SELECT_MONTHS, m_gridMonths);
    DDX_Check(pDX, IDC_ONE_REPORT, m_bOneReport);
}

void CSelectMonthNV::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    FillMonths();
}

void CSelectMonthNV::FillMonths()
{
    CWaitCursor wait;
    RunFill(m_gridMonths, "CPrnLapshaView", [&] { FillMonthList(m_gridMonths, "paymar_M"); });
    FillSheets();
}

void CSelectMonthNV::FillSheets()
{
    CWaitCursor wait;
    RunFill(m_gridSheets, "CPrnLapshaView", [&] {
        naddviews::ClearList(m_gridSheets);
        if (!CellworkChecked(m_gridMonths))
            return;
        naddviews::FillList(m_gridSheets,
                            FormatText("select distinct nv,nv.name from paymar_NUz left join nv on "
                                       "nv.id=paymar_NUz.nv where g=%d %s group by nv,nv.name order by nv",
                                       g_lYear, GetMonthCondition()),
                            "nv", "name");
    });
}

void CSelectMonthNV::OnMonthCellChanged(short col, short row, CString* text)
{
    NameMonthRow(m_gridMonths, col, row, *text);
}

CString CSelectMonthNV::GetMonthCondition()
{
    return MonthCondition(m_gridMonths);
}

CString CSelectMonthNV::GetSheetCondition()
{
    return naddviews::ListClause(m_gridSheets, "paymar_NUz.nv=%s");
}

CString CSelectMonthNV::GetMonthList() const
{
    return naddviews::CheckedKeys(m_gridMonths);
}

CString CSelectMonthNV::GetSheetList() const
{
    return naddviews::CheckedKeys(m_gridSheets);
}

void CSelectMonthNV::BuildReport(int) {}

void CSelectMonthNV::CheckAllMonths()
{
    naddviews::CheckAll(m_gridMonths, true);
    FillSheets();
}

void CSelectMonthNV::UncheckAllMonths()
{
    naddviews::CheckAll(m_gridMonths, false);
    FillSheets();
}

void CSelectMonthNV::CheckAllRows()
{
    naddviews::CheckAll(m_gridSheets, true);
}

void CSelectMonthNV::UncheckAllRows()
{
    naddviews::CheckAll(m_gridSheets, false);
}

void CSelectMonthNV::OnPrint()
{
    if (!CellworkChecked(m_gridMonths)) {
        AfxMessageBox("Выберите месяц", MB_OK);
        return;
    }
    if (!CellworkChecked(m_gridSheets)) {
        AfxMessageBox("Выберите ведомость", MB_OK);
        return;
    }
    naddviews::RunReportReported([&] { BuildReport(0); });
}

} // namespace npaymar
