// The purchase of fixed assets: the asset rows, their choosers and the fill
// of a row from its asset card.
#include "COsPokupView.h"

#include "CHelpers.h"
#include "CodeRows.h"
#include "LineCells.h"
#include "RowSearch.h"
#include "gridbase.h"
#include "naddviews.h"
#include "ndbcore.h"

#include <QScopedValueRollback>

namespace nledmark {

BEGIN_EVENTSINK_MAP(COsPokupView, CPostingDocView)
    ON_EVENT(COsPokupView, IDC_LINES, 5, OnLinesChooser, VTS_I2 VTS_I2)
    ON_EVENT(COsPokupView, IDC_LINES, 8, OnLinesCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(COsPokupView, IDC_LINES, 9, OnLinesEdited, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

constexpr UINT kSpareRowMessage = 0x464;
constexpr UINT kAssetsAnswer = 0x465;
constexpr UINT kEkrAnswer = 0x466;
constexpr UINT kAccountAnswer = 0x467;
// The depreciation account the account chooser starts from when the card
// names none.
const char* const kDefaultDepreciation = "010400000";

} // namespace

std::vector<CAnswerColumn> COsPokupView::AnswerColumns() const
{
    return {{kEkrAnswer, OP_EKR, false}, {kAccountAnswer, OP_IZNOS_SCH, true}};
}

void COsPokupView::OnAnswered(UINT msg, long)
{
    if (msg == kEkrAnswer)
        PostMessage(kSpareRowMessage);
}

LRESULT COsPokupView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
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

void COsPokupView::EnsureSpareRow()
{
    KeepOneEmptyRow(m_grid, OP_ASSET);
}

void COsPokupView::FillRow(long row, BOOL overwrite)
{
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const CString id = CellId(m_grid.GetCellValue(OP_ASSET, row));
    if (id.IsEmpty())
        return;
    m_grid.SetCellValue(OP_NAME, row, ExecuteString(FormatText("select name as str from spr_osn_sr where id=%s", id)));
    static const struct {
        int col;
        const char* column;
    } cells[] = {{OP_KOL, "kol"}, {OP_SUM, "first_price"}, {OP_EKR, "ekr"}};
    for (const auto& cell : cells)
        if (overwrite || m_grid.GetCellValue(cell.col, row).IsEmpty())
            m_grid.SetCellValue(cell.col, row,
                                ExecuteString(FormatText("select %s as str from spr_osn_sr where id=%s", cell.column,
                                                         id)));
}

// Each chosen asset fills the row the picker was opened for, then the
// empty rows below; the quantity of the first is typed next.
void COsPokupView::AssetsChosen(const char* answer)
{
    const long first = m_assetRow;
    m_grid.SetFillingGrid(1);
    const bool filled = FillPickedRows(m_grid, first, answer, [this](long row) {
        FillRow(row, TRUE);
        EnsureSpareRow();
    });
    m_grid.SetFillingGrid(0);
    if (filled) {
        m_grid.SetCurCell(OP_KOL, first);
        m_grid.SetFocus0();
    }
}

void COsPokupView::OnLinesChooser(short col, short row)
{
    if (col == OP_ASSET) {
        m_assetRow = row;
        CHelpers::GetInSpr("spr_osn_sr", this, -1, FormatText("where fil_id=%d", SelectedBranch(IDC_FIL)),
                           kAssetsAnswer, 0, 1, nullptr, nullptr, 0);
    } else if (col == OP_EKR) {
        RememberChooserRow(kEkrAnswer, row);
        CExtFuncs::ShowSpr("spr_ekr", this, 0, 0, nullptr, nullptr, kEkrAnswer, 0);
    } else if (col == OP_IZNOS_SCH) {
        RememberChooserRow(kAccountAnswer, row);
        const CString id = CellId(m_grid.GetCellValue(OP_ASSET, row));
        CString account =
            id.IsEmpty() ? CString() : ExecuteString(FormatText("select sch_iz as str from spr_osn_sr where id=%s", id));
        if (account.IsEmpty())
            account = kDefaultDepreciation;
        CExtFuncs::OnSprPlanSch0(this, -1, kAccountAnswer, nullptr, 1, account, nullptr);
    }
}

// A code written into column 0 by anything but the form's own fill shows the
// card's name; a code typed fills the cells still empty.
void COsPokupView::OnLinesCellChanged(short col, short row, CString* text)
{
    if (m_bLoading || m_bWriting || col != OP_ASSET)
        return;
    const QScopedValueRollback<BOOL> writing(m_bWriting, TRUE);
    const CString id = CellId(text ? *text : m_grid.GetCellValue(OP_ASSET, row));
    m_grid.SetCellValue(OP_NAME, row,
                        id.IsEmpty() ? CString()
                                     : ExecuteString(FormatText("select name as str from spr_osn_sr where id=%s", id)));
}

void COsPokupView::OnLinesEdited(short col, short row, short, CString* text)
{
    if (col != OP_ASSET || !text)
        return;
    // The cell takes the typed text after this event: the fill reads it there.
    m_grid.SetCellValue(OP_ASSET, row, *text);
    FillRow(row, FALSE);
    PostMessage(kSpareRowMessage);
}

} // namespace nledmark
