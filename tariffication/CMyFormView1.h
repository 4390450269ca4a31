// CMyFormView1: the form base of the staff forms that edit or show one
// position assignment. Its fields with choosers are the personnel number
// (112), the running number (1149), the kind of order (414), department
// (105), category (108) and position (1083), each with its chooser button and
// the edit of its name (StaffFormIds.h); F3 opens the chooser of the focused
// field, and the search finds an employee by a surname fragment or a book's
// row by a name fragment. Every handler does nothing when its controls are
// missing from the derived form.
//
// Each staff module carries its own copy, compiled from one source into the
// module's namespace (MyFormView1Body.inc): nvenzol::CMyFormView1 in nVenzol,
// nperso::CMyFormView1 in nPersoClasses. They differ in the length of the F3
// table (six rows in nVenzol, all thirteen in nPersoClasses), in the column
// the surname search filters (f in nVenzol, fio_r in nPersoClasses) and in
// which module's entry opens the position list.
#pragma once
#include "CderivedFormview.h"

#define STAFF_FORM_NAMESPACE nvenzol
#include "MyFormView1Class.inc"
#undef STAFF_FORM_NAMESPACE

#define STAFF_FORM_NAMESPACE nperso
#include "MyFormView1Class.inc"
#undef STAFF_FORM_NAMESPACE
