// The parents' fee accrual: loading, the debtors fill and the postings of
// its rows.
#include "CRodNuchView.h"

#include "ChildrenBook.h"
#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CRodNuchView, CRodFeeView)

BEGIN_MESSAGE_MAP(CRodNuchView, CRodFeeView)
    ON_EN_CHANGE(IDC_ROD_CREDIT, OnAnalyticAccountChange)
    ON_COMMAND(IDC_ROD_FILL, OnFill)
    ON_COMMAND(IDC_ROD_RELOAD, OnReload)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kCreditKey = "rod__nuch_kred";
const char* const kDebitKey = "rod__nuch_deb";

} // namespace

const char* const CRodNuchView::kTable = "ledmark_rod_nuch";

CRodNuchView::CRodNuchView() : CRodFeeView(IDR_ROD_NUCH, kTable, false, IDC_ROD_CREDIT)
{
    m_debitAccounts = "220503,220510";
    m_creditAccounts = "240101130";
    m_gridTop = 210;
    m_gridBottomGap = 275;
}

CRodNuchView::~CRodNuchView() = default;

void CRodNuchView::OnInitialUpdate()
{
    CRodFeeView::OnInitialUpdate();
    SetFormTitle(this, "Начисление родительской платы");
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    SetSql();
}

void CRodNuchView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    int branch = (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
    const BOOL first = m_bFirstLoad;
    if (GetRealId() == -1) {
        if (first)
            NewHeader("Начисление родительской платы", kCreditKey, "240101130", kDebitKey, "220503560");
    } else if (first) {
        if (!LoadStoredHeader(branch)) {
            m_bLoading = FALSE;
            return;
        }
    } else {
        // A reload of a stored document: its table part as stored.
        CRodFeeRecord stored(kTable, false);
        if (stored.Load(GetRealId()))
            SetGridFromOneString(m_grid, stored.grid, 0, 0);
    }
    if (m_grid.GetNRows() == 0)
        m_grid.SetNRows(1);
    if (first)
        ShowHeader(branch);
    m_bLoading = FALSE;
    m_bFirstLoad = FALSE;
}

void CRodNuchView::OnReload()
{
    SetSql();
    FocusField(IDC_ROD_DATE, TRUE);
}

void CRodNuchView::OnFill()
{
    if (AfxMessageBox("Заполнить должников по родительской плате\nвзяв данные из справочника детей ?",
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CWaitCursor wait;
    UpdateData(TRUE);
    m_grid.SetFillingGrid(1);
    m_bLoading = TRUE;
    m_bFilling = TRUE;
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    try {
        ForEachDebtor(m_strDate, [this](const CDebtor& d) {
            const long row = m_grid.GetNRows();
            m_grid.SetNRows(row + 1);
            m_grid.SetCellValue(ROD_CODE, row, d.code);
            m_grid.SetCellValue(ROD_NAME, row, d.name);
            m_grid.SetCellValue(ROD_TEACHER, row, d.teacher);
            m_grid.SetCellValue(ROD_FEE, row, d.fee);
            m_grid.SetCellValue(ROD_SUM, row, d.fee);
            ShowLeavingMark(m_grid, row, d.leaving);
        });
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxMessageBox("*** Unhandled Exception from CRodNuchView ***");
    }
    m_bFilling = FALSE;
    m_bLoading = FALSE;
    m_grid.SetFillingGrid(0);
}

CPostingLine CRodNuchView::RowPosting(const CString& contr, const CString& teacher, const CString& amount) const
{
    CPostingLine p;
    p.debit = m_strDebit;
    p.debit1 = contr;
    p.debit2 = teacher;
    p.credit = m_strCredit;
    p.credit1 = m_strValues[0];
    p.credit2 = m_strValues[1];
    p.credit3 = m_strValues[2];
    p.amount = amount;
    p.kbkDebit = m_strKbkDebit;
    p.kbkCredit = m_strKbkCredit;
    return p;
}

void CRodNuchView::RememberDefaults()
{
    RememberAccounts(kCreditKey, kDebitKey);
}

} // namespace nledmark
