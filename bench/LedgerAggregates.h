// The aggregates the balance and turnover scripts run over ledmark_provodki,
// written out for the yardsticks of the benchmarks that ask for balances and
// turnovers: the same sums run directly on a plain connection.
#pragma once
#include <afx.h>

#include <string>
#include <vector>

// The condition on a side ("deb" or "kred") of a posting that the account
// code matches: source 0, analytic "00" and KOSGU "000" stand for a whole level.
std::string SideMatch(const char* side, const CString& code);

// The turnover of account A (against B) over a period (SQL dates
// 'yyyy-mm-dd'), KBK ids on A's side, and A's first two analytic values.
std::string TurnoverAggregate(const char* from, const char* to, const CString& a, const CString& b, const CString& kbk,
                              const CString& v1 = CString(), const CString& v2 = CString());

// The aggregate behind a recorded call text of GL_GetOst0 or GL_GetOborot
// (dates dd.mm.yyyy, analytic values (one code or several joined by ","),
// branch list, KBK list or "null"); "" for any other call.
std::string AggregateOfCall(const std::string& call);
// Those of the calls, in order, leaving out the other calls.
std::vector<std::string> AggregatesOfCalls(const std::vector<std::string>& calls);
