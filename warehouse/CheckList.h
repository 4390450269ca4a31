// The check lists of the stock reports' filter forms (CheckLists.h of the
// shared views library) and the stock reports' own period and clause helpers.
#pragma once
#include "afx.h"
#include "CheckLists.h"
#include "gridbase.h"

#include <initializer_list>

namespace nstovan {

// The lists' filling, conditions and checks are the shared views library's.
using naddviews::CheckAll;
using naddviews::ClearList;
using naddviews::EveryListChosen;
using naddviews::FillList;
using naddviews::JoinCheckedNames;
using naddviews::ListChoice;
using naddviews::ListClause;

// The clause with every `prefix` ("prd=") replaced by `qualified`
// ("stovan_prx0.prd="), for statements that join headers and lines.
CString QualifiedClause(const CString& clause, const char* prefix, const char* qualified);

// The first and last day of the working month as SQL date literals.
CString WorkingMonthFrom();
CString WorkingMonthTo();

// The period of a form's pickers as SQL date literals; false when both dates
// are valid and from lies after to (the lists then stay empty).
bool ReportPeriod(const COleDateTime& from, const COleDateTime& to, CString& fromSql, CString& toSql);

} // namespace nstovan
