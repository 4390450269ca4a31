#include "CPovrView.h"

#include "MonthlyGrid.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

enum Column { KEY = 0, FIO = 1, POSITION = 2, PLAN = 3, WORKED = 4, PERCENT = 5 };
// The band of the code fields above the grid, in pixels.
constexpr int kBand = 115;

} // namespace

IMPLEMENT_DYNCREATE(CPovrView, CMyFormView1)

BEGIN_MESSAGE_MAP(CPovrView, CMyFormView1)
    ON_WM_SIZE()
    ON_EN_CHANGE(IDC_PAY_PRD, OnChangePrd)
    ON_EN_CHANGE(IDC_NV, OnChangeNv)
    ON_EN_CHANGE(IDC_VOU, OnChangeVou)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(IDC_POVR_COPY, OnCopyCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPovrView, CMyFormView1)
    ON_EVENT(CPovrView, IDC_PAY_GRID, 3, OnEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(CPovrView, IDC_PAY_GRID, 8, OnCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CPovrView::CPovrView() : CPovrView(IDR_POVR, TimePayKind::Hours) {}

CPovrView::CPovrView(UINT nIDTemplate, TimePayKind kind) : CMyFormView1(nIDTemplate), m_kind(kind)
{
    m_prd.SetType(EDIT_KIND_PLAIN);
    m_nv.SetType(EDIT_KIND_PLAIN);
    m_vou.SetType(EDIT_KIND_PLAIN);
}

CPovrView::~CPovrView() = default;

void CPovrView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_GRID, m_grid);
    DDX_Control(pDX, IDC_PAY_PRD, m_prd);
    DDX_Control(pDX, IDC_NV, m_nv);
    DDX_Control(pDX, IDC_VOU, m_vou);
}

void CPovrView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    if (m_kind != TimePayKind::TwoTariffs) {
        auto* document = dynamic_cast<CderivedDocument*>(GetDocument());
        m_kind = document && document->GetParam() != 0 ? TimePayKind::Norm : TimePayKind::Hours;
    }
    static const char* const titles[] = {"Почасовая оплата", "Часы по норме", "Оплата по двум тарифам"};
    appcore::SetFormTitle(this, titles[int(m_kind)]);
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    // The dialog's widths are in its units; column 0 is 50 of them.
    const double unit = m_grid.GetColWidth(KEY) / 50.0;
    auto width = [unit](double units) { return long(units * unit + 0.5); };
    if (m_kind == TimePayKind::Norm) {
        m_grid.SetColEditable(PLAN, 0);
    } else {
        m_grid.SetNCols(PERCENT + 1);
        m_grid.SetColType(PERCENT, 6);
        m_grid.SetColAlign(PERCENT, 2);
    }
    if (m_kind == TimePayKind::Hours) {
        m_grid.SetColCaption(PLAN, "план.часы");
        m_grid.SetColCaption(WORKED, "факт.часы");
        m_grid.SetColCaption(PERCENT, "% оплаты");
        m_grid.SetColWidth(PERCENT, width(80));
        m_grid.SetColWidth(FIO, m_grid.GetColWidth(FIO) - width(50));
    } else if (m_kind == TimePayKind::TwoTariffs) {
        m_grid.SetColCaption(PLAN, "Оклад");
        m_grid.SetColType(PLAN, 5);
        m_grid.SetColEditable(PLAN, 0);
        m_grid.SetColCaption(WORKED, "младш.");
        m_grid.SetColCaption(PERCENT, "старш.");
        m_grid.SetColWidth(PERCENT, m_grid.GetColWidth(WORKED));
        m_grid.SetColWidth(FIO, width(200));
        m_grid.SetColWidth(POSITION, width(100));
        for (int id : {IDC_POVR_TAR1_LABEL, IDC_POVR_TAR1, IDC_POVR_TAR2_LABEL, IDC_POVR_TAR2})
            if (CWnd* item = GetDlgItem(id))
                item->ShowWindow(SW_SHOW);
    }
    m_grid.KeepRatio();
    m_grid.EnableWindow(FALSE);
    // The basic pay by the hour is the code offered.
    SetDlgItemText(IDC_VOU, "2");
}

void CPovrView::OnChangePrd()
{
    CMyFormView1::OnChangePrd();
    Load();
}

void CPovrView::OnChangeNv()
{
    CMyFormView1::OnChangeNv();
    Load();
}

void CPovrView::OnChangeVou()
{
    CMyFormView1::OnChangeVou();
    Load();
}

