// What the benchmarks of document saves share: the time of one run and the
// statements of the raw yardstick, the document's header row and the
// statements the posting script makes for its postings, one per call.
#pragma once
#include "PostingLines.h"

#include <functional>
#include <string>
#include <vector>

// The seconds `body` took; `ok` turns false when it failed.
double TimedSeconds(const std::function<bool()>& body, bool& ok);

std::vector<std::string> RawDocumentStatements(const CString& headerSql, long id, const CString& date, int branch,
                                               const std::vector<nledmark::CPostingLine>& postings);
