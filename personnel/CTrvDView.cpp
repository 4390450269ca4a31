#include "CTrvDView.h"

#include "MarkWriter.h"
#include "appcore.h"
#include "doc/AfxViewClose.h"
#include "ndbcore.h"
#include "WorkingPeriodBounds.h"
#include "res/resource.h"

#include <vector>

namespace nperso {

namespace {

enum Column { KEY = 0, FIO = 1, RATES = 2, POSITION = 3, MARK = 4 };
constexpr long kAllDepartments = -1;
// The band of fields above the grid, in pixels.
constexpr int kBand = 80;

} // namespace

CString TrvDaySql(const CString& day, long prd, const CString& periodStart)
{
    const CString key = CurrentDialect() == SqlDialect::SqlServer
                            ? CString("convert(varchar(10),perso_tn_nip.tn)+'.'+convert(varchar(10),perso_tn_nip.npp)")
                            : CString("concat(perso_tn_nip.tn,'.',perso_tn_nip.npp)");
    const CString department = prd == kAllDepartments ? CString() : FormatText(" and perso_tn_nip.prd=%ld", prd);
    const CString order = prd == kAllDepartments ? "perso_tn_nip.tn+0,perso_tn_nip.npp+0"
                                                 : "perso_tn_nip.kat,perso_tn_nip.tn+0,perso_tn_nip.npp+0";
    const CString start = ChangeDateUS0(periodStart, 0);
    return FormatText("select %s as tn,%s as fio,perso_tn_nip.st,ssv.name as idol,perso_trv.t from perso_tn_nip "
                      "left join perso_trv on perso_trv.tn=perso_tn_nip.tn and perso_trv.npp=perso_tn_nip.npp and "
                      "perso_trv.d=%s left join tn on tn.tn=perso_tn_nip.tn left join ssv on ssv.id=perso_tn_nip.dol "
                      "where (perso_tn_nip.d2 is null or perso_tn_nip.d2>=%s) and (tn.du is null or tn.du>=%s)%s "
                      "order by %s",
                      key, GL_SqlFio(), ChangeDateUS0(day, 0), start, start, department, order);
}

IMPLEMENT_DYNCREATE(CTrvDView, CderivedFormview)

BEGIN_MESSAGE_MAP(CTrvDView, CderivedFormview)
    ON_WM_SIZE()
    ON_MESSAGE(WM_QUERYKEEPVIEW, OnQueryKeepView)
    ON_EN_CHANGE(IDC_TRV_CODE, OnChangeCode)
    ON_EN_CHANGE(IDC_TRV_DAY, OnChangeDay)
    ON_CBN_DROPDOWN(IDC_TRV_PRD, OnDepartmentsDropDown)
    ON_CBN_SELENDOK(IDC_TRV_PRD, OnDepartmentChosen)
    ON_BN_CLICKED(IDOK, OnWriteCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CTrvDView, CderivedFormview)
    ON_EVENT(CTrvDView, IDC_TRV_GRID, 3, OnEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(CTrvDView, IDC_TRV_GRID, 5, OnChooser, VTS_I2 VTS_I2)
    ON_EVENT(CTrvDView, IDC_TRV_GRID, 8, OnCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CTrvDView, IDC_TRV_GRID, 9, OnEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CTrvDView::CTrvDView() : CderivedFormview(IDD_TRV_D) {}

CTrvDView::~CTrvDView() = default;

void CTrvDView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TRV_GRID, m_grid);
    DDX_Control(pDX, IDC_TRV_PRD, m_prd);
}

void CTrvDView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Табель за день");
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    FillDepartments();
    m_prd.SetCurSel(0);
    Fill();
}

void CTrvDView::FillDepartments()
{
    CWaitCursor wait;
    m_prd.ResetContent();
    m_prd.SetItemData(m_prd.AddString("----------------- Все подразделения ----------------"), DWORD_PTR(kAllDepartments));
    ForEachRow("Select * from spr_prd order by id", [this](_RecordsetPtr& row) {
        const int item = m_prd.AddString(SafeArayToString(row->GetCollect("name")));
        m_prd.SetItemData(item, DWORD_PTR(atol(SafeArayToString(row->GetCollect("id")))));
    });
}

long CTrvDView::ChosenDepartment() const
{
    const int item = m_prd.GetCurSel();
    return item < 0 ? kAllDepartments : long(m_prd.GetItemData(item));
}

