#include "PostingBench.h"

#include <chrono>

double TimedSeconds(const std::function<bool()>& body, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = body() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::vector<std::string> RawDocumentStatements(const CString& headerSql, long id, const CString& date, int branch,
                                               const std::vector<nledmark::CPostingLine>& postings)
{
    std::vector<std::string> statements{headerSql.ToStdString()};
    CString batch;
    nledmark::AppendPostingStatements(id, date, branch, postings, batch);
    for (const QString& line : batch.ToQString().split('\n', Qt::SkipEmptyParts))
        statements.push_back(line.toStdString());
    return statements;
}
