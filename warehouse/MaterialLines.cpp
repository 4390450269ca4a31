#include "MaterialLines.h"

#include "ndbcore.h"
#include "res/resource.h"

#include <QApplication>
#include <cstdlib>

namespace nstovan {

double ReadNumber(const CString& text)
{
    CString number = text;
    // Thousands typed apart ("1 234,5", a no-break space as copied) are one number.
    number.Replace(" ", "");
    number.Replace("\xC2\xA0", "");
    number.Replace(GetNumberDelimiter(), ".");
    number.Replace(",", ".");
    return std::atof(number);
}

CString MaterialUnit(const CString& material)
{
    return GetFromSPR("spr_ei", GetFromSPR("spr_stovan_mat", material, "ei"), nullptr);
}

void OpenMaterialBook(CWnd* form, short& waitingRow, long row, const char* fragment)
{
    waitingRow = short(row);
    CExtFuncs::ShowSpr("spr_stovan_mat", form, 1, 0, naddviews::FragmentFilter(fragment), nullptr,
                       WM_MATERIAL_CHOSEN, 0);
}

BOOL SearchMaterial(CWnd* form, CCellwork& grid, int codeColumn, naddviews::SearchMemory& memory, short& waitingRow)
{
    if (!naddviews::AskFragment(form, CString(), memory))
        return FALSE;
    naddviews::DropQueuedKeys();
    CWaitCursor wait;
    long id = 0;
    const long row = grid.GetCurRow();
    switch (SuUniqByName("spr_stovan_mat", memory.text, id)) {
    case 0:
        AfxMessageBox("По запросу ничего нет: " + memory.text);
        return FALSE;
    case 1:
        if (row < 0 || row >= grid.GetNRows())
            return FALSE;
        grid.SetCellValue(codeColumn, row, FormatText("%u", unsigned(id)));
        return TRUE;
    case 2:
        OpenMaterialBook(form, waitingRow, row, memory.text);
        return FALSE;
    default:
        return FALSE;
    }
}

bool FocusInGrid(const CCellwork& grid)
{
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* widget = grid.GetQWidget();
    return focus && widget && (focus == widget || widget->isAncestorOf(focus));
}

} // namespace nstovan
