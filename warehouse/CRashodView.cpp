#include "CRashodView.h"

#include "CPrixodRecord.h"
#include "MaterialLines.h"
#include "appcore.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nstovan {

namespace {

enum Column { kNumber = 0, kCode = 1, kName = 2, kUnit = 3, kQuantity = 4, kRest = 5 };

} // namespace

IMPLEMENT_DYNCREATE(CRashodView, CMyFormView1)

BEGIN_MESSAGE_MAP(CRashodView, CMyFormView1)
    ON_BN_CLICKED(IDC_JOURNAL_BTN, OnJournal)
    ON_EN_CHANGE(IDC_JOURNAL_ANSWER, OnJournalAnswer)
    ON_EN_CHANGE(IDC_NTREB, OnChangeNumber)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(ID_PRINT_REQUISITION, OnPrintCommand)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintDirectCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_DIRECT, OnUpdatePrintDirect)
    ON_BN_CLICKED(ID_DELETE_RECEIPT, OnDeleteCommand)
    ON_EN_SETFOCUS(IDC_DATE, OnDateFocus)
    ON_WM_SIZE()
    ON_MESSAGE(WM_USER + 1, OnAppendCheck)
    ON_MESSAGE(WM_MATERIAL_CHOSEN, OnMaterialChosen)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CRashodView, CMyFormView1)
    ON_EVENT(CRashodView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CRashodView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CRashodView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CRashodView::CRashodView() : CMyFormView1(IDD_RASHOD)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

CRashodView::~CRashodView() = default;

void CRashodView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TN, m_editTn);
    DDX_Control(pDX, IDC_PRD, m_editPrd);
    DDX_Control(pDX, IDC_ORG, m_editOrg);
    DDX_Control(pDX, IDC_NV, m_editNv);
    DDX_Control(pDX, IDC_NTREB, m_editNumber);
    DDX_Control(pDX, IDC_KAB, m_editKab);
    DDX_Control(pDX, IDC_DATE, m_editDate);
    DDX_Control(pDX, IDC_LINES, m_grid);
}

void CRashodView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    GetDocument()->SetTitle("Требование");
    LoadRequisition();
    m_grid.KeepRatio();
    ResizeParentToFit(TRUE);
}

CString CRashodView::Text(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

CRashodRecord CRashodView::Fields() const
{
    CRashodRecord record;
    record.ntreb = Text(IDC_NTREB);
    record.date = Text(IDC_DATE);
    record.prd = Text(IDC_PRD);
    record.nv = Text(IDC_NV);
    record.kab = Text(IDC_KAB).Trim();
    record.org = Text(IDC_ORG);
    record.tn = Text(IDC_TN);
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        record.lines.push_back({m_grid.GetCellValue(kCode, row), m_grid.GetCellValue(kName, row),
                                m_grid.GetCellValue(kUnit, row), m_grid.GetCellValue(kQuantity, row),
                                m_grid.GetCellValue(kRest, row)});
    return record;
}

void CRashodView::LoadRequisition()
{
    if (!m_grid.GetSafeHwnd())
        return;
    m_bLoading = 1;
    m_grid.SetNRows(0);
    CRashodRecord record = Fields();
    record.lines.clear();
    const CRashodRecord::Found found = record.Load();
    SetUnread(found == CRashodRecord::Found::Failed, m_grid);
    if (found == CRashodRecord::Found::SeveralDepartments)
        AfxMessageBox("Укажите подразделение");
    if (WholeNumber(record.ntreb).IsEmpty()) {
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
    } else if (found != CRashodRecord::Found::Loaded) {
        // A number not saved yet keeps what is typed beside it.
        record.date = Text(IDC_DATE);
    }
    for (long row = 0; row < long(record.lines.size()); ++row) {
        const CRashodLine& line = record.lines[size_t(row)];
        m_grid.SetNRows(row + 1);
        m_grid.SetCellValue(kNumber, row, utoa(row + 1));
        m_grid.SetCellValue(kCode, row, line.id);
        m_grid.SetCellValue(kName, row, line.name);
        m_grid.SetCellValue(kUnit, row, line.unit);
        m_grid.SetCellValue(kQuantity, row, line.kol);
        m_grid.SetCellValue(kRest, row, line.ost);
    }
    if (found == CRashodRecord::Found::Loaded)
        PostMessage(WM_USER + 1);
    const long rows = m_grid.GetNRows();
    m_grid.SetNRows(rows + 1);
    m_grid.SetCellValue(kNumber, rows, utoa(rows + 1));
    if (found == CRashodRecord::Found::Loaded) {
        SetDlgItemText(IDC_DATE, record.date);
        SetDlgItemText(IDC_PRD, record.prd);
        SetDlgItemText(IDC_NV, record.nv);
        SetDlgItemText(IDC_TN, record.tn);
        SetDlgItemText(IDC_ORG, record.org);
        SetDlgItemText(IDC_KAB, record.kab);
    } else if (WholeNumber(record.ntreb).IsEmpty()) {
        SetDlgItemText(IDC_DATE, record.date);
    }
    m_grid.Invalidate();
    BuildPage(record);
    m_bLoading = 0;
}

void CRashodView::OnChangeNumber()
{
    LoadRequisition();
}

void CRashodView::OnDateFocus()
{
    if (!Text(IDC_DATE).Trim().IsEmpty())
        return;
    SetDlgItemText(IDC_DATE, DMGtoStr(COleDateTime::GetCurrentTime()));
    m_editDate.SendMessage(EM_SETSEL, 0, (LPARAM)-1);
}

void CRashodView::OnChangeOrg()
{
    CMyFormView1::OnChangeOrg();
    TabOverOther(IDC_ORG, IDC_TN);
}

void CRashodView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    TabOverOther(IDC_TN, IDC_ORG);
}

