// The contract breakdown: construction, loading, the contract's details and
// the lines.
#include "CBudgRasshView.h"
#include "FormTitle.h"

#include "CHelpers.h"
#include "FormLayout.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CBudgRasshView, CPostingDocView)

BEGIN_MESSAGE_MAP(CBudgRasshView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_BUDG_CONTRACT_PICK, OnContractPick)
    ON_EN_CHANGE(IDC_BUDG_CONTRACT, OnContractChange)
    ON_COMMAND(ID_DELETE_LINE, OnClearLine)
    ON_MESSAGE(kTrailingRowMsg, OnTrailingRow)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBudgRasshView, CPostingDocView)
    ON_EVENT(CBudgRasshView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CBudgRasshView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";

} // namespace

CBudgRasshView::CBudgRasshView() : CPostingDocView(IDR_BUDG_RASSH)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

CBudgRasshView::~CBudgRasshView() = default;

void CBudgRasshView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_BUDG_DATE_TEXT, m_editDate);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_BUDG_CONTRACT, m_editContract);
    DDX_Control(pDX, IDC_BUDG_NOTE, m_editPrim);
    DDX_Text(pDX, IDC_BUDG_DATE_TEXT, m_strDate);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_BUDG_CONTRACT, m_strContract);
    DDX_Text(pDX, IDC_BUDG_NOTE, m_strPrim);
}

// The grid keeps its columns' widths and scrolls across: twelve amounts
// squeezed into the form's width would be cut.
void CBudgRasshView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, "Расшифровка к договору");
    PostMessage(WM_SIZE);
    SetSql();
}

UINT CBudgRasshView::NumberFieldId() const
{
    return IDC_NUMBER;
}

void CBudgRasshView::SetSql()
{
    CWaitCursor wait;
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    int branch = (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        m_strNumber = ProposeNumber(GL_NextNumber(CBudgRasshRecord::kTable, 0));
        m_strDate = DMGtoStr(COleDateTime::GetCurrentTime());
        m_strContract.Empty();
        m_strPrim.Empty();
    } else {
        if (!m_record.Load(GetRealId())) {
            OnCancel();
            return;
        }
        branch = m_record.branch;
        m_strContract = m_record.contract;
        m_strDate = m_record.date;
        SetLoadedDate(m_record.date);
        m_strNumber = m_record.number;
        m_strPrim = m_record.prim;
        SetGridFromOneString(m_grid, m_record.grid, 0, 0);
        if (m_grid.GetNRows() == 0)
            m_grid.SetNRows(1);
    }
    UpdateData(FALSE);
    if (!FillFils(this, IDC_FIL, branch, 0))
        OnCancel();
    FocusField(IDC_BUDG_DATE_TEXT, TRUE);
}

// The contract's name, its supplier and its sum, also emptied with the contract.
void CBudgRasshView::OnContractChange()
{
    CString id;
    GetDlgItemText(IDC_BUDG_CONTRACT, id);
    CString sum, supplier;
    if (!id.IsEmpty()) {
        sum = ExecuteMony(FormatText("select s as str from spr_dogovora where id=%s", NullInt0(id)));
        supplier = ExecuteString(FormatText("select org as str from spr_dogovora where id=%s", NullInt0(id)));
    }
    SetDlgItemText(IDC_BUDG_CONTRACT_NAME, GetFromSPR("spr_dogovora", id));
    SetDlgItemText(IDC_BUDG_SUPPLIER, supplier);
    SetDlgItemText(IDC_BUDG_SUPPLIER_NAME, GetFromSPR("spr_org", supplier));
    SetDlgItemText(IDC_BUDG_CONTRACT_SUM, sum);
}

void CBudgRasshView::OnContractPick()
{
    CHelpers::GetInSpr("spr_dogovora", this, IDC_BUDG_CONTRACT, nullptr, (UINT)-1, 0, 0);
}

std::vector<CAnswerColumn> CBudgRasshView::AnswerColumns() const
{
    return {{kEkrAnswerMsg, RASSH_EKR, false}, {kKbkAnswerMsg, RASSH_KBK, false}};
}

void CBudgRasshView::OnAnswered(UINT, long)
{
    PostMessage(kTrailingRowMsg);
}

void CBudgRasshView::OnLinesChooser(short col, short row)
{
    if (col == RASSH_EKR) {
        RememberChooserRow(kEkrAnswerMsg, row);
        CHelpers::GetInSpr("spr_ekr", this, 0, nullptr, kEkrAnswerMsg, 0, 0);
    } else if (col == RASSH_KBK) {
        RememberChooserRow(kKbkAnswerMsg, row);
        CHelpers::GetInSpr("spr_kbk", this, 0, nullptr, kKbkAnswerMsg, 0, 0);
    }
}

void CBudgRasshView::OnLinesEdited(short, short, short, CString*)
{
    PostMessage(kTrailingRowMsg);
}

// A new input line once every line is complete.
LRESULT CBudgRasshView::OnTrailingRow(WPARAM, LPARAM)
{
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (!CheckRow(row, FALSE))
            return 0;
    const long added = m_grid.GetNRows();
    m_grid.SetNRows(added + 1);
    const long col = m_grid.GetCurCol();
    if (col != 1 && col != 2)
        m_grid.SetCurCell(RASSH_EKR, added);
    return 0;
}

// "Уд-ть строку" empties the line; the line itself stays.
void CBudgRasshView::OnClearLine()
{
    if (AfxMessageBox("Удалить эту строку ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const long row = m_grid.GetCurRow();
    if (row < 0)
        return;
    for (long col = 0; col < m_grid.GetNCols(); ++col)
        m_grid.SetCellValue(col, row, "");
}

void CBudgRasshView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    PlaceFormParts(this, &m_grid, {90, 72, IDC_BUDG_NOTE_LABEL, IDC_BUDG_NOTE, 110, 60, 25},
                   {{IDOK, 10}, {IDC_BUDG_DELETE, 110}, {ID_DELETE_LINE, 310}, {IDCANCEL, 410}});
}

} // namespace nledmark
