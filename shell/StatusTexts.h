// The texts of the main frame's informative status panes.
#pragma once
#include "afx.h"

// The reporting period pane: " Отчетный период <name> <year> г.", the name
// being the period kind's (periods by kind, mode 1) or the month's (mode 0);
// empty for any other mode.
CString PeriodStatusText(int periodMode, long otpId, long month, long year);
// The pane for days that are no period kind: " Отчетный период с <first> по <last>".
CString PeriodDaysStatusText(const CString& first, const CString& last);
