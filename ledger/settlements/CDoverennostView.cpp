// The power of attorney for goods: load, the unit chooser, layout, checks
// and print.
#include "CDoverennostView.h"

#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CDoverennostView, CUnpostedDocView)

BEGIN_MESSAGE_MAP(CDoverennostView, CUnpostedDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_SET_TN_PICK, OnTNbtn)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_COMMAND(IDC_DOV_ORG_PICK, OnOrgPick)
    ON_EN_CHANGE(IDC_SET_ORG, OnOrgChange)
    ON_MESSAGE(kUnitAnswerMsg, OnUnitChosen)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrint)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CDoverennostView, CUnpostedDocView)
    ON_EVENT(CDoverennostView, IDC_DOV_GOODS, 5, OnGoodsChooser, VTS_I2 VTS_I2)
END_EVENTSINK_MAP()

namespace {

constexpr long kGoodsRows = 25;

} // namespace

CDoverennostView::CDoverennostView() : CUnpostedDocView(IDR_DOVERENNOST)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editValid.SetType(EDIT_KIND_DATE);
    m_editDocDate.SetType(EDIT_KIND_DATE);
    m_editOrg.SetType(EDIT_KIND_PLAIN);
    m_editTn.SetType(EDIT_KIND_PLAIN);
}

CDoverennostView::~CDoverennostView() = default;

void CDoverennostView::DoDataExchange(CDataExchange* pDX)
{
    CUnpostedDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOV_GOODS, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_SET_DATE_TEXT, m_editDate);
    DDX_Control(pDX, IDC_DOV_VALID, m_editValid);
    DDX_Control(pDX, IDC_SET_ORG, m_editOrg);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_DOV_DOC_NAME, m_editDocName);
    DDX_Control(pDX, IDC_DOV_DOC_NUMBER, m_editDocNumber);
    DDX_Control(pDX, IDC_DOV_DOC_DATE, m_editDocDate);
    DDX_Control(pDX, IDC_SET_NOTE, m_editPrim);
    DDX_Check(pDX, IDC_DOV_WORDS, m_r);
}

void CDoverennostView::PrepareForm()
{
    m_grid.KeepRatio();
    m_grid.SetNRows(kGoodsRows);
}

void CDoverennostView::SetSql()
{
    CWaitCursor wait;
    CDoverennostRecord record;
    record.branch = RememberedBranch();
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(CDoverennostRecord::kTable, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.wordsForQuantities = m_r;
    } else if (!record.Load(GetRealId())) {
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    ShowRecord(record);
}

void CDoverennostView::ShowRecord(const CDoverennostRecord& record)
{
    SetDlgItemText(IDC_SET_DATE_TEXT, record.date);
    SetDlgItemText(IDC_DOV_VALID, record.validUntil);
    SetDlgItemText(IDC_DOV_DOC_DATE, record.docDate);
    SetDlgItemText(IDC_DOV_DOC_NAME, record.docName);
    SetDlgItemText(IDC_DOV_DOC_NUMBER, record.docNumber);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_SET_ORG, record.org);
    SetDlgItemText(IDC_SET_TN, record.tn);
    SetDlgItemText(IDC_SET_NOTE, record.prim);
    m_grid.ClearGrid();
    SetGridFromOneString(m_grid, record.grid, 0, 0);
    if (m_grid.GetNRows() < kGoodsRows)
        m_grid.SetNRows(kGoodsRows);
    ShowBranch(record.branch);
    m_r = record.wordsForQuantities;
    UpdateData(FALSE);
    FocusField(IDC_NUMBER, TRUE);
}

CDoverennostRecord CDoverennostView::ReadForm()
{
    CDoverennostRecord r;
    r.branch = SelectedBranch(IDC_FIL);
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_SET_DATE_TEXT, r.date);
    GetDlgItemText(IDC_DOV_VALID, r.validUntil);
    GetDlgItemText(IDC_SET_ORG, r.org);
    GetDlgItemText(IDC_SET_ORG_NAME, r.orgName);
    GetDlgItemText(IDC_SET_TN, r.tn);
    GetDlgItemText(IDC_SET_FIO, r.fio);
    GetDlgItemText(IDC_DOV_DOC_NAME, r.docName);
    GetDlgItemText(IDC_DOV_DOC_NUMBER, r.docNumber);
    GetDlgItemText(IDC_DOV_DOC_DATE, r.docDate);
    GetDlgItemText(IDC_SET_NOTE, r.prim);
    r.grid = GetGridInOneString(m_grid, 0);
    r.wordsForQuantities = m_r;
    r.org.Trim();
    r.tn.Trim();
    return r;
}

BOOL CDoverennostView::ValidateDocument()
{
    CDoverennostRecord r = ReadForm();
    if (!RequireText(IDC_NUMBER, r.number, "Укажите № документа")
        || !CheckDateText(IDC_SET_DATE_TEXT, r.date, "Укажите дату документа", r.date)
        || !RequireText(IDC_SET_ORG, r.org, "Укажите код Организации"))
        return FALSE;
    if (!SprOk("spr_org", r.org)) {
        AfxMessageBox("Нет такого кода Организации");
        FocusField(IDC_SET_ORG, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_SET_TN, r.tn, "Укажите Табельный №"))
        return FALSE;
    if (!TnOk(r.tn)) {
        AfxMessageBox("Нет такого работника");
        FocusField(IDC_SET_TN, TRUE);
        return FALSE;
    }
    m_record = r;
    return TRUE;
}

// Only the unit column has a chooser; the row is remembered for the answer.
void CDoverennostView::OnGoodsChooser(short col, short row)
{
    if (col != DOV_UNIT)
        return;
    m_unitRow = row;
    CExtFuncs::ShowSpr("spr_ei", this, 0, 0, nullptr, nullptr, kUnitAnswerMsg, 0);
}

// The unit's name, not its key, goes into the line.
LRESULT CDoverennostView::OnUnitChosen(WPARAM, LPARAM lParam)
{
    if (m_unitRow < 0 || m_unitRow >= m_grid.GetNRows())
        return 0;
    m_grid.SetCellValue(DOV_UNIT, m_unitRow, GetFromSPR("spr_ei", utoa((long long)lParam), nullptr));
    m_grid.SetCurCell(DOV_UNIT, m_unitRow);
    return 0;
}

void CDoverennostView::OnSize(UINT nType, int cx, int cy)
{
    CUnpostedDocView::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(client.left, client.top + 190, client.right - client.left, client.bottom - 260);
    if (CWnd* label = GetDlgItem(IDC_SET_NOTE_LABEL))
        label->SetWindowPos(nullptr, 10, client.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_editPrim.SetWindowPos(nullptr, 90, client.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const std::pair<UINT, int> buttons[] = {
        {IDOK, 10}, {ID_DOCUMENT_NEW, 110}, {ID_DOCUMENT_PRINT, 310}, {ID_DOCUMENT_DELETE, 410}};
    for (const auto& [id, x] : buttons)
        if (CWnd* button = GetDlgItem(id))
            button->SetWindowPos(nullptr, x, client.bottom - 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// The form's report reads the stored row by its key (-1 before the first
// save, which the report answers with a page that says so).
void CDoverennostView::OnPrint()
{
    CString call;
    call.Format("PrepareTheReport(\"%d\")", GetRealId());
    EXEC_ShowFormReport(call, 0, 1);
}

} // namespace nledmark
