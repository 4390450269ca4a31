// The parents' fee opening balances: loading the children with their
// balances, the save's checks and the lines and postings it writes.
#include "CRodNuchOstView.h"

#include "BankRows.h"
#include "CHelpers.h"
#include "ChildrenBook.h"
#include "FormTitle.h"
#include "FormLayout.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CRodNuchOstView, CPostingDocView)

BEGIN_MESSAGE_MAP(CRodNuchOstView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_ROD_MAIN_PICK, OnAccountPick)
    ON_COMMAND(IDC_ROD_KBK_DEBIT_PICK, OnKbkPick)
    ON_COMMAND(IDC_ROD_OST_RELOAD, OnReload)
    ON_MESSAGE(kTeacherAnswer, OnTeacherAnswer)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CRodNuchOstView, CPostingDocView)
    ON_EVENT(CRodNuchOstView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kAccountKey = "rod__nuch_ost";

} // namespace

CRodNuchOstView::CRodNuchOstView() : CPostingDocView(IDR_ROD_NUCH_OST)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

CRodNuchOstView::~CRodNuchOstView() = default;

void CRodNuchOstView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_ROD_DATE, m_editDate);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_ROD_MAIN, m_editAccount);
    DDX_Control(pDX, IDC_ROD_KBK_DEBIT, m_editKbk);
    DDX_Control(pDX, IDC_ROD_NOTE, m_editPrim);
    DDX_Text(pDX, IDC_ROD_DATE, m_strDate);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_ROD_MAIN, m_strAccount);
    DDX_Text(pDX, IDC_ROD_KBK_DEBIT, m_strKbk);
    DDX_Text(pDX, IDC_ROD_NOTE, m_strPrim);
}

void CRodNuchOstView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Начальные остатки по родительской плате");
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    SetSql();
}

UINT CRodNuchOstView::NumberFieldId() const
{
    return IDC_NUMBER;
}

void CRodNuchOstView::SetSql()
{
    CWaitCursor wait;
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    CWinApp* app = AfxGetApp();
    int branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        UpdateData(TRUE);
        if (m_strDate.IsEmpty())
            m_strDate = DMGtoStr(COleDateTime::GetCurrentTime());
        if (m_strNumber.IsEmpty())
            m_strNumber = ProposeNumber(GL_NextNumber(CRodPlataRecord::kTable, 0));
        if (m_strAccount.IsEmpty())
            m_strAccount = app->GetProfileString(kConstants, kAccountKey, "220503000");
        if (m_comboFil.GetCurSel() >= 0)
            branch = SelectedBranch(IDC_FIL);
        m_strPrim.Empty();
        m_strKbk.Empty();
    } else {
        if (!m_record.Load(GetRealId())) {
            OnCancel();
            return;
        }
        m_strKbk = m_record.kbk;
        branch = m_record.branch;
        SetLoadedDate(m_record.date);
        m_strDate = m_record.date;
        m_strNumber = m_record.number;
        m_strAccount = m_record.account;
        m_strPrim = m_record.prim;
    }
    ListChildren(m_strDate);
    UpdateData(FALSE);
    if (!FillFils(this, IDC_FIL, branch, 0))
        OnCancel();
}

void CRodNuchOstView::ListChildren(const CString& date)
{
    m_listedCodes.clear();
    try {
        _RecordsetPtr rs = ExecuteRows(FormatText(
            "select spr_deti.dt_del,spr_deti.id,spr_deti.name,s1,s2,spr_deti.tnp as tnp0,ledmark_rod_plata1.tnp as tnp "
            "from spr_deti \t\t\tleft join ledmark_rod_plata1 on ledmark_rod_plata1.real_id=%d and "
            "ledmark_rod_plata1.id=spr_deti.id \t\t\twhere (spr_deti.dt_del is null or spr_deti.dt_del>%s or s1>0 or "
            "s2>0) \t\t\torder by spr_deti.id",
            GetRealId(), ChangeDateUS0(date, 0)));
        for (long k = 0; rs && !rs->EndOfFile; rs->MoveNext(), ++k) {
            m_grid.SetNRows(k + 1);
            m_grid.SetCellValue(OST_NPP, k, FormatText("%d", k + 1));
            ShowLeavingMark(m_grid, k, SafeArayToString(rs->GetCollect("dt_del")));
            const CString code = SafeArayToString(rs->GetCollect("id"));
            m_listedCodes.insert(code);
            m_grid.SetCellValue(OST_CODE, k, code);
            m_grid.SetCellValue(OST_NAME, k, SafeArayToString(rs->GetCollect("name")));
            m_grid.SetCellValue(OST_S1, k, SafeArayToString(rs->GetCollect("s1")));
            m_grid.SetCellValue(OST_S2, k, SafeArayToString(rs->GetCollect("s2")));
            const CString teacher = SafeArayToString(rs->GetCollect("tnp"));
            m_grid.SetCellValue(OST_TEACHER, k,
                                teacher.IsEmpty() ? SafeArayToString(rs->GetCollect("tnp0")) : teacher);
        }
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxMessageBox("*** Unhandled Exception from CRodNuchOstView ***");
    }
}

