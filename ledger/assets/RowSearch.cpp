#include "RowSearch.h"

#include "appcore.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <QApplication>
#include <QRegularExpression>

namespace nledmark {

namespace {

constexpr UINT kRowFillMessage = 0x464;
constexpr UINT kAssetsAnswer = 0x465;
constexpr UINT kMaterialsAnswer = 0x47C;
constexpr long kQuantityColumn = 6;

// Items of an account: the item's account agrees with the document's in
// `count` characters from `first` (1-based), or the item has no account.
CString AccountCondition(const CString& account, int first, int count)
{
    if (account.GetLength() < first - 1 + count)
        return CString();
    return FormatText("(substring(sch,%d,%d)=%s or sch is null or sch='')", first, count,
                      NullStr(account.Mid(first - 1, count)));
}

CString Joined(const CString& a, const CString& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return a + " and " + b;
}

bool FocusInGrid(CCellwork* grid)
{
    QWidget* widget = grid ? grid->GetQWidget() : nullptr;
    QWidget* focus = QApplication::focusWidget();
    return widget && focus && (widget == focus || widget->isAncestorOf(focus));
}

// Keys typed while the dialog closed are not meant for the grid.
void DropPendingKeys()
{
    MSG msg;
    while (PeekMessage(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

void PlaceOneMatch(const FragmentSearchRow& row, FragmentSearchSite& site, long id)
{
    CCellwork& grid = *site.grid;
    const long current = grid.GetCurRow() < 0 ? 0 : grid.GetCurRow();
    if (grid.GetNRows() <= current)
        grid.SetNRows(current + 1);
    grid.SetCellValue(0, current, FormatText("%u", unsigned(id)));
    switch (row.oneMatch) {
    case OneMatch::PostRowFill:
        grid.SetCurCell(0, current);
        grid.SetFocus0();
        site.form->PostMessage(kRowFillMessage, 0, 0);
        break;
    case OneMatch::RowFill:
        if (site.rowFill)
            site.rowFill(current);
        grid.SetFocus0();
        break;
    case OneMatch::FocusGrid:
        grid.SetFocus0();
        break;
    case OneMatch::QuantityCell:
        grid.SetCurCell(kQuantityColumn, current);
        grid.SetFocus0();
        break;
    }
}

} // namespace

const FragmentSearchRow kOsPokupSearch{"Укажите фрагменты ОС", "spr_osn_sr", SearchBase::Branch, OneMatch::PostRowFill,
                                       kAssetsAnswer};
const FragmentSearchRow kOsSpisSearch{"Укажите фрагменты ОС", "spr_osn_sr", SearchBase::Branch, OneMatch::PostRowFill,
                                      kAssetsAnswer};
const FragmentSearchRow kOsNaklAssetSearch{"Укажите фрагменты наименования", "spr_osn_sr",
                                           SearchBase::BranchAssetAccount, OneMatch::FocusGrid, kAssetsAnswer};
// Stock items belong to no branch.
const FragmentSearchRow kOsNaklMaterialSearch{"Укажите фрагменты наименования", "spr_stovan_mat",
                                              SearchBase::ItemAccount, OneMatch::FocusGrid, kAssetsAnswer};
const FragmentSearchRow kMatPrixSearch{"Укажите фрагменты материала", "spr_stovan_mat", SearchBase::ItemAccount,
                                       OneMatch::RowFill, kMaterialsAnswer};
const FragmentSearchRow kMaterialsSpisSearch{"Укажите фрагменты материала", "spr_stovan_mat",
                                             SearchBase::ItemAccount, OneMatch::RowFill, kMaterialsAnswer};
const FragmentSearchRow kMenuTrebSearch{"Укажите фрагменты материала", "spr_stovan_mat", SearchBase::ItemAccount,
                                        OneMatch::QuantityCell, kMaterialsAnswer};

CString FragmentSearchBase(const FragmentSearchRow& row, int branch, const CString& account)
{
    const CString byBranch = FormatText("fil_id=%d", branch);
    switch (row.base) {
    case SearchBase::Branch:
        return byBranch;
    case SearchBase::BranchAssetAccount:
        return Joined(byBranch, AccountCondition(account, 1, 6));
    case SearchBase::ItemAccount:
        return AccountCondition(account, 2, 5);
    }
    return CString();
}

int RunFragmentSearch(const FragmentSearchRow& row, FragmentSearchSite& site)
{
    if (!site.form || !FocusInGrid(site.grid))
        return -1;
    const CString base = FragmentSearchBase(row, site.branch, site.account);
    CSirchDlg dialog(nullptr);
    dialog.m_strPrompt = row.prompt;
    dialog.m_strText = site.text ? *site.text : CString();
    dialog.m_nOption1 = site.option1 ? *site.option1 : 0;
    dialog.m_nOption2 = site.option2 ? *site.option2 : 0;
    if (dialog.DoModal() != IDOK)
        return -1;
    DropPendingKeys();
    if (site.text)
        *site.text = dialog.m_strText;
    if (site.option1)
        *site.option1 = dialog.m_nOption1;
    if (site.option2)
        *site.option2 = dialog.m_nOption2;
    long id = 0;
    int found = 0;
    {
        CWaitCursor wait;
        found = SuUniqByName(row.table, base, dialog.m_strText, id);
    }
    if (found == 0) {
        AfxMessageBox(CString("По запросу ничего нет: ") + dialog.m_strText, MB_OK);
    } else if (found == 1) {
        PlaceOneMatch(row, site, id);
    } else if (found == 2) {
        if (site.pickRow)
            *site.pickRow = site.grid->GetCurRow();
        const CString filter = "where " + Joined(base.IsEmpty() ? CString() : "(" + base + ")",
                                                 SqlNameCondition(dialog.m_strText));
        CHelpers::GetInSpr(row.table, site.form, -1, filter, row.manyMessage, 0, 1, nullptr, nullptr, 0);
    }
    return found;
}

std::vector<long> FragmentSearchIds(const char* answer)
{
    static const QRegularExpression whole(QStringLiteral("^[0-9]{1,9}$"));
    std::vector<long> ids;
    for (const QString& part : QString::fromUtf8(answer ? answer : "").split(u',', Qt::SkipEmptyParts)) {
        const QString id = part.trimmed();
        if (whole.match(id).hasMatch())
            ids.push_back(id.toLong());
    }
    return ids;
}

bool FillPickedRows(CCellwork& grid, long first, const char* answer, const std::function<void(long row)>& placed)
{
    if (first < 0)
        return false;
    bool filled = false;
    for (long id : FragmentSearchIds(answer)) {
        long row = first;
        if (filled) {
            row = -1;
            for (long r = 0; r < grid.GetNRows() && row < 0; ++r)
                if (grid.GetCellValue(0, r).IsEmpty())
                    row = r;
            if (row < 0)
                row = grid.GetNRows();
        }
        if (row >= grid.GetNRows())
            grid.SetNRows(row + 1);
        filled = true;
        grid.SetCellValue(0, row, FormatText("%ld", id));
        if (placed)
            placed(row);
    }
    return filled;
}

} // namespace nledmark
