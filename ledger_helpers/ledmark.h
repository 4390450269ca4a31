// The one public header of the ledger helper library libledmark.
#pragma once
#include "AccountCodes.h"
#include "BranchLists.h"
#include "ChartLookups.h"
#include "KbkList.h"
#include "ScriptBridges.h"
#include "SqlText.h"
