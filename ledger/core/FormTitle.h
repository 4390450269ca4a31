// The ledger's forms take their captions as every form does (FormCaption.h).
#pragma once
#include "FormCaption.h"

namespace nledmark {

using appcore::SetFormTitle;

} // namespace nledmark
