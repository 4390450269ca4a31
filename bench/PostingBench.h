// What the benchmarks of document saves share: the time of one run and the
// statements of the raw yardstick, the document's header row and the
// statements the posting script makes for its postings, one per call, or the
// rows a save wrote read back as statements.
#pragma once
#include "PostingLines.h"

#include <functional>
#include <string>
#include <vector>

// The seconds `body` took; `ok` turns false when it failed.
double TimedSeconds(const std::function<bool()>& body, bool& ok);

std::vector<std::string> RawDocumentStatements(const CString& headerSql, long id, const CString& date, int branch,
                                               const std::vector<nledmark::CPostingLine>& postings);

// The lines of `sql` added to `statements`, one statement a line, empty lines
// left out.
void AppendStatementLines(const CString& sql, std::vector<std::string>& statements);

// The postings of the documents with an id above `above`, read back as the save
// wrote them, as one insert a line under the document id `asId`: the raw
// yardstick sends the same rows.
CString StoredPostingInserts(long above, long asId);
