// The one exported function the application core looks for in the module.
#include "CPaymar.h"
#include "ModuleEntry.h"

VORNAL_MODULE_ENTRY(npaymar::CPaymar::Init)
