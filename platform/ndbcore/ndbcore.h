// The one public header of the database layer: the one connection and the
// SQL calls of the modules, database constants, SQL literal forms, dates and
// periods, reference-book lookups, the current user's globals and a few
// helpers. Entry points never throw: failures are reported (ReportDBError)
// and answered as 0 or an empty text. Only _Connection::Execute and the
// recordsets of GetConnection() throw _com_error, as they did.
#pragma once
#include "afx.h"
#include "ado.h"

#include "DbSettings.h"
#include "DbDialect.h"
#include "DbErrorReport.h"
#include "DbErrorHeadline.h"
#include "DbSession.h"
#include "CDbTransaction.h"
#include "DbExecute.h"
#include "DbConstants.h"
#include "DocCounter.h"
#include "SqlLiterals.h"
#include "DateFunctions.h"
#include "PeriodNames.h"
#include "WorkingPeriod.h"
#include "RefBooks.h"
#include "TableColumns.h"
#include "MoneyText.h"
#include "UiFileHelpers.h"
#include "WindowHelpers.h"
