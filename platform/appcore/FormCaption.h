// The caption of a form that its opener gave no title: the form's own name, as
// the bookkeeper knows it, in place of the template's document name with a
// number.
#pragma once
#include "afx.h"

class CView;

namespace appcore {

// Sets the document's title to `title` unless the opener gave one.
void SetFormTitle(CView* view, const char* title);

} // namespace appcore
