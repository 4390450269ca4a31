#include "CSprNormPitView.h"

#include "FormTitle.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <algorithm>

namespace nledmark {

IMPLEMENT_DYNCREATE(CSprNormPitView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSprNormPitView, CderivedFormview)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_NORM_DATE, OnDateChange)
    ON_CBN_SELENDOK(IDC_NORM_GROUP, OnGroupChosen)
    ON_COMMAND(IDOK, OnSave)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kOldGroup = "m_nOldGroupId";
constexpr int kFixedColumns = 3;
constexpr long kAlignRight = 2;
constexpr long kNumberCell = 6;
constexpr long kCategoryWidth = 110;

CString Field(_RecordsetPtr& rs, const char* name)
{
    return SafeArayToString(rs->GetCollect(name));
}

} // namespace

CSprNormPitView::CSprNormPitView()
    : CderivedFormview(IDR_SPR_NORM_PIT),
      m_nGroup((int)AfxGetApp()->GetProfileInt(kConstants, kOldGroup, 0))
{
    // The latest version; today when there are no norms yet.
    const CString latest = ExecuteString("select max(d) as str from spr_norm_spis_produktov");
    m_date = latest.IsEmpty() ? COleDateTime::GetCurrentTime() : qwDMG(latest, 1);
}

CSprNormPitView::~CSprNormPitView() = default;

void CSprNormPitView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NORM_GROUP, m_comboGroup);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_DateTimeCtrl(pDX, IDC_NORM_DATE, m_date);
}

void CSprNormPitView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Нормы питания");
    RebuildGrid();
}

CString CSprNormPitView::DateLiteral() const
{
    return ChangeDateUS0(DMGtoStr(m_date), 0);
}

int CSprNormPitView::ChosenGroup() const
{
    const int selected = m_comboGroup.GetCurSel();
    return selected < 0 ? 0 : (int)(LONG_PTR)m_comboGroup.GetItemData(selected);
}

void CSprNormPitView::FillGroups(const CString& date)
{
    m_comboGroup.ResetContent();
    ForEachRow(FormatText("select id,name from grup where dt_del is null or dt_del>%s order by id", date),
               [&](_RecordsetPtr& rs) {
                   const long id = atol(Field(rs, "id"));
                   const int item = m_comboGroup.AddString(Field(rs, "name"));
                   m_comboGroup.SetItemData(item, DWORD_PTR(LONG_PTR(id)));
                   if (id == m_nGroup)
                       m_comboGroup.SetCurSel(item);
               });
    // No group remembered yet (or it has gone): the first one.
    if (m_comboGroup.GetCurSel() < 0 && m_comboGroup.GetCount() > 0)
        m_comboGroup.SetCurSel(0);
}

void CSprNormPitView::RebuildGrid()
{
    UpdateData(TRUE);
    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    m_grid.SetNCols(kFixedColumns);
    const char* captions[] = {"Код", "Наименование", "Ед.изм"};
    for (int col = 0; col < kFixedColumns; ++col) {
        m_grid.SetColCaption(col, captions[col]);
        m_grid.SetColEditable(col, 0);
    }
    m_grid.SetColAlign(0, kAlignRight);
    const CString date = DateLiteral();
    FillGroups(date);
    m_categories.clear();
    ForEachRow(FormatText("select id,name from spr_kat_dovolstv where (dt_del is null or dt_del>%s) order by id", date),
               [&](_RecordsetPtr& rs) {
                   const long col = kFixedColumns + long(m_categories.size());
                   m_categories.push_back(atol(Field(rs, "id")));
                   m_grid.SetNCols(col + 1);
                   m_grid.SetColCaption(col, Field(rs, "name"));
                   m_grid.SetColData(col, _variant_t(m_categories.back()));
                   m_grid.SetColType(col, kNumberCell);
                   m_grid.SetColAlign(col, kAlignRight);
                   m_grid.SetColWidth(col, kCategoryWidth);
                   m_grid.SetColEditable(col, 1);
               });
    m_grid.SetFillingGrid(0);
    LoadProducts();
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
}

