#include "CPrixodView.h"

#include "MaterialLines.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"


namespace nstovan {

IMPLEMENT_DYNCREATE(CPrixodView, CMyFormView1)

BEGIN_MESSAGE_MAP(CPrixodView, CMyFormView1)
    ON_EN_CHANGE(IDC_DATE, OnChangeKey)
    ON_EN_CHANGE(IDC_NPP, OnChangeKey)
    ON_EN_CHANGE(IDC_DAY_ANSWER, OnDayAnswer)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(ID_DELETE_RECEIPT, OnDeleteCommand)
    ON_BN_CLICKED(IDC_DAY_PRD_NV_BTN, OnDayPrdNvButton)
    ON_BN_CLICKED(IDC_NPP_BTN, OnNppButton)
    ON_BN_CLICKED(IDC_DAY_BTN, OnDayButton)
    ON_BN_CLICKED(IDC_DAY_PRD_BTN, OnDayPrdButton)
    ON_BN_CLICKED(IDC_DAY_NV_BTN, OnDayNvButton)
    ON_WM_SIZE()
    ON_MESSAGE(WM_MATERIAL_CHOSEN, OnMaterialChosen)
    ON_MESSAGE(WM_USER + 1, OnAppendCheck)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrixodView, CMyFormView1)
    ON_EVENT(CPrixodView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(CPrixodView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CPrixodView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CPrixodView::CPrixodView() : CMyFormView1(IDD_PRIXOD)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

CPrixodView::~CPrixodView() = default;

void CPrixodView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DATE, m_editDate);
    DDX_Control(pDX, IDC_PRD, m_editPrd);
    DDX_Control(pDX, IDC_NV, m_editNv);
    DDX_Control(pDX, IDC_ORG, m_editOrg);
    DDX_Control(pDX, IDC_TN, m_editTn);
    DDX_Control(pDX, IDC_NPP, m_editNpp);
    DDX_Control(pDX, IDC_NDOC, m_editNdoc);
    DDX_Control(pDX, IDC_LINES, m_grid);
}

void CPrixodView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    GetDocument()->SetTitle("Приход материалов");
    ResizeParentToFit(FALSE);
    m_editDate.SetWindowText(DMGtoStr(COleDateTime::GetCurrentTime()));
    LoadReceipt();
    m_grid.KeepRatio();
    ResizeParentToFit(FALSE);
}

CString CPrixodView::Text(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

CPrixodRecord CPrixodView::Fields() const
{
    CPrixodRecord record;
    record.date = Text(IDC_DATE);
    record.prd = Text(IDC_PRD);
    record.nv = Text(IDC_NV);
    record.npp = Text(IDC_NPP);
    record.ndoc = Text(IDC_NDOC);
    record.org = Text(IDC_ORG);
    record.tn = Text(IDC_TN);
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        record.lines.push_back({m_grid.GetCellValue(1, row), m_grid.GetCellValue(2, row), m_grid.GetCellValue(3, row),
                                m_grid.GetCellValue(4, row), m_grid.GetCellValue(5, row), m_grid.GetCellValue(6, row)});
    return record;
}

void CPrixodView::LoadReceipt()
{
    if (!m_grid.GetSafeHwnd())
        return;
    m_bLoading = 1;
    m_grid.SetNRows(0);
    CPrixodRecord record = Fields();
    CPrixodKey key;
    SetUnread(!record.Load(), m_grid);
    if (!m_unread && record.Key(key, true)) {
        FillLines(record);
        PostMessage(WM_USER + 1);
    }
    if (record.npp.Trim().IsEmpty())
        PostMessage(WM_USER + 1);
    m_grid.Invalidate();
    SetDlgItemText(IDC_ORG, record.org);
    SetDlgItemText(IDC_TN, record.tn);
    SetDlgItemText(IDC_NDOC, record.ndoc);
    m_bLoading = 0;
}

void CPrixodView::OnChangeKey()
{
    LoadReceipt();
}

void CPrixodView::OnChangeOrg()
{
    CMyFormView1::OnChangeOrg();
    TabOverOther(IDC_ORG, IDC_TN);
}

void CPrixodView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    TabOverOther(IDC_TN, IDC_ORG);
}

void CPrixodView::OnChangePrd()
{
    CMyFormView1::OnChangePrd();
    LoadReceipt();
}

void CPrixodView::OnChangeNv()
{
    CMyFormView1::OnChangeNv();
    LoadReceipt();
}

BOOL CPrixodView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_F3 || pMsg->wParam == VK_F7)) {
        CWnd* focus = GetFocus();
        if (pMsg->wParam == VK_F3 && focus && focus == GetDlgItem(IDC_DATE)) {
            PostMessage(WM_COMMAND, IDC_DAY_PRD_NV_BTN);
            return TRUE;
        }
        if (pMsg->wParam == VK_F3 && focus && focus == GetDlgItem(IDC_NPP)) {
            PostMessage(WM_COMMAND, IDC_NPP_BTN);
            return TRUE;
        }
        if (nstovan::FocusInGrid(m_grid)) {
            if (pMsg->wParam == VK_F3)
                ChooseMaterial(m_grid.GetCurRow(), nullptr);
            else
                SearchMaterial();
            return TRUE;
        }
    }
    return CMyFormView1::PreTranslateMessage(pMsg);
}

void CPrixodView::OnSize(UINT nType, int cx, int cy)
{
    CMyFormView1::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(client.left, client.top + 205, client.Width(), client.bottom - 250);
    const int x[] = {10, 110, 210};
    const int buttons[] = {IDOK, IDCANCEL, ID_DELETE_RECEIPT};
    for (int i = 0; i < 3; ++i)
        if (CWnd* button = GetDlgItem(buttons[i]))
            button->SetWindowPos(nullptr, x[i], client.bottom - 35, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CPrixodView::OnSaveCommand()
{
    SaveReceipt();
}

void CPrixodView::OnDeleteCommand()
{
    DeleteReceipt();
}

} // namespace nstovan
