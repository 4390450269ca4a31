// Saving a text the user takes away (an export for another program): the
// file is chosen through the interaction point (the chooser "savefile", so
// tests answer it with a path) and written as UTF-8.
#pragma once

#include "afx.h"

namespace appcore {

// Asks for a file, offering `suggestedName`, and writes `text` into it.
// FALSE when the user cancelled or the file could not be written (reported).
BOOL SaveTextFile(const CString& suggestedName, const CString& text);

} // namespace appcore
