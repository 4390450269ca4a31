#include "PostingBench.h"

#include <ndbcore.h>

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
    AppendStatementLines(batch, statements);
    return statements;
}

void AppendStatementLines(const CString& sql, std::vector<std::string>& statements)
{
    for (const QString& line : sql.ToQString().split('\n', Qt::SkipEmptyParts))
        statements.push_back(line.toStdString());
}

CString StoredPostingInserts(long above, long asId)
{
    return ExecuteString(FormatText(
        "select group_concat(concat('insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,"
        "deb_sb3,kbk_deb,kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,kred_sb3,kbk_kred,kol,s,prim,fil_id) values (%ld,',"
        "npp,',''',d,''',''',deb0,''',''',deb1,''',''',deb2,''',''',deb3,''',',quote(deb_sb1),',',quote(deb_sb2),',',"
        "quote(deb_sb3),',',coalesce(kbk_deb,'null'),',''',kred0,''',''',kred1,''',''',kred2,''',''',kred3,''',',"
        "quote(kred_sb1),',',quote(kred_sb2),',',quote(kred_sb3),',',coalesce(kbk_kred,'null'),',',"
        "coalesce(kol,'null'),',',s,',',quote(prim),',',fil_id,')') separator '\\n') as str from ledmark_provodki "
        "where id>%ld",
        asId, above));
}
