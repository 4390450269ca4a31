// The one public header of the ADO subset over unixODBC: _Connection,
// _Recordset, Fields, _variant_t, _bstr_t and _com_error, as the modules use
// them. Text crosses ODBC as UTF-16, so Cyrillic round-trips whatever the
// process locale. Every driver failure arrives as a _com_error carrying the
// driver's diagnostics.
#pragma once
#include "AdoTypes.h"
#include "bstr_t.h"
#include "com_error.h"
#include "variant_t.h"
#include "AdoPtr.h"
#include "Field.h"
#include "Recordset.h"
#include "Connection.h"
