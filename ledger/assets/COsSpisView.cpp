// The write-off of fixed assets: construction, loading, the header's fields,
// the grid of assets and the prints.
#include "COsSpisView.h"

#include "AccountPickerRows.h"
#include "CHelpers.h"
#include "CodeRows.h"
#include "FormLayout.h"
#include "FormTitle.h"
#include "LineCells.h"
#include "RowSearch.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"

#include <QScopedValueRollback>

namespace nledmark {

IMPLEMENT_DYNCREATE(COsSpisView, CPostingDocView)

BEGIN_MESSAGE_MAP(COsSpisView, CPostingDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_OSS_DEBIT_PICK, OnDebitPick)
    ON_COMMAND(IDC_OSS_ZAB_PICK, OnZabPick)
    ON_COMMAND(IDC_OSS_EKR_PICK, OnEkrPick)
    ON_COMMAND(IDC_OSS_KBK_PICK, OnKbkPick)
    ON_COMMAND(IDC_OSS_PRINT_4, OnPrint4)
    ON_COMMAND(IDC_OSS_PRINT_4A, OnPrint4a)
    ON_COMMAND(IDC_OSS_PRINT_4B, OnPrint4b)
    ON_COMMAND(IDC_OSS_PRINT_143, OnPrint143)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(COsSpisView, CPostingDocView)
    ON_EVENT(COsSpisView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(COsSpisView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
constexpr UINT kSpareRowMessage = 0x464;
constexpr UINT kAssetsAnswer = 0x465;

} // namespace

COsSpisView::COsSpisView() : CPostingDocView(IDR_OS_SPIS), m_date(COleDateTime::GetCurrentTime())
{
    m_editDebit.m_bDebit = 1;
    m_editZab.m_bDebit = 1;
}

COsSpisView::~COsSpisView() = default;

void COsSpisView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_OSS_DATE, m_dateCtrl);
    DDX_Control(pDX, IDC_OSS_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_OSS_ZAB, m_editZab);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_OSS_PRIM, m_editPrim);
    DDX_Control(pDX, IDC_OSS_EKR, m_editEkr);
    DDX_Control(pDX, IDC_OSS_PRICH, m_editPrich);
    DDX_Control(pDX, IDC_OSS_PRIK, m_editPrik);
    DDX_Control(pDX, IDC_OSS_KBK, m_editKbk);
    DDX_Control(pDX, IDC_OSS_NOTE, m_editNote);
    DDX_DateTimeCtrl(pDX, IDC_OSS_DATE, m_date);
}

void COsSpisView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    SetFormTitle(this, "Списание основных средств");
    m_grid.ClearGrid();
    SetSql();
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
}

BOOL COsSpisView::LoadDocument()
{
    CWaitCursor wait;
    COsSpisRecord record;
    CWinApp* app = AfxGetApp();
    const long realId = GetRealId();
    if (realId == -1) {
        record.header.date = DMGtoStr(COleDateTime::GetCurrentTime());
        record.header.number = ProposeNumber(GL_NextNumber(record.HeaderTable(), 0));
        record.prim = "Списание ОС";
        record.header.ekr = app->GetProfileString(kConstants, "os_spis_ekr", "311000");
        record.header.prich = "По ветхости";
        record.header.debit = app->GetProfileString(kConstants, "os_spis_deb", "");
        record.header.branch = (int)app->GetProfileInt(kConstants, "select_fil", 1);
    } else if (!record.Load(realId)) {
        return FALSE;
    } else {
        SetLoadedDate(record.header.date);
    }
    ShowRecord(record);
    return TRUE;
}

void COsSpisView::ShowRecord(const COsSpisRecord& record)
{
    {
        const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
        m_grid.ClearGrid();
        SetGridFromOneString(m_grid, record.grid, 1, 0);
        if (m_grid.GetNRows() == 0)
            m_grid.SetNRows(1);
    }
    EnsureSpareRow();
    m_grid.SetCurCell(0, 0);
    m_date = qwDMG(record.header.date, 1);
    UpdateData(FALSE);
    if (!FillFils(this, IDC_FIL, record.header.branch, 0)) {
        OnCancel();
        return;
    }
    SetDlgItemText(IDC_NUMBER, record.header.number);
    SetDlgItemText(IDC_OSS_PRIM, record.prim);
    SetDlgItemText(IDC_OSS_EKR, record.header.ekr);
    SetDlgItemText(IDC_OSS_PRICH, record.header.prich);
    SetDlgItemText(IDC_OSS_PRIK, record.prik);
    SetDlgItemText(IDC_OSS_DEBIT, record.header.debit);
    SetDlgItemText(IDC_OSS_KBK, record.header.kbkDebit);
    SetDlgItemText(IDC_OSS_ZAB, record.header.zab);
    SetDlgItemText(IDC_OSS_NOTE, record.icn);
    GetDlgItem(IDC_OSS_DATE)->SetFocus();
}

