#include "COSInventView.h"

#include "FormTitle.h"
#include "GridSerialize.h"
#include "SharedCommands.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nledmark {

IMPLEMENT_DYNCREATE(COSInventView, CderivedFormview)

BEGIN_MESSAGE_MAP(COSInventView, CderivedFormview)
    ON_COMMAND(IDOK, OnPrint)
    ON_COMMAND(IDC_SET_TN_PICK, OnTnPick)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_COMMAND(IDC_OI_PRD_PICK, OnPrdPick)
    ON_EN_CHANGE(IDC_OI_PRD, OnPrdChange)
    ON_COMMAND(IDC_OI_ALL, OnAllAtOnce)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFilPrn = "select_fil_prn";

// A code typed into the form: empty, or a whole number written back plainly;
// false for anything else.
bool WholeCode(CString text, CString& code)
{
    text.Trim();
    code.Empty();
    if (text.IsEmpty())
        return true;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    code = FormatText("%ld", std::atol(text));
    return true;
}

} // namespace

COSInventView::COSInventView() : CderivedFormview(IDR_OS_INVENT) {}

COSInventView::~COSInventView() = default;

void COSInventView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OI_SOURCE, m_comboSource);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_OI_PRD, m_editPrd);
    DDX_Control(pDX, IDC_OI_GRID, m_grid);
    DDX_CBIndex(pDX, IDC_OI_SOURCE, m_nSource);
    DDX_Check(pDX, IDC_OI_ALL, m_bAll);
    DDX_Radio(pDX, IDC_OI_BAND_LOW, m_nBand);
}

void COSInventView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Инвентаризационная опись ОС");
    for (const char* source : {"Все", "1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(m_nSource);
    FillFils(this, IDC_FIL, (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFilPrn, 1), 1);
    ResizeParentToFit(FALSE);

    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    m_accounts.clear();
    ForEachRow(InventAccountsSql(I_GetSprIdFromCaption("Осн.средства"), "104"), [this](_RecordsetPtr& rs) {
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
    ShowBands();
}

void COSInventView::ShowBands()
{
    const int show = IsDlgButtonChecked(IDC_OI_ALL) ? SW_HIDE : SW_SHOW;
    for (UINT id : {IDC_OI_BAND_LOW, IDC_OI_BAND_MID, IDC_OI_BAND_HIGH})
        if (CWnd* band = GetDlgItem(id))
            band->ShowWindow(show);
}

void COSInventView::OnAllAtOnce()
{
    UpdateData(TRUE);
    ShowBands();
}

void COSInventView::OnTnPick()
{
    OnTNbtn(this);
}

void COSInventView::OnTnChange()
{
    OnChangeTn(this);
}

void COSInventView::OnPrdPick()
{
    OnPRDbtn(this);
}

void COSInventView::OnPrdChange()
{
    OnChangePrd(this);
}

CString COSInventView::CheckedCondition() const
{
    std::vector<InventAccount> checked;
    for (long row = 0; row < m_grid.GetNRows() && row < (long)m_accounts.size(); ++row)
        if (m_grid.GetBCheck(row))
            checked.push_back(m_accounts[row]);
    return InventAccountCondition(checked);
}

// The personnel number and the department reach the script as checked whole
// numbers, every argument through MakeParam; the report runs once per print.
void COSInventView::OnPrint()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    const int branch = ChosenFil(&m_comboFil);
    AfxGetApp()->WriteProfileInt(kConstants, kSelectFilPrn, branch);
    if (!CellworkChecked(m_grid)) {
        AfxMessageBox("Укажите какие счета", MB_OK);
        m_grid.SetFocus();
        return;
    }
    CString typed, tn, prd;
    m_editTn.GetWindowText(typed);
    if (!WholeCode(typed, tn) || (!tn.IsEmpty() && !TnOk(tn))) {
        AfxMessageBox("Нет такого работника", MB_OK);
        m_editTn.SetFocus();
        m_editTn.SetSel(0, -1);
        return;
    }
    m_editPrd.GetWindowText(typed);
    if (!WholeCode(typed, prd) || (!prd.IsEmpty() && !SprOk("spr_prd", prd))) {
        AfxMessageBox("Нет такого подразделения", MB_OK);
        m_editPrd.SetFocus();
        m_editPrd.SetSel(0, -1);
        return;
    }
    CString call;
    call.Format("PrepareTheReport(\"%s\",\"%s\",\"%s\",%d,%d,\"%s\")", (LPCTSTR)MakeParam(GetDPV2()),
                (LPCTSTR)MakeParam(tn), (LPCTSTR)MakeParam(CheckedCondition()), branch, m_nSource,
                (LPCTSTR)MakeParam(prd));
    EXEC_ShowFormReport(call, 0, 0);
}

} // namespace nledmark
