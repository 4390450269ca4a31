#include "GridSerialize.h"

#include "CellInput.h"
#include "CellworkModel.h"
#include "CellworkView.h"
#include "GridText.h"

using gridbase::CellworkModel;
using gridbase::CellworkView;

CString GetGridInOneString(CCellwork* grid, int flag)
{
    CellworkView* view = grid ? grid->View() : nullptr;
    if (!view)
        return CString();
    const CellworkModel* cells = view->cells();
    const QString rowDelimiter = GetDelimiter().ToQString();
    const QString cellDelimiter = GetDelimiter0().ToQString();
    QString text;
    bool first = true;
    for (int r = 0; r < cells->rows(); ++r) {
        if (flag == 1 && !cells->row(r).checked)
            continue;
        if (!first)
            text += rowDelimiter;
        first = false;
        for (int c = 0; c < cells->cols(); ++c) {
            if (c > 0)
                text += cellDelimiter;
            text += gridbase::CleanCellText(cells->text(c, r));
        }
    }
    return CString(text);
}

void SetGridFromOneString(CCellwork* grid, const CString& text, int f1, int)
{
    CellworkView* view = grid ? grid->View() : nullptr;
    if (!view)
        return;
    const QString all = text.ToQString();
    const QStringList rows = all.isEmpty() ? QStringList() : all.split(GetDelimiter().ToQString());
    const bool bracket = view->updatesEnabled();
    if (bracket)
        view->setFilling(true);
    view->clearGrid();
    view->setRowCount(static_cast<int>(rows.size()));
    const QString cellDelimiter = GetDelimiter0().ToQString();
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split(cellDelimiter);
        for (int c = 0; c < cells.size() && c < view->cells()->cols(); ++c)
            view->setCellText(c, r, cells[c], f1 != 1);
    }
    if (bracket)
        view->setFilling(false);
}

int CellworkChecked(CCellwork* grid)
{
    CellworkView* view = grid ? grid->View() : nullptr;
    for (int r = 0; view && r < view->cells()->rows(); ++r) {
        if (view->cells()->row(r).checked)
            return 1;
    }
    return 0;
}

int CellworkCheckedAll(CCellwork* grid)
{
    CellworkView* view = grid ? grid->View() : nullptr;
    for (int r = 0; view && r < view->cells()->rows(); ++r) {
        if (!view->cells()->row(r).checked)
            return 0;
    }
    return 1;
}
