// CHelpers: the reference-book picker.
#include "CHelpers.h"

#include "BookPicker.h"
#include "CSprPickerDlg.h"
#include "ChoiceDelivery.h"

int CHelpers::GetInSpr(const char* book, CWnd* parent, int ctrlId, const char* filter, UINT msg, short answerKind,
                       int multi, const char*, const char*, int)
{
    appcore::PickerSetup setup;
    if (!appcore::BookPickerSetup(book, filter, setup))
        return IDCANCEL;
    setup.multi = multi != 0;
    appcore::ChoiceTarget target(parent, ctrlId, msg);
    if (ctrlId > 0 && parent)
        parent->GetDlgItemText(ctrlId, setup.current);
    return appcore::ChooseAndDeliver(setup, target, answerKind == 2 || setup.multi);
}
