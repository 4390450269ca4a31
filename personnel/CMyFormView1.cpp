// The form base of the personnel module: all thirteen rows of F3, the surname
// search on fio_r, the position list through CPerso (which hands it to the
// tariffication module).
#include "CMyFormView1.h"

#include "CPerso.h"

#define STAFF_FORM_NAMESPACE nperso
#define STAFF_FORM_F3_ROWS 13
#define STAFF_FORM_SURNAME "fio_r"
#include "MyFormView1Body.inc"

namespace nperso {

void ShowNipListFrom(CWnd* parent, const CString& tn)
{
    CPerso::ShowNipList(parent, tn);
}

} // namespace nperso
