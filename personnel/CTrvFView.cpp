#include "CTrvFView.h"

#include "MarkWriter.h"
#include "StaffNumbers.h"
#include "StaffSql.h"
#include "appcore.h"
#include "doc/AfxViewClose.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <map>
#include <string>

namespace nperso {

namespace {

enum Column { DAY = 0, WEEKDAY = 1, MARK = 2 };
// The band of fields above the grid, in pixels.
constexpr int kBand = 110;
constexpr COLORREF kWeekend = 255;  // red

// How many assignments of the employee are current in the working month:
// without an end or ending after its first day.
long long CurrentAssignments(const CString& tn)
{
    CString number;
    if (!nvenzol::CheckedNumber(tn, number))
        return 0;
    return ExecuteCount(FormatText("select count(npp) as cnt from perso_tn_nip where tn=%s and (d2 is null or d2>%s)",
                                   number, ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0)));
}

// The assignment's marks of the working month by day (dd.mm.yyyy).
std::map<std::string, CString> MonthMarks(const CString& tn, const CString& npp)
{
    std::map<std::string, CString> marks;
    CString t, n;
    if (!nvenzol::CheckedNumber(tn, t) || !nvenzol::CheckedNumber(npp, n))
        return marks;
    ForEachRow(FormatText("select d,t from perso_trv where tn=%s and npp=%s and d>=%s and d<=%s", t, n,
                          ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0), ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0)),
               [&marks](_RecordsetPtr& row) {
                   marks[DMG(SafeArayToString(row->GetCollect(0L))).ToStdString()] = SafeArayToString(row->GetCollect(1L));
               });
    return marks;
}

} // namespace

IMPLEMENT_DYNCREATE(CTrvFView, CMyFormView1)

BEGIN_MESSAGE_MAP(CTrvFView, CMyFormView1)
    ON_WM_SIZE()
    ON_MESSAGE(WM_QUERYKEEPVIEW, OnQueryKeepView)
    ON_EN_CHANGE(IDC_TRV_CODE, OnChangeCode)
    ON_EN_CHANGE(IDC_NPP, OnChangeNpp)
    ON_BN_CLICKED(IDOK, OnWriteCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CTrvFView, CMyFormView1)
    ON_EVENT(CTrvFView, IDC_TRV_GRID, 3, OnEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(CTrvFView, IDC_TRV_GRID, 5, OnChooser, VTS_I2 VTS_I2)
    ON_EVENT(CTrvFView, IDC_TRV_GRID, 8, OnCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CTrvFView, IDC_TRV_GRID, 9, OnEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CTrvFView::CTrvFView() : CMyFormView1(IDD_TRV_F) {}

CTrvFView::~CTrvFView() = default;

void CTrvFView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TRV_GRID, m_grid);
}

void CTrvFView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Табель по должности");
    m_grid.SetNRows(0);
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
}

void CTrvFView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    OfferAssignment();
    Fill();
}

void CTrvFView::OfferAssignment()
{
    CWnd* field = GetDlgItem(IDC_NPP);
    if (!field)
        return;
    CString tn;
    GetDlgItemText(IDC_TN, tn);
    if (tn.IsEmpty()) {
        SetDlgItemText(IDC_NPP, "");
        field->EnableWindow(TRUE);
        return;
    }
    const long long count = CurrentAssignments(tn);
    const CString first =
        count > 0 ? ExecuteString(nvenzol::FirstCurrentNipSql(tn, GetOtpD1(g_lYear, g_lMonth), true)) : CString();
    SetDlgItemText(IDC_NPP, first);
    field->EnableWindow(count > 1);
}

void CTrvFView::OnChangeNpp()
{
    ShowPosition();
    Fill();
}

void CTrvFView::ShowPosition()
{
    CString tn, npp, t, n;
    GetDlgItemText(IDC_TN, tn);
    GetDlgItemText(IDC_NPP, npp);
    CString position, rates;
    if (nvenzol::CheckedNumber(tn, t) && nvenzol::CheckedNumber(npp, n)) {
        position = ExecuteString(FormatText(
            "select name as str from perso_tn_nip left join ssv on ssv.id=dol where tn=%s and npp=%s", t, n));
        rates = ExecuteString(nvenzol::NipColumnSql("st", tn, npp));
    }
    SetDlgItemText(IDC_DOL_NAME, position);
    SetDlgItemText(IDC_NIP_ST, rates);
}

