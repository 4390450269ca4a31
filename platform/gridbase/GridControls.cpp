// The window classes of the grid controls, registered when the library loads:
// "Cellwork" (CCellwork) and "Rowsheet" (CRowsheet), as dialog templates name them.
#include "CCellwork.h"
#include "CRowsheet.h"
#include "RowsheetView.h"
#include "CellworkLayout.h"
#include "CellworkView.h"

namespace {

QWidget* createCellwork(const AfxControlCreate& cc)
{
    auto* view = new gridbase::CellworkView(cc.parent);
    view->setGeometry(cc.rect);
    view->setFocusPolicy(cc.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    gridbase::ApplyCellworkLayout(view, cc.text.ToQString(), (int)cc.id);
    return view;
}

// The grid keeps the keys it edits and moves with; Enter only when it takes
// input, so a list's form keeps its default button.
LRESULT cellworkProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM, bool& handled)
{
    handled = message == WM_GETDLGCODE;
    if (!handled)
        return 0;
    auto* view = qobject_cast<gridbase::CellworkView*>(pWnd->GetQWidget());
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    if (view && (view->editing() || (wParam == VK_RETURN && view->takesEnter())))
        code |= DLGC_WANTALLKEYS;
    return code;
}

QWidget* createRowsheet(const AfxControlCreate& cc)
{
    auto* view = new gridbase::RowsheetView(cc.parent);
    view->setGeometry(cc.rect);
    view->setFocusPolicy(cc.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    return view;
}

// Enter in the journal opens the document through the key-down event.
LRESULT rowsheetProc(CWnd*, UINT message, WPARAM wParam, LPARAM, bool& handled)
{
    handled = message == WM_GETDLGCODE;
    if (!handled)
        return 0;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (wParam == VK_RETURN ? DLGC_WANTALLKEYS : 0);
}

struct Registration {
    Registration()
    {
        AfxRegisterControlClass({ "Cellwork", &createCellwork, [] { return static_cast<CWnd*>(new CCellwork); },
                                  &cellworkProc, nullptr });
        AfxRegisterControlClass({ "Rowsheet", &createRowsheet, [] { return static_cast<CWnd*>(new CRowsheet); },
                                  &rowsheetProc, nullptr });
    }
} const registration;

} // namespace