void CTrvDView::Fill()
{
    if (m_restoring || !m_grid.GetSafeHwnd())
        return;
    const long prd = ChosenDepartment();
    CString typed;
    GetDlgItemText(IDC_TRV_DAY, typed);
    const CString day = DMG(typed);
    if (!day.IsEmpty())
        SetDlgItemText(IDC_TRV_WEEKDAY, GetDayOfWeekName(qwDMG(day).GetDayOfWeek()));
    if (!day.IsEmpty() && day == m_lastDay && prd == m_lastPrd)
        return;
    // The rows shown are replaced: their unsaved marks are written or dropped
    // as the user says; when they stay unsaved, so does the choice.
    if (!SaveOrDropMarks(GetDocument(), [this] { return WriteRows(); }, false)) {
        RestoreChoice();
        return;
    }
    const COleDateTime date = qwDMG(day);
    // Both bounds of the working period in one query: every day typed reads them.
    const OtpBounds period = day.IsEmpty() ? OtpBounds() : GetOtpBounds(g_lYear, g_lMonth);
    if (day.IsEmpty() || date < qwDMG(period.first) || date > qwDMG(period.last)) {
        GetDocument()->SetModifiedFlag(FALSE);
        SetDlgItemText(IDC_TRV_WEEKDAY, "");
        m_grid.SetNRows(0);
        m_lastDay.Empty();
        m_lastPrd = -2;
        m_grid.Invalidate();
        return;
    }
    m_lastDay = day;
    m_lastPrd = prd;
    LoadRows(day, prd, period.first);
}

void CTrvDView::LoadRows(const CString& day, long prd, const CString& periodStart)
{
    CWaitCursor wait;
    std::vector<std::vector<CString>> rows;
    // A failing query is reported; the rows read before it are shown.
    ForEachRow(TrvDaySql(day, prd, periodStart), [&rows](_RecordsetPtr& row) {
        std::vector<CString> cells(MARK + 1);
        for (long col = KEY; col <= MARK; ++col)
            cells[col] = SafeArayToString(row->GetCollect(col));
        rows.push_back(std::move(cells));
    });
    const bool any = !rows.empty();
    m_grid.SetFillingGrid(1);
    m_marks.Fill(std::move(rows));
    m_grid.SetFillingGrid(0);
    if (any)
        m_grid.SetCurCell(MARK, 0);
    GetDocument()->SetModifiedFlag(FALSE);
    m_grid.Invalidate();
}

void CTrvDView::RestoreChoice()
{
    m_restoring = true;
    SetDlgItemText(IDC_TRV_DAY, m_lastDay);
    int item = -1;
    for (int i = 0; i < m_prd.GetCount() && item < 0; ++i)
        if (long(m_prd.GetItemData(i)) == m_lastPrd)
            item = i;
    m_prd.SetCurSel(item);
    m_restoring = false;
    SetDlgItemText(IDC_TRV_WEEKDAY, GetDayOfWeekName(qwDMG(m_lastDay).GetDayOfWeek()));
}

int CTrvDView::WriteRows()
{
    std::vector<nvenzol::TrvMark> marks;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (!m_marks.RowChanged(row))
            continue;
        const CString key = m_grid.GetCellValue(KEY, row);
        marks.push_back({GetPart(key, ".", 1), GetPart(key, ".", 2), m_lastDay, m_grid.GetCellValue(MARK, row)});
    }
    CWaitCursor wait;
    if (!WriteMarks(marks))
        return 0;
    m_marks.KeepAll();
    GetDocument()->SetModifiedFlag(FALSE);
    return 1;
}

int CTrvDView::Write(int ask)
{
    if (ask && AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    if (!WriteRows())
        return 0;
    if (auto* day = static_cast<CEdit*>(GetDlgItem(IDC_TRV_DAY))) {
        day->SetFocus();
        day->SetSel(0, -1);
    }
    return 1;
}

void CTrvDView::OnCancel()
{
    if (!IsClosing() && !SaveOrDropMarks(GetDocument(), [this] { return WriteRows(); }, true))
        return;
    CderivedFormview::OnCancel();
}

LRESULT CTrvDView::OnQueryKeepView(WPARAM, LPARAM)
{
    // The frame closed by other ways than the form's own Cancel.
    return !IsClosing() && !SaveOrDropMarks(GetDocument(), [this] { return WriteRows(); }, true);
}

void CTrvDView::OnChangeDay()
{
    Fill();
}

void CTrvDView::OnDepartmentsDropDown()
{
    FillDepartments();
}

void CTrvDView::OnDepartmentChosen()
{
    Fill();
}

void CTrvDView::OnWriteCommand()
{
    Write(1);
}

void CTrvDView::OnChangeCode()
{
    if (m_marks.TakeChosenFrom(this, IDC_TRV_CODE))
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTrvDView::OnEditStart(short col, short, CString* text, short* cancel)
{
    m_marks.EditStarting(col, text, cancel);
}

void CTrvDView::OnChooser(short col, short row)
{
    m_marks.Choose(this, IDC_TRV_CODE, col, row);
}

void CTrvDView::OnCellChanged(short col, short, CString* text)
{
    m_marks.Changed(col, text);
}

void CTrvDView::OnEdited(short col, short row, short, CString* text)
{
    if (m_marks.Edited(col, row, text))
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTrvDView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    PlaceSheetGrid(this, m_grid, kBand, {IDOK, IDC_TRV_DAY});
}

} // namespace nperso
