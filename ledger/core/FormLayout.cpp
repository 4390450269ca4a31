#include "FormLayout.h"

namespace nledmark {

namespace {

void MoveTo(CWnd* control, int x, int y)
{
    if (control)
        control->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

} // namespace

void PlaceFormParts(CWnd* form, CWnd* grid, const CFormLayout& layout,
                    std::initializer_list<std::pair<UINT, int>> buttons)
{
    if (!form || !grid || !grid->GetSafeHwnd())
        return;
    CRect client;
    form->GetClientRect(&client);
    const int bottom = client.Height();
    grid->MoveWindow(0, layout.gridTop, client.Width(), bottom - layout.gridTop - layout.gridBottomGap);
    MoveTo(form->GetDlgItem(layout.noteLabel), 10, bottom - layout.noteFromBottom);
    MoveTo(form->GetDlgItem(layout.noteField), layout.noteFieldX, bottom - layout.noteFromBottom);
    for (const auto& [id, x] : buttons)
        MoveTo(form->GetDlgItem(id), x, bottom - layout.buttonsFromBottom);
}

} // namespace nledmark
