#include "CPrnOsOpisInvKartView.h"

#include "FormTitle.h"
#include "GridSerialize.h"
#include "LineCells.h"
#include "SharedCommands.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnOsOpisInvKartView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnOsOpisInvKartView, CderivedFormview)
    ON_COMMAND(IDOK, OnPrint)
    ON_COMMAND(IDC_SET_TN_PICK, OnTnPick)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_COMMAND(IDC_OSK_PRD_PICK, OnPrdPick)
    ON_EN_CHANGE(IDC_OSK_PRD, OnPrdChange)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFilPrn = "select_fil_prn";

} // namespace

CPrnOsOpisInvKartView::CPrnOsOpisInvKartView() : CderivedFormview(IDR_PRN_OS_OPIS_INV_KART) {}

CPrnOsOpisInvKartView::~CPrnOsOpisInvKartView() = default;

void CPrnOsOpisInvKartView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OSK_SOURCE, m_comboSource);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_OSK_PRD, m_editPrd);
    DDX_Control(pDX, IDC_OSK_FROM, m_editFrom);
    DDX_Control(pDX, IDC_OSK_TO, m_editTo);
    DDX_Control(pDX, IDC_OSK_GRID, m_grid);
    DDX_CBIndex(pDX, IDC_OSK_SOURCE, m_nSource);
}

void CPrnOsOpisInvKartView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Опись инвентарных карточек ОС");
    for (const char* source : {"Все", "1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(0);
    FillFils(this, IDC_FIL, (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFilPrn, -2), 1);
    ResizeParentToFit(FALSE);

    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    ForEachRow(OsAccountsSql(I_GetSprIdFromCaption("Осн.средства")), [this](_RecordsetPtr& rs) {
        InventAccount account;
        account.synthetic = SafeArayToString(rs->GetCollect("col1")).Trim();
        account.analytic = SafeArayToString(rs->GetCollect("col2")).Trim();
        const long row = m_grid.GetNRows();
        m_grid.SetNRows(row + 1);
        m_grid.SetCellValue(0, row, InventAccountText(account));
        m_grid.SetCellValue(1, row, SafeArayToString(rs->GetCollect("name")));
    });
    m_grid.SetFillingGrid(0);
}

void CPrnOsOpisInvKartView::OnTnPick()
{
    OnTNbtn(this);
}

void CPrnOsOpisInvKartView::OnTnChange()
{
    OnChangeTn(this);
}

void CPrnOsOpisInvKartView::OnPrdPick()
{
    OnPRDbtn(this);
}

void CPrnOsOpisInvKartView::OnPrdChange()
{
    OnChangePrd(this);
}

// The codes reach the script as checked numbers, the bounds as numbers or
// empty, every argument through MakeParam.
bool CPrnOsOpisInvKartView::ReportCall(CString& call)
{
    if (!UpdateData(TRUE))
        return false;
    auto refuse = [](CderivedEdit& edit, const char* message) {
        AfxMessageBox(message, MB_OK);
        edit.SetFocus();
        edit.SetSel(0, -1);
        return false;
    };
    OsOpisArgs args;
    CString tn, prd, from, to;
    m_editTn.GetWindowText(tn);
    m_editPrd.GetWindowText(prd);
    m_editFrom.GetWindowText(from);
    m_editTo.GetWindowText(to);
    tn.Trim();
    prd.Trim();
    if (!tn.IsEmpty() && !TnOk(tn))
        return refuse(m_editTn, "Нет такого работника");
    if (!prd.IsEmpty() && (!IsIdText(prd) || !SprOk("spr_prd", prd)))
        return refuse(m_editPrd, "Нет такого подразделения");
    if (!OsBound(from, args.from))
        return refuse(m_editFrom, "Укажите стоимость числом");
    if (!OsBound(to, args.to))
        return refuse(m_editTo, "Укажите стоимость числом");
    args.periodEnd = GetDPV2();
    args.tn = tn.IsEmpty() ? CString() : FormatText("%ld", atol(tn));
    args.prd = prd.IsEmpty() ? CString() : FormatText("%ld", atol(prd));
    args.source = m_nSource;
    args.branch = ChosenFil(&m_comboFil);
    args.accounts = GetGridInOneString(m_grid, 1);
    call = OsOpisCall(args);
    return true;
}

void CPrnOsOpisInvKartView::OnPrint()
{
    CWaitCursor wait;
    AfxGetApp()->WriteProfileInt(kConstants, kSelectFilPrn, ChosenFil(&m_comboFil));
    CString call;
    if (ReportCall(call))
        EXEC_ShowFormReport(call, 0, 0);
}

} // namespace nledmark