bool CPovrView::Codes(CString& prd, CString& nv, CString& kou, bool department)
{
    struct Field {
        int id;
        const char* table;
        const char* none;
        const char* unknown;
        CString* code;
    };
    const Field fields[] = {
        {IDC_PAY_PRD, "spr_prd", "Укажите подразделение", "Нет такого подразделения", &prd},
        {IDC_NV, "nv", "Укажите ведомость", "Нет такой ведомости", &nv},
        {IDC_VOU, "spr_vou", "Укажите код оплат", "Нет такого кода оплат", &kou},
    };
    for (const Field& field : fields) {
        if (!department && field.id == IDC_PAY_PRD)
            continue;
        CString typed;
        GetDlgItemText(field.id, typed);
        if (typed.Trim().IsEmpty())
            return Refuse(field.id, field.none, false);
        if (!nvenzol::CheckedNumber(typed, *field.code) || !SprOk(field.table, *field.code))
            return Refuse(field.id, field.unknown, true);
    }
    return true;
}

bool CPovrView::BeginLoad(CString& prd, CString& nv, CString& kou)
{
    if (!m_grid.GetSafeHwnd())
        return false;
    m_grid.SetNRows(0);
    m_grid.EnableWindow(FALSE);
    m_shownPrd.Empty();
    CString typed[3];
    GetDlgItemText(IDC_PAY_PRD, typed[0]);
    GetDlgItemText(IDC_NV, typed[1]);
    GetDlgItemText(IDC_VOU, typed[2]);
    return nvenzol::CheckedNumber(typed[0], prd) && SprOk("spr_prd", prd) && nvenzol::CheckedNumber(typed[1], nv)
           && SprOk("nv", nv) && nvenzol::CheckedNumber(typed[2], kou) && SprOk("spr_vou", kou);
}

void CPovrView::EndLoad(const std::vector<std::vector<CString>>& rows, bool read, const CString& prd,
                        const CString& nv, const CString& kou)
{
    if (read) {
        m_shownPrd = prd;
        m_shownNv = nv;
        m_shownKou = kou;
    }
    m_grid.SetRows(rows);
    m_grid.EnableWindow(read);
    if (!rows.empty())
        m_grid.SetCurCell(PLAN, 0);
    m_grid.Invalidate();
}

void CPovrView::Load()
{
    CWaitCursor wait;
    CString prd, nv, kou;
    if (!BeginLoad(prd, nv, kou))
        return;
    std::vector<std::vector<CString>> rows;
    const bool hours = m_kind == TimePayKind::Hours;
    // A failed read is reported; the rows read before it are shown, and the
    // grid stays closed to typing.
    const long read = ForEachRow(TimePayLoadSql(m_kind, prd, nv, kou), [&](_RecordsetPtr& record) {
        auto text = [&record](const char* column) { return SafeArayToString(record->GetCollect(column)); };
        if (!hours) {
            rows.push_back({text("tn"), text("fio"), text("idol"), ShownFigure(text("chts")), ShownFigure(text("ch"))});
            return;
        }
        // The hours form's figures where none are stored; a percentage of
        // 100 is shown empty.
        CString plan = text("plch"), worked = text("ch"), percent = text("pr");
        if (plan.IsEmpty())
            plan = text("plchkl");
        if (worked.IsEmpty())
            worked = text("chkl");
        if (!percent.IsEmpty() && atof(percent) == 100)
            percent.Empty();
        rows.push_back({text("tn"), text("fio"), text("idol"), ShownFigure(plan), ShownFigure(worked),
                        ShownFigure(percent)});
    });
    EndLoad(rows, read >= 0, prd, nv, kou);
}

bool CPovrView::Records(std::vector<PositionRecord>& records)
{
    GridRefusal refusal;
    const bool hours = m_kind == TimePayKind::Hours;
    const std::vector<FigureColumn> figures =
        hours ? std::vector<FigureColumn>{{PLAN, "план.часы"}, {WORKED, "факт.часы"}, {PERCENT, "% оплаты"}}
              : std::vector<FigureColumn>{{WORKED, "Часы"}};
    if (!ReadPositionFigures(m_grid, KEY, figures, records, refusal)) {
        RefuseCell(m_grid, refusal.col, refusal.row, refusal.message);
        return false;
    }
    for (PositionRecord& record : records) {
        if (!hours) {
            record.remove = NoFigure(record.values[0]);
            continue;
        }
        // A record goes only when neither hours are left; no percentage is 100.
        record.remove = NoFigure(record.values[0]) && NoFigure(record.values[1]);
        if (record.values[2] == "NULL")
            record.values[2] = "100";
    }
    return true;
}

