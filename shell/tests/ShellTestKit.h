// What the shell's window tests share: the default configuration as the
// build packed it.
#pragma once

class CCellwork;

namespace shelltest {

// Loads build/bin/vornal.cfa (the packed default configuration) into the
// application's archive, and has the modules it names loaded from build/bin,
// beside the program, as the program finds them; false when it cannot.
bool LoadDefaultConfiguration();
// Double-clicks a cell of a grid as the user does.
void doubleClickCell(CCellwork& grid, int col, int row);

} // namespace shelltest
