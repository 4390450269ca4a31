#include "CSprEditView.h"

#include "CderivedFrame.h"
#include "ConfigGlobals.h"
#include "DocumentOpener.h"
#include "GridQuery.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"

IMPLEMENT_DYNCREATE(CSprEditView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSprEditView, CderivedFormview)
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_SPR_EDIT_ADD, OnAdd)
    ON_BN_CLICKED(IDC_SPR_EDIT_DELETE, OnDelete)
    ON_COMMAND(IDOK, OnWriteCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSprEditView, CderivedFormview)
    ON_EVENT(CSprEditView, IDC_SPR_EDIT_GRID, 8, OnGridCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

// What a row of the form is: its row value.
enum RowState : long { kStored = 0, kChanged = 1, kNew = 2 };

RowState StateOf(const CCellwork& grid, long row)
{
    _variant_t value = grid.GetRowData(row);
    return value.isEmpty() ? kStored : RowState(long(value));
}

} // namespace

CSprEditView::CSprEditView() : CderivedFormview(IDD_SPR_EDIT) {}

CSprEditView::~CSprEditView() = default;

void CSprEditView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPR_EDIT_GRID, m_grid);
}

void CSprEditView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    CderivedDocument* document = GetDocument();
    if (!document || !appcore::SprEditLayoutFor(document->m_strParam, m_layout)) {
        AfxMessageBox(CString("Справочник «") + (document ? document->m_strParam : CString()) +
                          "» не найден в конфигурации",
                      MB_OK | MB_ICONEXCLAMATION);
        OnCancel();
        return;
    }
    m_grid.SetNCols(long(m_layout.columns.size()) + 1);
    m_grid.SetColCaption(0, "Код");
    m_grid.SetColWidth(0, 70);
    m_grid.SetColEditable(0, 0);
    for (size_t i = 0; i < m_layout.columns.size(); ++i) {
        const appcore::SprEditColumn& column = m_layout.columns[i];
        m_grid.SetColCaption(long(i) + 1, column.caption.IsEmpty() ? column.name : column.caption);
        m_grid.SetColWidth(long(i) + 1, column.width > 0 ? column.width : 200);
    }
    Load();
    appcore::PlaceGridAndButtons(this, &m_grid, {IDCANCEL, IDOK}, {IDC_SPR_EDIT_ADD, IDC_SPR_EDIT_DELETE});
}

void CSprEditView::Load()
{
    m_bFilling = TRUE;
    appcore::FillGridFromQuery(m_grid, appcore::SprEditSelect(m_layout), false);
    m_bFilling = FALSE;
    m_deleted.clear();
    m_bEdited = FALSE;
    if (m_grid.GetNRows() > 0)
        m_grid.SetCurCell(1, 0);
}

std::vector<CString> CSprEditView::RowValues(long row) const
{
    std::vector<CString> values;
    for (long col = 1; col < m_grid.GetNCols(); ++col)
        values.push_back(m_grid.GetCellValue(col, row));
    return values;
}

void CSprEditView::OnGridCellChanged(short, short row, CString*)
{
    if (m_bFilling || row < 0 || row >= m_grid.GetNRows())
        return;
    if (StateOf(m_grid, row) == kStored)
        m_grid.SetRowData(row, _variant_t(long(kChanged)));
    m_bEdited = TRUE;
}

void CSprEditView::OnAdd()
{
    if (!g_bAllowSprAdd) {
        AfxMessageBox("На этом рабочем месте справочники не пополняются", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const long row = m_grid.GetNRows();
    m_grid.RowInsert(row);
    m_grid.SetRowData(row, _variant_t(long(kNew)));
    m_grid.SetCellEditable(0, row, 1);  // a new row's key may be typed; empty, the table numbers it
    m_bEdited = TRUE;
    m_grid.SetCurCell(1, row);
    m_grid.SetFocus0();
}

void CSprEditView::OnDelete()
{
    const long row = m_grid.GetCurRow();
    if (row < 0 || row >= m_grid.GetNRows())
        return;
    if (AfxMessageBox("Удалить запись ?", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (StateOf(m_grid, row) != kNew)
        m_deleted.push_back(m_grid.GetCellValue(0, row));
    m_grid.RowRemove(row);
    m_bEdited = TRUE;
}

int CSprEditView::Write(int ask)
{
    if (!IsEdited())
        return 1;
    if (ask && AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (StateOf(m_grid, row) == kStored)
            continue;
        CString problem;
        int column = appcore::SprEditRowProblem(m_layout, RowValues(row), problem);
        if (column < 0)
            column = appcore::SprEditRuleProblem(m_layout, RowValues(row), problem);
        if (column >= 0) {
            m_grid.SetCurCell(column + 1, row);
            AfxMessageBox(problem, MB_OK | MB_ICONEXCLAMATION);
            m_grid.SetFocus0();
            return 0;  // nothing written, the edits stay
        }
    }
    CString batch;
    for (const CString& key : m_deleted)
        batch += appcore::SprEditDelete(m_layout, key) + ";\n";
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const RowState state = StateOf(m_grid, row);
        if (state == kChanged)
            batch += appcore::SprEditUpdate(m_layout, m_grid.GetCellValue(0, row), RowValues(row)) + ";\n";
        else if (state == kNew)
            batch += appcore::SprEditInsert(m_layout, m_grid.GetCellValue(0, row), RowValues(row)) + ";\n";
    }
    if (!ExecuteSql(batch, nullptr, 1, 1, -1))
        return 0;  // told by the database layer; nothing written, the edits stay
    Load();
    return 1;
}

void CSprEditView::OnWriteCommand()
{
    Write(0);
}

void CSprEditView::OnCancel()
{
    if (!IsClosing() && IsEdited() && m_layout.table.GetLength() > 0) {
        const int answer = AfxMessageBox("Записать изменения ? ", MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL || (answer == IDYES && !Write(0)))
            return;
    }
    CderivedFormview::OnCancel();
}

void CSprEditView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    appcore::PlaceGridAndButtons(this, &m_grid, {IDCANCEL, IDOK}, {IDC_SPR_EDIT_ADD, IDC_SPR_EDIT_DELETE});
}

namespace appcore {

CDocTemplate* SprEditTemplate()
{
    return CoreTemplate(IDR_SPR_EDIT, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
                        RUNTIME_CLASS(CSprEditView));
}

} // namespace appcore
