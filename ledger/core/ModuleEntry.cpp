// The one exported function the application core looks for in the module.
#include "CLedmark.h"
#include "ModuleEntry.h"

VORNAL_MODULE_ENTRY(nledmark::CLedmark::Init)
