#include "PostingLines.h"

#include "ScriptReadCache.h"
#include "appcore.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <cstdlib>
#include <cstring>

namespace nledmark {

BOOL InsertPostings(long id, const CString& date, int branch, const std::vector<CPostingLine>& lines,
                    size_t* refused)
{
    unsigned npp = 0;
    for (const CPostingLine& l : lines) {
        if (!GL_InsertProvodka((unsigned)id, ++npp, date, l.debit, l.debit1, l.debit2, l.debit3, l.credit, l.credit1,
                               l.credit2, l.credit3, l.amount, l.quantity, l.note, l.kbkDebit, l.kbkCredit,
                               l.branch ? l.branch : branch, 0)) {
            if (refused)
                *refused = npp - 1;
            return FALSE;
        }
    }
    return TRUE;
}

int TestPosting(const CString& date, const CPostingLine& l, int branch)
{
    const int rules = GL_TestProvodka(date, l.debit, l.debit1, l.debit2, l.debit3, l.credit, l.credit1, l.credit2,
                                      l.credit3, l.amount, l.quantity, 1, l.kbkDebit, l.kbkCredit,
                                      l.branch ? l.branch : branch);
    if (rules != 0)
        return rules;
    CString call;
    call.Format("TestPostingAccounts(\"%s\",\"%s\",\"%s\",\"%s\",\"%s\",\"%s\",\"%s\",\"%s\",1)",
                (LPCSTR)MakeParam(l.debit), (LPCSTR)MakeParam(l.debit1), (LPCSTR)MakeParam(l.debit2),
                (LPCSTR)MakeParam(l.debit3), (LPCSTR)MakeParam(l.credit), (LPCSTR)MakeParam(l.credit1),
                (LPCSTR)MakeParam(l.credit2), (LPCSTR)MakeParam(l.credit3));
    CString answer;
    // A call that cannot be evaluated refuses too (the interpreter has reported).
    if (!CHelpers::EXEC_GetFunctionValue(call, answer, 0) || answer.IsEmpty())
        return 2;
    return std::atoi(answer);
}

BOOL TestPostingLines(const std::vector<CPostingLine>& lines, const CString& date, int branch)
{
    for (const CPostingLine& l : lines)
        if (TestPosting(date, l, branch) != 0)
            return FALSE;
    return TRUE;
}

namespace {

// The statement the posting script makes of line `npp` of document `id`; empty
// when the line may not be written (the user has been told why).
CString PostingStatement(long id, unsigned npp, const CString& date, int branch, const CPostingLine& l)
{
    return GL_InsertProvodka0((unsigned)id, npp, date, l.debit, l.debit1, l.debit2, l.debit3, l.credit, l.credit1,
                              l.credit2, l.credit3, l.amount, l.quantity, l.note, l.kbkDebit, l.kbkCredit,
                              l.branch ? l.branch : branch, 0);
}

// The stand-in id of statements made before the document's id is known.
const long kStandInId = 1;
const char* const kPostingInsert = "insert into ledmark_provodki (id,";
const char* const kValues = ") values (";

// Whether the text after the id ends the statement's one row of values:
// nothing follows its closing parenthesis.
bool OneRowOfValues(const CString& after)
{
    CString tail = after;
    tail.TrimRight();
    return tail.Right(1) == ")";
}

} // namespace

BOOL AppendPostingStatements(long id, const CString& date, int branch, const std::vector<CPostingLine>& lines,
                             CString& batch)
{
    // Making the statements only reads: the chart is read once per query.
    appcore::CScriptReadCache reads;
    CString statements;
    unsigned npp = 0;
    for (const CPostingLine& l : lines) {
        const CString sql = PostingStatement(id, ++npp, date, branch, l);
        if (sql.IsEmpty())
            return FALSE;
        statements += sql + "\n";
    }
    batch += statements;
    return TRUE;
}

BOOL CPostingStatements::Make(const CString& date, int branch, const std::vector<CPostingLine>& lines)
{
    m_parts.clear();
    m_made = false;
    appcore::CScriptReadCache reads;
    std::vector<std::pair<CString, CString>> parts;
    bool placed = true;
    unsigned npp = 0;
    for (const CPostingLine& l : lines) {
        const CString sql = PostingStatement(kStandInId, ++npp, date, branch, l);
        if (sql.IsEmpty())
            return FALSE;
        // The id is the first of the values; the column list before them
        // holds no text of the user's, so its end is found where it is.
        const int values = sql.Find(kValues);
        const CString first = FormatText("%ld,", kStandInId);
        const int at = values + (int)strlen(kValues);
        if (sql.Left((int)strlen(kPostingInsert)) != kPostingInsert || values < 0
            || sql.Mid(at, first.GetLength()) != first) {
            placed = false;
            continue;
        }
        parts.emplace_back(sql.Left(at), sql.Mid(at + first.GetLength() - 1));
    }
    m_parts = placed ? std::move(parts) : std::vector<std::pair<CString, CString>>();
    m_made = placed;
    return TRUE;
}

CString CPostingStatements::Batch(long id) const
{
    return Batch(FormatText("%ld", id));
}

CString CPostingStatements::Batch(const CString& id) const
{
    // Rows of the same column list go as one insert of up to 100 rows: the
    // server parses and answers one statement instead of one per line.
    const int rowsPerInsert = 100;
    CString batch;
    int rows = 0;
    for (size_t i = 0; i < m_parts.size(); ++i) {
        const auto& [before, after] = m_parts[i];
        const bool joins = rows > 0 && rows < rowsPerInsert && before == m_parts[i - 1].first
                           && OneRowOfValues(after) && OneRowOfValues(m_parts[i - 1].second);
        if (joins) {
            batch += ",(" + id + after;
            ++rows;
        } else {
            if (rows > 0)
                batch += "\n";
            batch += before + id + after;
            rows = 1;
        }
    }
    if (rows > 0)
        batch += "\n";
    return batch;
}

BOOL WritePostingBatch(long id, const CString& date, int branch, const std::vector<CPostingLine>& lines)
{
    CString batch;
    if (!AppendPostingStatements(id, date, branch, lines, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