int CPovrView::Write(int ask)
{
    CString prd, nv, kou;
    if (!Codes(prd, nv, kou))
        return 0;
    if (!ShownCodes() || prd != m_shownPrd || nv != m_shownNv || kou != m_shownKou)
        return 0;
    if (ask && AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    std::vector<PositionRecord> records;
    if (!Records(records))
        return 0;
    BOOL written = FALSE;
    {
        CWaitCursor wait;
        written = WritePositionRecords(MonthScope(TimePayTable(m_kind), {{"nv", nv}, {"kou", kou}}),
                                       TimePayColumns(m_kind), records);
    }
    if (!written)
        return 0;
    if (CDocument* document = GetDocument())
        document->SetModifiedFlag(FALSE);
    FocusCodeField(m_prd);
    return 1;
}

void CPovrView::CopyPreviousMonth()
{
    // The copy replaces the department's records only: the department is
    // asked for as the sheet and the code are.
    CString prd, nv, kou;
    if (!Codes(prd, nv, kou))
        return;
    if (AfxMessageBox("Перекинуть данные с прошлого месяца ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    BOOL copied = FALSE;
    {
        CWaitCursor wait;
        copied = CopyTimePay(m_kind, prd, nv, kou);
    }
    if (copied)
        OnChangeVou();
}

void CPovrView::OnSaveCommand()
{
    Write(1);
}

void CPovrView::OnCopyCommand()
{
    CopyPreviousMonth();
}

void CPovrView::OnEditStart(short col, short row, CString* text, short* cancel)
{
    if (col < PLAN || (col == PLAN && m_kind != TimePayKind::Hours)) {
        *cancel = 1;
        return;
    }
    // The percentage of a row with hours starts from the whole pay.
    if (m_kind == TimePayKind::Hours && col == PERCENT && text && text->IsEmpty()
        && atof(m_grid.GetCellValue(WORKED, row)) != 0)
        *text = "100";
}

void CPovrView::OnCellChanged(short, short, CString*)
{
    if (CDocument* document = GetDocument())
        document->SetModifiedFlag(TRUE);
}

void CPovrView::OnSize(UINT nType, int cx, int cy)
{
    CMyFormView1::OnSize(nType, cx, cy);
    PlaceMonthlyGrid(this, m_grid, kBand);
}

IMPLEMENT_DYNCREATE(CPovrView0, CPovrView)

CPovrView0::CPovrView0() : CPovrView(IDD_POVR0, TimePayKind::TwoTariffs)
{
    m_tar1.SetType(EDIT_KIND_PLAIN);
    m_tar2.SetType(EDIT_KIND_PLAIN);
}

CPovrView0::~CPovrView0() = default;

void CPovrView0::DoDataExchange(CDataExchange* pDX)
{
    CPovrView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_POVR_TAR1, m_tar1);
    DDX_Control(pDX, IDC_POVR_TAR2, m_tar2);
}

void CPovrView0::Load()
{
    CWaitCursor wait;
    CString prd, nv, kou;
    if (!BeginLoad(prd, nv, kou))
        return;
    std::vector<std::vector<CString>> rows;
    // The tariffs are one pair for the sheet and code: the fields show the
    // last stored pair read (a position without a record has none).
    CString tar1, tar2;
    bool tariffs = false;
    const long read = ForEachRow(TimePayLoadSql(m_kind, prd, nv, kou), [&](_RecordsetPtr& record) {
        auto text = [&record](const char* column) { return SafeArayToString(record->GetCollect(column)); };
        if (!text("tar1").IsEmpty() || !text("tar2").IsEmpty()) {
            tar1 = ShownFigure(text("tar1"));
            tar2 = ShownFigure(text("tar2"));
            tariffs = true;
        }
        rows.push_back({text("tn"), text("fio"), text("idol"), text("okl"), ShownFigure(text("ch1")),
                        ShownFigure(text("ch2"))});
    });
    if (tariffs) {
        SetDlgItemText(IDC_POVR_TAR1, tar1);
        SetDlgItemText(IDC_POVR_TAR2, tar2);
    }
    EndLoad(rows, read >= 0, prd, nv, kou);
}

bool CPovrView0::Records(std::vector<PositionRecord>& records)
{
    // The tariffs of the fields go to every row.
    CString tariff[2];
    const struct {
        int id;
        const char* caption;
    } fields[] = {{IDC_POVR_TAR1, "Коэф.1"}, {IDC_POVR_TAR2, "Коэф.2"}};
    for (int i = 0; i < 2; ++i) {
        CString typed;
        GetDlgItemText(fields[i].id, typed);
        if (!CellFigure(typed, tariff[i])) {
            Refuse(fields[i].id, FormatText("В поле «%s» не число: «%s»", fields[i].caption, typed), true);
            return false;
        }
    }
    GridRefusal refusal;
    if (!ReadPositionFigures(m_grid, KEY, {{WORKED, "младш."}, {PERCENT, "старш."}}, records, refusal)) {
        RefuseCell(m_grid, refusal.col, refusal.row, refusal.message);
        return false;
    }
    for (PositionRecord& record : records) {
        record.remove = NoFigure(record.values[0]) && NoFigure(record.values[1]);
        record.values.push_back(tariff[0]);
        record.values.push_back(tariff[1]);
    }
    return true;
}

} // namespace npaymar
