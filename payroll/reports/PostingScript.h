// The call of the workplace's script function Prov_5, which hands the payroll's
// posting 5 to the ledger (or, without a date, shows its figures): the
// condition on paymar_NUz, the month names, the month (-1 for chosen months)
// and the operation date dd.mm.yyyy, evaluated in "Arm." + the workplace id.
#pragma once
#include "afx.h"

namespace npaymar {

// The call text; every text argument goes through MakeParam.
CString PostingScriptCall(const char* filter, const char* monthsText, int month, const char* date);
// Evaluates the call. True when the script ran and did not answer 0; a failure
// has been shown (the interpreter's error, or the script's own reason).
bool RunPostingScript(const char* filter, const char* monthsText, int month, const char* date);

} // namespace npaymar
