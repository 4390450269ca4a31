// CHelpers: the reference-book picker.
#include "CHelpers.h"

#include "BookPicker.h"
#include "CSprPickerDlg.h"
#include "ChoiceDelivery.h"

int CHelpers::GetInSpr(const char* book, CWnd* parent, int ctrlId, const char* filter, UINT msg, short answerKind,
                       int multi, const char*, const char*, int)
{
    appcore::PickerSpec spec;
    if (!appcore::BookPickerSpec(book, filter, spec))
        return IDCANCEL;
    spec.multi = multi != 0;
    appcore::ChoiceTarget target(parent, ctrlId, msg);
    if (ctrlId > 0 && parent)
        parent->GetDlgItemText(ctrlId, spec.current);
    return appcore::ChooseAndDeliver(spec, target, answerKind == 2 || spec.multi);
}
