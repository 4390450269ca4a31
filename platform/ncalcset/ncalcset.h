// The one public header of the calculation library: checks and texts about
// employees and the institution that the personnel, payroll and ledger forms
// share. The payroll figures and their HTML pieces join it with the payroll.
#pragma once

#include "EmployeeData.h"
#include "FormPieces.h"
#include "PayScale.h"
#include "PayrollPieces.h"
#include "Premium.h"
#include "VacationNote.h"
