#include "PeriodViewLayout.h"

#include "CCellwork.h"
#include "res/resource.h"

namespace {

constexpr int kBottomBand = 80;

void PlaceButton(CWnd* view, int id, int bottom)
{
    CWnd* button = view->GetDlgItem(id);
    if (!button)
        return;
    CRect rect;
    button->GetWindowRect(&rect);
    view->ScreenToClient(&rect);
    const int top = bottom - kBottomBand + (kBottomBand - rect.Height()) / 2;
    button->MoveWindow(rect.left, top, rect.Width(), rect.Height());
}

} // namespace

void LayOutPeriodView(CWnd* view, CCellwork& grid, int top)
{
    if (!view->GetSafeHwnd() || !grid.GetSafeHwnd())
        return;
    CRect client;
    view->GetClientRect(&client);
    CRect rect;
    grid.GetWindowRect(&rect);
    view->ScreenToClient(&rect);
    const int left = rect.left;
    const int height = client.Height() - top - kBottomBand;
    if (client.Width() <= 2 * left || height <= 0)
        return;
    grid.MoveWindow(left, top, client.Width() - 2 * left, height);
    for (int id : {IDOK, IDCANCEL, IDC_OTP_ADD_YEAR, IDC_OTP_EDIT})
        PlaceButton(view, id, client.bottom);
}
