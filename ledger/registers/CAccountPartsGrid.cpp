#include "CAccountPartsGrid.h"

#include "CLedmark.h"
#include "ScriptReadCache.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <algorithm>

namespace nledmark {

void CAccountPartsGrid::Attach(CWnd* form, CCellwork* grid)
{
    m_form = form;
    m_grid = grid;
}

CString CAccountPartsGrid::Cell(int col, long row) const
{
    return m_grid->GetCellValue(col, row).Trim();
}

void CAccountPartsGrid::OpenPicker(short col, short row)
{
    if (row < 0 || row >= m_grid->GetNRows())
        return;
    const CString sint = Cell(PART_SINT, row);
    const CString anal = Cell(PART_ANAL, row);
    if (col == PART_SINT) {
        m_pickRow[PART_SINT] = row;
        CLedmark::GetSint(m_form, UINT(-1), kSintPickedMsg);
    } else if (col == PART_ANAL) {
        m_pickRow[PART_ANAL] = row;
        CLedmark::GetAnalit(m_form, UINT(-1), kAnalitPickedMsg, sint);
    } else if (col == PART_KOSGU) {
        m_pickRow[PART_KOSGU] = row;
        CLedmark::GetKOSGU(m_form, UINT(-1), kKosguPickedMsg, sint, anal);
    }
    m_grid->SetCurCell(col, row);
}

bool CAccountPartsGrid::TakePicked(int col, const char* code)
{
    if (col < PART_SINT || col > PART_KOSGU)
        return false;
    const long row = m_pickRow[col];
    m_pickRow[col] = -1;
    if (row < 0 || row >= m_grid->GetNRows())
        return false;
    m_grid->SetCellValue(col, row, code ? code : "");
    m_grid->SetCurCell(col, row);
    if (col == PART_SINT)
        m_form->PostMessage(kKeepEmptyRowMsg);
    return true;
}

void CAccountPartsGrid::CellEdited(short col)
{
    if (col == PART_SINT)
        m_form->PostMessage(kKeepEmptyRowMsg);
}

void CAccountPartsGrid::KeepEmptyRow()
{
    const long rows = m_grid->GetNRows();
    for (long row = 0; row < rows; ++row)
        if (CString(m_grid->GetCellValue(PART_SINT, row)).TrimLeft().IsEmpty())
            return;
    m_grid->SetNRows(rows + 1);
}

void CAccountPartsGrid::Clear()
{
    m_grid->SetNRows(0);
    KeepEmptyRow();
    m_grid->SetFocus();
    m_grid->SetCurCell(0, 0);
}

void CAccountPartsGrid::Reset()
{
    m_grid->SetNRows(1);
    m_grid->ClearGrid();
}

long CAccountPartsGrid::LoadJournal(long id)
{
    // The parts are whole codes of fixed width (3, 2 or none, 3 or none), so
    // their text order is their numeric order on every server.
    const CString sql = FormatText("select col1,col2,col3 from spr_jrn_oper1 where id=%d order by %s,%s,%s,real_id", id,
                                   SqlIfNull("col1", "''"), SqlIfNull("col2", "''"), SqlIfNull("col3", "''"));
    std::vector<std::vector<CString>> rows;
    const long read = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        rows.push_back({SafeArayToString(rs->GetCollect("col1")), SafeArayToString(rs->GetCollect("col2")),
                        SafeArayToString(rs->GetCollect("col3"))});
    });
    m_grid->SetRows(rows);
    return read < 0 ? -1 : long(rows.size());
}

std::vector<AccountRow> CAccountPartsGrid::Accounts() const
{
    std::vector<AccountRow> accounts;
    for (long row = 0; row < m_grid->GetNRows(); ++row) {
        AccountRow account{row, Cell(PART_SINT, row), Cell(PART_ANAL, row), Cell(PART_KOSGU, row)};
        if (!account.sint.IsEmpty())
            accounts.push_back(account);
    }
    return accounts;
}

CString CAccountPartsGrid::FullAccount(int source, const AccountRow& row)
{
    CString digit = FormatNumber(source, "-", 0);
    CString sint = row.sint, anal = row.anal, kosgu = row.kosgu;
    return GL_Get_SCH(digit, sint, anal, kosgu);
}

AccountBooks CAccountPartsGrid::Books(int source) const
{
    AccountBooks found;
    std::vector<CString> named[3];
    // The three dimensions of an account are read from one look-up of its row.
    appcore::CScriptReadCache cache;
    for (const AccountRow& row : Accounts()) {
        const CString account = FullAccount(source, row);
        for (int n = 1; n <= 3; ++n) {
            const int book = GL_Get_SB(account, short(n));
            const CString name = book > 0 ? I_GetSprName(book) : CString();
            if (name.IsEmpty())
                continue;
            found.present[n - 1] = true;
            if (std::find(named[n - 1].begin(), named[n - 1].end(), name) == named[n - 1].end()) {
                named[n - 1].push_back(name);
                CString& caption = found.captions[n - 1];
                caption += (caption.IsEmpty() ? "" : " / ") + name;
            }
            const bool listed = std::any_of(found.books.begin(), found.books.end(),
                                            [book](const DimensionBook& b) { return b.book == book; });
            if (!listed)
                found.books.push_back({book, n, name});
        }
    }
    return found;
}

CString CAccountPartsGrid::Serialized() const
{
    return GetGridInOneString(*m_grid, 0);
}

void CAccountPartsGrid::Restore(const CString& text)
{
    SetGridFromOneString(*m_grid, text, 0, 0);
}

} // namespace nledmark