void CRashodView::OnChangePrd()
{
    CMyFormView1::OnChangePrd();
    CheckStock();
}

void CRashodView::OnChangeNv()
{
    CMyFormView1::OnChangeNv();
    CheckStock();
}

void CRashodView::CheckStock()
{
    if (m_bLoading || !m_grid.GetSafeHwnd())
        return;
    CRashodRecord record = Fields();
    record.ComputeRemainders();
    for (long row = 0; row < long(record.lines.size()); ++row)
        if (!record.lines[size_t(row)].id.Trim().IsEmpty())
            m_grid.SetCellValue(kRest, row, record.lines[size_t(row)].ost);
}

BOOL CRashodView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        const UINT key = UINT(pMsg->wParam);
        CWnd* focus = GetFocus();
        if (focus && focus == GetDlgItem(IDC_NTREB) && (key == VK_F3 || key == VK_F9)) {
            PostMessage(WM_COMMAND, key == VK_F3 ? IDC_JOURNAL_BTN : ID_PRINT_REQUISITION);
            return TRUE;
        }
        if (FocusInGrid(m_grid) && (key == VK_F3 || key == VK_F9)) {
            OpenMaterialBook(this, m_nMaterialRow, m_grid.GetCurRow(), nullptr);
            return TRUE;
        }
        if (FocusInGrid(m_grid) && key == VK_F7) {
            if (SearchMaterial(this, m_grid, kCode, m_memories[0], m_nMaterialRow)) {
                CheckStock();
                PostMessage(WM_USER + 1);
            }
            return TRUE;
        }
    }
    return CMyFormView1::PreTranslateMessage(pMsg);
}

void CRashodView::OnLinesChooser(short col, short row)
{
    if (col == kCode)
        OpenMaterialBook(this, m_nMaterialRow, row, nullptr);
}

LRESULT CRashodView::OnMaterialChosen(WPARAM, LPARAM lParam)
{
    const long row = m_nMaterialRow;
    if (row < 0 || row >= m_grid.GetNRows())
        return 0;
    m_grid.SetCellValue(kCode, row, FormatText("%d", int(lParam)));
    m_grid.SetCurCell(kCode, row);
    m_grid.SetFocus();
    CheckStock();
    PostMessage(WM_USER + 1);
    return 0;
}

void CRashodView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (col == kCode && !m_bLoading) {
        m_grid.SetCellValue(kName, row, GetFromSPR("spr_stovan_mat", *text, nullptr));
        m_grid.SetCellValue(kUnit, row, MaterialUnit(*text));
    } else if ((col == kQuantity || col == kRest) && !text->Trim().IsEmpty()) {
        const CString value = FormatNumber(ReadNumber(*text), "-", 4);
        if (value != *text)
            *text = value;
    }
}

void CRashodView::OnLinesEdited(short col, short row, short key, CString* text)
{
    if (col != kCode && col != kQuantity)
        return;
    // The cell takes the text after this event: the check reads it from here.
    m_grid.SetCellValue(col, row, *text);
    CheckStock();
    PostMessage(WM_USER + 1);
}

LRESULT CRashodView::OnAppendCheck(WPARAM, LPARAM)
{
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (!SprOk("spr_stovan_mat", m_grid.GetCellValue(kCode, row))
            || ReadNumber(m_grid.GetCellValue(kQuantity, row)) == 0)
            return 0;
    const long rows = m_grid.GetNRows();
    m_grid.SetNRows(rows + 1);
    m_grid.SetCellValue(kNumber, rows, utoa(rows + 1));
    m_grid.SetCurRow(rows);
    return 0;
}

void CRashodView::OnSize(UINT nType, int cx, int cy)
{
    CMyFormView1::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(client.left, client.top + 200, client.Width(), client.bottom - 240);
    const int x[] = {10, 110, 210, 310};
    const int buttons[] = {IDOK, IDCANCEL, ID_DELETE_RECEIPT, ID_PRINT_REQUISITION};
    for (int i = 0; i < 4; ++i)
        if (CWnd* button = GetDlgItem(buttons[i]))
            button->SetWindowPos(nullptr, x[i], client.bottom - 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CRashodView::OnSaveCommand()
{
    SaveRequisition();
}

void CRashodView::OnDeleteCommand()
{
    DeleteRequisition();
}

void CRashodView::OnPrintCommand()
{
    PrintRequisition(0);
}

void CRashodView::OnPrintDirectCommand()
{
    PrintRequisition(1);
}

void CRashodView::OnUpdatePrintDirect(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

} // namespace nstovan
