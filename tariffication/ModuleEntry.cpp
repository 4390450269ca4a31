// The one exported function the application core looks for in the module.
#include "CVenz.h"
#include "ModuleEntry.h"

VORNAL_MODULE_ENTRY(nvenzol::CVenz::Init)
