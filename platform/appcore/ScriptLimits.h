// The limits of the scripts beyond their steps (CInterpriter::SetStepLimit).
// The steps count only the scripts' own instructions; what the library does
// in C (string.rep, gsub, table.concat) is bounded by the memory an
// interpreter may hold (512 MB by default: an allocation beyond it fails the
// evaluation) and by the time an evaluation may run (300 s by default,
// checked between steps). Each stop is reported with the call and the place
// in the script. 0 restores a default.
#pragma once
#include "afx.h"

namespace appcore {

AFX_EXT_API void SetScriptMemoryLimit(long long bytes);
AFX_EXT_API void SetScriptTimeLimit(int seconds);

} // namespace appcore
