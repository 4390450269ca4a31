// The one exported function the application core looks for in the module.
#include "CStovan.h"
#include "ModuleEntry.h"

VORNAL_MODULE_ENTRY(nstovan::CStovan::Init)