void CSprNormPitView::LoadProducts()
{
    UpdateData(TRUE);
    m_grid.SetFillingGrid(1);
    m_grid.SetNRows(0);
    m_products.clear();
    m_nGroup = ChosenGroup();
    const CString date = DateLiteral();
    CString select = "select spr_stovan_mat.id,spr_stovan_mat.name,spr_ei.name as iei ";
    CString joins;
    for (long k : m_categories) {
        select += FormatText(",kat%d.s as s%d", k, k);
        joins += FormatText(" left join spr_norm_spis_produktov as kat%d on kat%d.d=%s and kat%d.kat=%d and "
                            "kat%d.real_npp=spr_stovan_mat.id",
                            k, k, date, k, k, k);
    }
    const CString sql = FormatText("%s from spr_stovan_mat %s \t\t\tleft join spr_ei on spr_ei.id=spr_stovan_mat.ei "
                                   "\t\t\twhere (spr_stovan_mat.dt_del is null or spr_stovan_mat.dt_del>%s) and "
                                   "spr_stovan_mat.gr=%d \t\t\torder by spr_stovan_mat.id",
                                   select, joins, date, m_nGroup);
    ForEachRow(sql, [&](_RecordsetPtr& rs) {
        const long row = m_grid.GetNRows();
        m_grid.SetNRows(row + 1);
        m_products.push_back(atol(Field(rs, "id")));
        m_grid.SetRowData(row, _variant_t(m_products.back()));
        m_grid.SetCellValue(0, row, Field(rs, "id"));
        m_grid.SetCellValue(1, row, Field(rs, "name"));
        m_grid.SetCellValue(2, row, Field(rs, "iei"));
        for (size_t i = 0; i < m_categories.size(); ++i)
            m_grid.SetCellValue(kFixedColumns + long(i), row,
                                rtz(Field(rs, FormatText("s%d", m_categories[i]))));
    });
    m_grid.SetFillingGrid(0);
    m_grid.Invalidate();
    m_grid.SetFocus();
}

// Any change of the date shows its own version, typed or picked.
void CSprNormPitView::OnDateChange(NMHDR*, LRESULT* result)
{
    RebuildGrid();
    *result = 0;
}

void CSprNormPitView::OnGroupChosen()
{
    LoadProducts();
}

void CSprNormPitView::OnSave()
{
    UpdateData(TRUE);
    const int group = ChosenGroup();
    const CString date = DateLiteral();
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // Only the categories shown are rewritten: the norms of a category no
    // longer in force at the date stay as they are.
    CString shown;
    for (long k : m_categories)
        shown += (shown.IsEmpty() ? "" : ",") + utos(k);
    CString batch;
    for (long row = 0; row < m_grid.GetNRows() && !shown.IsEmpty(); ++row) {
        const long product = m_products[row];
        batch += FormatText("delete from spr_norm_spis_produktov where d=%s and Real_npp=%d and kat in (%s)\n", date,
                            product, shown);
        for (size_t i = 0; i < m_categories.size(); ++i) {
            const CString value = m_grid.GetCellValue(kFixedColumns + long(i), row);
            CString number = value;
            number.Replace(",", ".");
            if (atof(number) == 0)
                continue;
            batch += FormatText("insert into spr_norm_spis_produktov (d,Real_npp,kat,s) values (%s,%d,%d,%s)\n", date,
                                product, m_categories[i], DB_Digit(value));
        }
    }
    if (!batch.IsEmpty() && !ExecuteSql(batch))
        return;
    AfxGetApp()->WriteProfileInt(kConstants, kOldGroup, group);
    m_grid.SetFocus();
}

void CSprNormPitView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(client.left, client.top + 45, client.Width(), client.bottom - 87);
    // The buttons side by side from the left, as wide as the font makes them.
    int x = 10;
    for (UINT id : {IDOK, IDCANCEL}) {
        CWnd* button = GetDlgItem(id);
        if (!button)
            continue;
        CRect rect;
        button->GetWindowRect(&rect);
        button->SetWindowPos(nullptr, x, client.bottom - 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        x = std::max(x + rect.Width() + 8, 100);
    }
}

} // namespace nledmark
