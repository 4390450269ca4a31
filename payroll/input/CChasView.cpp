#include "CChasView.h"

#include "MonthlyGrid.h"
#include "PayrollSql.h"
#include "PositionRecords.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

enum Column { KEY = 0, FIO = 1, POSITION = 2, PLAN = 3, HOURS = 4 };
// The band of the code fields above the grid, in pixels.
constexpr int kBand = 75;

} // namespace

IMPLEMENT_DYNCREATE(CChasView, CMyFormView1)

BEGIN_MESSAGE_MAP(CChasView, CMyFormView1)
    ON_WM_SIZE()
    ON_EN_CHANGE(IDC_PAY_PRD, OnChangePrd)
    ON_EN_CHANGE(IDC_NV, OnChangeNv)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CChasView, CMyFormView1)
    ON_EVENT(CChasView, IDC_PAY_GRID, 3, OnEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

CString ChasLoadSql(const CString& prd, const CString& nv)
{
    const CString first = MonthStartLiteral();
    // A position that holds plan hours only is listed too, so no stored plan
    // is out of sight.
    return FormatText(
        "select paymar_bux.kat,%s as tn,%s as fio,spr_paymar_dol.name as idol,paymar_trv_chas.ch,paymar_trv_chas.pl "
        "from paymar_bux left join paymar_trv_chas on paymar_trv_chas.nv=%s and paymar_trv_chas.tn=paymar_bux.tn and "
        "paymar_trv_chas.npp=paymar_bux.npp and paymar_trv_chas.g=%ld and paymar_trv_chas.ms=%ld left join "
        "spr_paymar_dol on spr_paymar_dol.id=paymar_bux.dol left join spr_paymar_dol1 on "
        "spr_paymar_dol1.id=spr_paymar_dol.id and spr_paymar_dol1.nv=%s left join tn on tn.tn=paymar_bux.tn where "
        "spr_paymar_dol1.okl>0 and (paymar_bux.staj=1 or paymar_trv_chas.ch>0 or paymar_trv_chas.pl>0) and "
        "paymar_bux.kat is not null and paymar_bux.prd=%s and (tn.du is null or (tn.du is not null and tn.du>=%s)) "
        "and (paymar_bux.d2 is null or (paymar_bux.d2 is not null and paymar_bux.d2>=%s)) order by "
        "paymar_bux.kat,paymar_bux.tn+0,paymar_bux.npp+0",
        PositionKey(), GL_SqlFio(), nv, g_lYear, g_lMonth, nv, prd, first, first);
}

CChasView::CChasView() : CMyFormView1(IDR_CHAS)
{
    m_prd.SetType(EDIT_KIND_PLAIN);
    m_nv.SetType(EDIT_KIND_PLAIN);
}

CChasView::~CChasView() = default;

void CChasView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_GRID, m_grid);
    DDX_Control(pDX, IDC_PAY_PRD, m_prd);
    DDX_Control(pDX, IDC_NV, m_nv);
}

void CChasView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Часы");
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    m_grid.EnableWindow(FALSE);
}

void CChasView::OnChangePrd()
{
    CMyFormView1::OnChangePrd();
    Load();
}

void CChasView::OnChangeNv()
{
    CMyFormView1::OnChangeNv();
    Load();
}

void CChasView::Load()
{
    if (!m_grid.GetSafeHwnd())
        return;
    CWaitCursor wait;
    m_grid.SetNRows(0);
    m_grid.EnableWindow(FALSE);
    m_shownNv.Empty();
    CString typedPrd, typedNv, prd, nv;
    GetDlgItemText(IDC_PAY_PRD, typedPrd);
    GetDlgItemText(IDC_NV, typedNv);
    if (nvenzol::CheckedNumber(typedPrd, prd) && SprOk("spr_prd", prd) && nvenzol::CheckedNumber(typedNv, nv)
        && SprOk("nv", nv)) {
        std::vector<std::vector<CString>> rows;
        // A failing read is reported; the rows read before it are shown, and
        // the grid stays closed to typing.
        const long read = ForEachRow(ChasLoadSql(prd, nv), [&rows](_RecordsetPtr& record) {
            auto text = [&record](const char* column) { return SafeArayToString(record->GetCollect(column)); };
            rows.push_back({text("tn"), text("fio"), text("idol"), ShownFigure(text("pl")), ShownFigure(text("ch"))});
        });
        m_grid.SetRows(rows);
        if (read >= 0) {
            m_shownNv = nv;
            m_grid.EnableWindow(TRUE);
        }
        if (!rows.empty())
            m_grid.SetCurCell(PLAN, 0);
    }
    m_grid.Invalidate();
}

int CChasView::Write(int ask)
{
    if (m_shownNv.IsEmpty())
        return 0;
    if (ask && AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    std::vector<PositionRecord> records;
    GridRefusal refusal;
    bool written = false;
    {
        CWaitCursor wait;
        if (ReadPositionFigures(m_grid, KEY, {{PLAN, "План"}, {HOURS, "Часов"}}, records, refusal)) {
            // A plan typed before the worked hours are known stays: the
            // record goes only when both are empty or zero.
            for (PositionRecord& record : records)
                record.remove = NoFigure(record.values[0]) && NoFigure(record.values[1]);
            written = WritePositionRecords(MonthScope("paymar_trv_chas", {{"nv", m_shownNv}}), {"pl", "ch"}, records);
        }
    }
    if (refusal.row >= 0)
        RefuseCell(m_grid, refusal.col, refusal.row, refusal.message);
    if (!written)
        return 0;
    FocusCodeField(m_prd);
    return 1;
}

void CChasView::OnSaveCommand()
{
    Write(1);
}

void CChasView::OnEditStart(short col, short, CString*, short* cancel)
{
    if (col < PLAN)
        *cancel = 1;
}

void CChasView::OnSize(UINT nType, int cx, int cy)
{
    CMyFormView1::OnSize(nType, cx, cy);
    PlaceMonthlyGrid(this, m_grid, kBand);
}

} // namespace npaymar
