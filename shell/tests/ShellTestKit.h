// What the shell's window tests share: the default configuration as the
// build packed it.
#pragma once

namespace shelltest {

// Loads build/bin/vornal.cfa (the packed default configuration) into the
// application's archive; false when it cannot.
bool LoadDefaultConfiguration();

} // namespace shelltest
