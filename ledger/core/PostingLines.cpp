#include "PostingLines.h"

#include "ScriptReadCache.h"
#include "ledmark.h"
#include "ndbcore.h"

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

BOOL TestPostingLines(const std::vector<CPostingLine>& lines, const CString& date, int branch)
{
    for (const CPostingLine& l : lines)
        if (GL_TestProvodka(date, l.debit, l.debit1, l.debit2, l.debit3, l.credit, l.credit1, l.credit2, l.credit3,
                            l.amount, l.quantity, 1, l.kbkDebit, l.kbkCredit, l.branch ? l.branch : branch)
            != 0)
            return FALSE;
    return TRUE;
}

BOOL AppendPostingStatements(long id, const CString& date, int branch, const std::vector<CPostingLine>& lines,
                             CString& batch)
{
    // Making the statements only reads: the chart is read once per query.
    appcore::CScriptReadCache reads;
    CString statements;
    unsigned npp = 0;
    for (const CPostingLine& l : lines) {
        const CString sql = GL_InsertProvodka0((unsigned)id, ++npp, date, l.debit, l.debit1, l.debit2, l.debit3,
                                               l.credit, l.credit1, l.credit2, l.credit3, l.amount, l.quantity,
                                               l.note, l.kbkDebit, l.kbkCredit, l.branch ? l.branch : branch, 0);
        if (sql.IsEmpty())
            return FALSE;
        statements += sql + "\n";
    }
    batch += statements;
    return TRUE;
}

BOOL WritePostingBatch(long id, const CString& date, int branch, const std::vector<CPostingLine>& lines)
{
    CString batch;
    if (!AppendPostingStatements(id, date, branch, lines, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