// The grid from 165 pixels down to 75 above the bottom, the note above the
// eight buttons.
void COsSpisView::OnSize(UINT nType, int cx, int cy)
{
    CPostingDocView::OnSize(nType, cx, cy);
    static const CFormLayout layout{165, 75, IDC_OSS_NOTE_LABEL, IDC_OSS_NOTE, 110, 60, 25};
    PlaceFormParts(this, &m_grid, layout,
                   {{IDOK, 10}, {IDC_OSS_PRINT_4, 100}, {IDC_OSS_PRINT_4A, 190}, {IDC_OSS_PRINT_4B, 280},
                    {IDC_OSS_PRINT_143, 370}, {ID_DELETE_LINE, 460}, {ID_BUH_SPRAVKA, 550}, {IDCANCEL, 640}});
}

void COsSpisView::OnDebitPick()
{
    OpenAccountPicker(this, kOsSpisAccountPickers[0]);
}

// The off-balance chooser opens on "000" while the field is empty.
void COsSpisView::OnZabPick()
{
    const AccountPickerRow& row = kOsSpisAccountPickers[1];
    CString current;
    GetDlgItemText(row.target, current);
    CExtFuncs::OnSprPlanSch0(this, int(row.target), -1, current.IsEmpty() ? CString("000") : current, row.side,
                             nullptr, row.preset);
}

void COsSpisView::OnEkrPick()
{
    OnEKRbtn(this);
}

void COsSpisView::OnKbkPick()
{
    CString account;
    GetDlgItemText(IDC_OSS_DEBIT, account);
    GL_GetDefKBKList(this, IDC_OSS_KBK, account, SelectedBranch(IDC_FIL), UINT(-1), nullptr, 0);
}

LRESULT COsSpisView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kAssetsAnswer) {
        AssetsChosen(reinterpret_cast<const char*>(lParam));
        return 0;
    }
    if (message == kSpareRowMessage) {
        EnsureSpareRow();
        return 0;
    }
    return CPostingDocView::WindowProc(message, wParam, lParam);
}

void COsSpisView::EnsureSpareRow()
{
    KeepOneEmptyRow(m_grid, OSS_CARD);
}

// The first chosen card fills the row the picker was opened for, each next
// one the empty row at the bottom; the quantity of the first is typed next.
void COsSpisView::AssetsChosen(const char* answer)
{
    const long first = m_pickRow;
    if (FillPickedRows(m_grid, first, answer, [this](long) { EnsureSpareRow(); })) {
        m_grid.SetCurCell(OSS_KOL, first);
        m_grid.SetFocus0();
    }
}

CString COsSpisView::AssetCondition() const
{
    return "where " + FragmentSearchBase(kOsSpisSearch, SelectedBranch(IDC_FIL), CString());
}

void COsSpisView::OnLinesChooser(short col, short row)
{
    if (col != OSS_CARD)
        return;
    m_pickRow = row;
    CHelpers::GetInSpr("spr_osn_sr", this, -1, AssetCondition(), kAssetsAnswer, 0, 1, nullptr, nullptr, 0);
}

void COsSpisView::OnLinesCellChanged(short col, short row, CString*)
{
    if (m_bWriting)
        return;
    PostMessage(kSpareRowMessage);
    if (col != OSS_CARD)
        return;
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const CString id = CellId(m_grid.GetCellValue(OSS_CARD, row));
    m_grid.SetCellValue(OSS_NAME, row,
                        id.IsEmpty() ? CString()
                                     : ExecuteString(FormatText("select name as str from spr_osn_sr where id=%s", id)));
}

void COsSpisView::OnButtonSirch()
{
    FragmentSearchSite site;
    site.form = this;
    site.grid = &m_grid;
    site.branch = SelectedBranch(IDC_FIL);
    site.text = &m_strSirch;
    site.option1 = &m_nSirchCase;
    site.option2 = &m_nSirchWord;
    site.pickRow = &m_pickRow;
    RunFragmentSearch(kOsSpisSearch, site);
}

CString COsSpisView::ReportPath(const char* file)
{
    return GetAppPath() + "\\_sys\\_ExtReports\\" + file;
}

CString COsSpisView::AssetActCall() const
{
    const long row = m_grid.GetCurRow();
    const CString id = row >= 0 && row < m_grid.GetNRows() ? CellId(m_grid.GetCellValue(OSS_CARD, row)) : CString();
    return id.IsEmpty() ? CString() : FormatText("Prn(%d,%s)", GetRealId(), id);
}

CString COsSpisView::DocumentActCall() const
{
    return FormatText("Prn(%d)", GetRealId());
}

void COsSpisView::PrintAssetAct(const char* file)
{
    const CString call = AssetActCall();
    if (call.IsEmpty()) {
        AfxMessageBox("Укажите код основного средства");
        return;
    }
    CHelpers::EXEC_ShowExternalReport(ReportPath(file), call);
}

void COsSpisView::OnPrint4()
{
    PrintAssetAct("ос_4.extr");
}

void COsSpisView::OnPrint4a()
{
    PrintAssetAct("ос_4а.extr");
}

void COsSpisView::OnPrint4b()
{
    PrintAssetAct("ос_4б.extr");
}

void COsSpisView::OnPrint143()
{
    CHelpers::EXEC_ShowExternalReport(ReportPath("0504143.extr"), DocumentActCall());
}

} // namespace nledmark
