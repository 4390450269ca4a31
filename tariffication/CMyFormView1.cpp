// The form base of the tariffication module: six rows of F3, the surname
// search on f, the position list through CVenz.
#include "CMyFormView1.h"

#include "CVenz.h"

#define STAFF_FORM_NAMESPACE nvenzol
#define STAFF_FORM_F3_ROWS 6
#define STAFF_FORM_SURNAME "f"
#include "MyFormView1Body.inc"

namespace nvenzol {

void ShowNipListFrom(CWnd* parent, const CString& tn)
{
    CVenz::ShowNipList(parent, tn);
}

} // namespace nvenzol