void CRodNuchOstView::OnReload()
{
    SetSql();
    FocusField(IDC_ROD_DATE, TRUE);
}

void CRodNuchOstView::OnAccountPick()
{
    CString text;
    GetDlgItemText(IDC_ROD_MAIN, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_ROD_MAIN, -1, text, 0, nullptr, "220503,220510");
}

void CRodNuchOstView::OnKbkPick()
{
    CString account;
    GetDlgItemText(IDC_ROD_MAIN, account);
    GL_GetDefKBKList(this, IDC_ROD_KBK_DEBIT, account, SelectedBranch(IDC_FIL), (UINT)-1, nullptr, 0);
}

void CRodNuchOstView::OnLinesChooser(short col, short row)
{
    if (col != OST_TEACHER)
        return;
    m_teacherRow = m_grid.GetCurRow() >= 0 ? m_grid.GetCurRow() : row;
    CHelpers::GetInSpr("tn", this, -1, nullptr, kTeacherAnswer, 0, 0, nullptr, nullptr, 0);
}

LRESULT CRodNuchOstView::OnTeacherAnswer(WPARAM, LPARAM lParam)
{
    if (m_teacherRow >= 0 && m_teacherRow < m_grid.GetNRows())
        m_grid.SetCellValue(OST_TEACHER, m_teacherRow, utos((long long)lParam));
    return 0;
}

CString CRodNuchOstView::Balance(int col, long row) const
{
    return DecimalPoint(m_grid.GetCellValue(col, row));
}

int CRodNuchOstView::Write(int ask)
{
    const int written = CPostingDocView::Write(ask);
    m_record.replacingShown = false;
    return written;
}

BOOL CRodNuchOstView::ValidateDocument()
{
    const int branch = SelectedBranch(IDC_FIL);
    CString date;
    if (!CheckDateText(IDC_ROD_DATE, m_strDate, "Укажите Дату", date)
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа")
        || !RequireText(IDC_ROD_MAIN, m_strAccount, "Укажите основной счет"))
        return FALSE;
    if (!GL_Valid_Sch(m_strAccount, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(IDC_ROD_MAIN, TRUE);
        return FALSE;
    }
    CRodPlataRecord& r = m_record;
    r.date = date;
    r.number = m_strNumber;
    r.account = m_strAccount;
    r.prim = m_strPrim;
    r.kbk = m_strKbk;
    r.branch = branch;
    r.lines.clear();
    r.postings.clear();
    r.shownCodes = m_listedCodes;
    double total = 0;
    std::vector<std::pair<CRodBalanceLine, long>> rows;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        total += atof(Balance(OST_S1, row)) - atof(Balance(OST_S2, row));
        CRodBalanceLine line{m_grid.GetCellValue(OST_CODE, row), Balance(OST_S1, row), Balance(OST_S2, row),
                             m_grid.GetCellValue(OST_TEACHER, row)};
        const CString code = ChildCode(line.code);
        if (!code.IsEmpty())
            r.shownCodes.insert(code);
        if (line.s1.IsEmpty() && line.s2.IsEmpty())
            continue;
        if (code.IsEmpty()) {
            RefuseChildWithoutCounterparty(line.code);
            m_grid.SetFocus();
            m_grid.SetCurCell(OST_CODE, row);
            return FALSE;
        }
        line.code = code;
        rows.emplace_back(line, row);
    }
    r.total = FormatNumber(total, "", 2);
    // The balances of children the form no longer lists keep their lines, and
    // their postings are written again with the others.
    for (const CRodBalanceLine& kept : r.KeptLines(GetRealId()))
        rows.emplace_back(kept, -1);
    for (const auto& [line, row] : rows) {
        std::vector<CPostingLine> postings;
        if (atof(line.s1) != 0 || atof(line.s2) != 0) {
            const CString contr = ChildCounterparty(line.code);
            if (contr.IsEmpty()) {
                RefuseChildWithoutCounterparty(line.code);
                if (row >= 0) {
                    m_grid.SetFocus();
                    m_grid.SetCurCell(OST_CODE, row);
                }
                return FALSE;
            }
            postings = r.PostingsOf(line, contr);
        }
        if (row >= 0)
            r.lines.push_back(line);
        r.postings.insert(r.postings.end(), postings.begin(), postings.end());
    }
    r.replacingShown = true;
    return TRUE;
}

void CRodNuchOstView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(kConstants, kAccountKey, m_record.account);
    app->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
}

void CRodNuchOstView::AfterSave()
{
    FocusField(IDC_ROD_DATE, TRUE);
    OnCancel();
    PostOK(1, 1);
}

void CRodNuchOstView::OnSaveDeclined()
{
    FocusField(IDC_ROD_DATE, TRUE);
}

void CRodNuchOstView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    PlaceFormParts(this, &m_grid, {120, 155, 0, 0, 0, 0, 25},
                   {{IDOK, 10}, {ID_BUH_SPRAVKA, 110}, {IDC_ROD_OST_RELOAD, 210}, {IDCANCEL, 310}});
}

} // namespace nledmark
