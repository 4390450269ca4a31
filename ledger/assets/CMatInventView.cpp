#include "CMatInventView.h"

#include "FormTitle.h"
#include "GridSerialize.h"
#include "SharedCommands.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CMatInventView, CderivedFormview)

BEGIN_MESSAGE_MAP(CMatInventView, CderivedFormview)
    ON_COMMAND(IDOK, OnPrint)
    ON_COMMAND(IDC_SET_TN_PICK, OnTnPick)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFilPrn = "select_fil_prn";

} // namespace

CMatInventView::CMatInventView() : CderivedFormview(IDR_MAT_INVENT) {}

CMatInventView::~CMatInventView() = default;

void CMatInventView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MK_SOURCE, m_comboSource);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_MK_GRID, m_grid);
    DDX_CBIndex(pDX, IDC_MK_SOURCE, m_nSource);
}

void CMatInventView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Инвентаризационная опись МЗ");
    for (const char* source : {"Все", "1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(0);
    FillFils(this, IDC_FIL, (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFilPrn, -2), 1);
    ResizeParentToFit(FALSE);

    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    m_accounts.clear();
    ForEachRow(InventAccountsSql(I_GetSprIdFromCaption("Материалы")), [this](_RecordsetPtr& rs) {
        InventAccount account;
        account.synthetic = SafeArayToString(rs->GetCollect("col1")).Trim();
        account.analytic = SafeArayToString(rs->GetCollect("col2")).Trim();
        account.name = SafeArayToString(rs->GetCollect("name"));
        const long row = m_grid.GetNRows();
        m_grid.SetNRows(row + 1);
        m_grid.SetCellValue(0, row, InventAccountText(account));
        m_grid.SetCellValue(1, row, account.name);
        m_accounts.push_back(account);
    });
    m_grid.SetFillingGrid(0);
}

void CMatInventView::OnTnPick()
{
    OnTNbtn(this);
}

void CMatInventView::OnTnChange()
{
    OnChangeTn(this);
}

CString CMatInventView::CheckedCondition() const
{
    std::vector<InventAccount> checked;
    for (long row = 0; row < m_grid.GetNRows() && row < (long)m_accounts.size(); ++row)
        if (m_grid.GetBCheck(row))
            checked.push_back(m_accounts[row]);
    return InventAccountCondition(checked);
}

// The responsible person goes to the script as a checked number and every
// argument through MakeParam; the report runs once per print.
void CMatInventView::OnPrint()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    if (!CellworkChecked(m_grid)) {
        AfxMessageBox("Укажите какие счета", MB_OK);
        m_grid.SetFocus();
        return;
    }
    CString tn;
    m_editTn.GetWindowText(tn);
    tn.Trim();
    if (!tn.IsEmpty() && !TnOk(tn)) {
        AfxMessageBox("Нет такого работника", MB_OK);
        m_editTn.SetFocus();
        m_editTn.SetSel(0, -1);
        return;
    }
    const int branch = ChosenFil(&m_comboFil);
    AfxGetApp()->WriteProfileInt(kConstants, kSelectFilPrn, branch);
    CString call;
    call.Format("PrepareTheReport(\"%s\",\"%s\",\"%s\",%d,%d)", (LPCTSTR)MakeParam(GetDPV2()),
                (LPCTSTR)MakeParam(tn.IsEmpty() ? CString() : FormatText("%ld", atol(tn))),
                (LPCTSTR)MakeParam(CheckedCondition()), branch, m_nSource);
    EXEC_ShowFormReport(call, 0, 0);
}

} // namespace nledmark