void CTrvFView::Fill()
{
    if (m_restoring || !m_grid.GetSafeHwnd())
        return;
    CString tn, npp;
    GetDlgItemText(IDC_TN, tn);
    GetDlgItemText(IDC_NPP, npp);
    if (tn == m_lastTn && npp == m_lastNpp)
        return;
    // The rows shown are replaced: their unsaved marks are written or dropped
    // as the user says; when they stay unsaved, so does the choice.
    if (!SaveOrDropMarks(GetDocument(), [this] { return WriteRows(); }, false)) {
        RestoreChoice();
        return;
    }
    CWaitCursor wait;
    m_lastTn = tn;
    m_lastNpp = npp;
    m_grid.SetNRows(0);
    const CString count = nvenzol::NipCountSql(tn, npp);
    if (!count.IsEmpty() && ExecuteCount(count) > 0)
        LoadDays(tn, npp);
    if (m_grid.GetNRows() > 0)
        m_grid.SetCurCell(MARK, 0);
    GetDocument()->SetModifiedFlag(FALSE);
    m_grid.Invalidate();
}

void CTrvFView::LoadDays(const CString& tn, const CString& npp)
{
    const std::map<std::string, CString> marks = MonthMarks(tn, npp);
    const COleDateTime first = qwDMG(GetOtpD1(g_lYear, g_lMonth), 1);
    const COleDateTime last = qwDMG(GetOtpD2(g_lYear, g_lMonth), 1);
    m_grid.SetFillingGrid(1);
    for (COleDateTime day = first; day <= last; day += COleDateTimeSpan(1.0)) {
        const long row = m_grid.GetNRows();
        const CString text = DMGtoStr(day);
        const auto found = marks.find(text.ToStdString());
        const CString mark = found == marks.end() ? CString() : found->second;
        m_grid.SetNRows(row + 1);
        // The weekday and the row's colour follow from the day (event 8).
        m_grid.SetCellValue(DAY, row, text);
        m_grid.SetCellValue(MARK, row, mark);
        m_marks.SetStored(row, mark);
    }
    m_grid.SetFillingGrid(0);
}

void CTrvFView::RestoreChoice()
{
    m_restoring = true;
    SetDlgItemText(IDC_TN, m_lastTn);
    SetDlgItemText(IDC_NPP, m_lastNpp);
    m_restoring = false;
}

int CTrvFView::WriteRows()
{
    std::vector<nvenzol::TrvMark> marks;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (m_marks.RowChanged(row))
            marks.push_back({m_lastTn, m_lastNpp, m_grid.GetCellValue(DAY, row), m_grid.GetCellValue(MARK, row)});
    CWaitCursor wait;
    if (!WriteMarks(marks))
        return 0;
    m_marks.KeepAll();
    GetDocument()->SetModifiedFlag(FALSE);
    return 1;
}

int CTrvFView::Write(int ask)
{
    if (ask && AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    if (!WriteRows())
        return 0;
    if (auto* tn = static_cast<CEdit*>(GetDlgItem(IDC_TN))) {
        tn->SetFocus();
        tn->SetSel(0, -1);
    }
    return 1;
}

void CTrvFView::OnCancel()
{
    if (!IsClosing() && !SaveOrDropMarks(GetDocument(), [this] { return WriteRows(); }, true))
        return;
    CMyFormView1::OnCancel();
}

LRESULT CTrvFView::OnQueryKeepView(WPARAM, LPARAM)
{
    // The frame closed by other ways than the form's own Cancel.
    return !IsClosing() && !SaveOrDropMarks(GetDocument(), [this] { return WriteRows(); }, true);
}

void CTrvFView::OnWriteCommand()
{
    Write(1);
}

void CTrvFView::OnChangeCode()
{
    if (m_marks.TakeChosenFrom(this, IDC_TRV_CODE))
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTrvFView::OnEditStart(short col, short, CString* text, short* cancel)
{
    m_marks.EditStarting(col, text, cancel);
}

void CTrvFView::OnChooser(short col, short row)
{
    m_marks.Choose(this, IDC_TRV_CODE, col, row);
}

void CTrvFView::OnCellChanged(short col, short row, CString* text)
{
    if (col != DAY) {
        m_marks.Changed(col, text);
        return;
    }
    const CString day = DMG(*text);
    const long weekday = day.IsEmpty() ? -1 : long(qwDMG(day).GetDayOfWeek());
    m_grid.SetCellValue(WEEKDAY, row, GetDayOfWeekName(weekday));
    m_grid.SetRowFgClr(row, weekday == 1 || weekday == 7 ? kWeekend : 0);
}

void CTrvFView::OnEdited(short col, short row, short, CString* text)
{
    if (m_marks.Edited(col, row, text))
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTrvFView::OnSize(UINT nType, int cx, int cy)
{
    CMyFormView1::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    PlaceSheetGrid(this, m_grid, kBand, {IDOK, IDC_NIP_ST});
}

} // namespace nperso
