// Export marker of the ledger helper library: the library is built with hidden
// symbols and exports exactly the functions the modules call.
#pragma once

#define LEDMARK_API __attribute__((visibility("default")))
