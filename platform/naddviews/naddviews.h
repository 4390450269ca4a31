// The one public header of the shared views library: the choosers of
// employees, accounts, reference books and documents that the modules open.
#pragma once

#include "CExtFuncs.h"
