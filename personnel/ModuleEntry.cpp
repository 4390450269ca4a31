// The one exported function the application core looks for in the module.
#include "CPerso.h"
#include "ModuleEntry.h"

VORNAL_MODULE_ENTRY(nperso::CPerso::Init)
