#include "StoredDocument.h"

#include "DocumentActions.h"
#include "DocumentKinds.h"
#include "PostingLines.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

// The id under which a stored document writes its postings: its own, or a
// fresh one when the row carries none.
long IdForStoredRow(const CString& table, long realId)
{
    long id = StoredDocumentId(table, realId);
    return id > 0 ? id : I_GetNextDoc_Ptr();
}

// Numbering of new documents: saves that keep a proposed number take the
// document counter's row first, so two of them never look for free numbers at
// once. Another document of the table that took the proposed number in the
// working year makes the save take the next free one. FALSE when a read
// failed (reported).
BOOL KeepNumberFree(IStoredDocument& document, CString& taken)
{
    CString* number = document.Number();
    const CString proposed = document.ProposedNumber();
    if (!number || proposed.IsEmpty() || *number != proposed)
        return TRUE;
    CDbTransaction scope;
    ExecuteCount(SqlLockRow("last_id", "system_doc_counter", "id=1"));
    CString inYear;
    if (g_lYear > 0)
        inYear = FormatText(" and d>=%s and d<=%s", ChangeDateUS0(FormatText("01.01.%d", g_lYear), 0),
                            ChangeDateUS0(FormatText("31.12.%d", g_lYear), 0));
    const long long others = ExecuteCount(FormatText("select count(*) as cnt from %s where number='%s'%s",
                                                     document.HeaderTable(), MakeSqlStr(proposed), inYear));
    if (scope.IsUsable() && others > 0) {
        const CString next = GL_NextNumber(document.HeaderTable(), 1);
        if (next.IsEmpty())
            return FALSE;
        *number = next;
        taken = next;
    }
    return scope.IsUsable() && scope.Commit();
}

BOOL WriteNew(IStoredDocument& document, long& id, long& key, CString& taken)
{
    if (!KeepNumberFree(document, taken))
        return FALSE;
    id = document.HasPostings() ? I_GetNextDoc_Ptr() : 0;
    if (document.HasPostings() && id <= 0)
        return FALSE;
    if (!ExecuteSql(document.HeaderInsertSql(id)))
        return FALSE;
    key = LastInsertId();
    return key > 0;
}

// The stored row is locked first: another user can neither change nor
// delete it until the save ends, and a row already gone is refused.
BOOL WriteStored(IStoredDocument& document, long& id, long realId)
{
    const CString table = document.HeaderTable();
    if (appcore::LockStoredRow(table, realId) != 1)
        return FALSE;
    id = 0;
    if (document.HasPostings()) {
        id = IdForStoredRow(table, realId);
        if (id <= 0)
            return FALSE;
    }
    // Without postings now, the row keeps none of those it had.
    const long postingsOf = document.HasPostings() ? id : StoredDocumentId(table, realId);
    if (postingsOf > 0 && !ExecuteSql(FormatText("delete from ledmark_provodki where id=%d", postingsOf)))
        return FALSE;
    if (!ExecuteSql(document.HeaderUpdateSql(id, realId)))
        return FALSE;
    const CString lines = document.LineTablesDeleteSql(realId);
    return lines.IsEmpty() || ExecuteSql(lines);
}

BOOL WritePostingsOf(IStoredDocument& document, const CPostingStatements& made, long id)
{
    if (!made.IsMade())
        return document.WritePostings(id);
    const CString batch = made.Batch(id);
    return batch.IsEmpty() || ExecuteSql(batch);
}

BOOL WriteLineRows(IStoredDocument& document, long key)
{
    const CString rows = document.LineTablesInsertSql(key);
    return rows.IsEmpty() || ExecuteSql(rows);
}

} // namespace

long StoredDocumentId(const CString& table, long realId)
{
    return (long)ExecuteCount(FormatText("select id as cnt from %s where real_id=%d", table, realId));
}

BOOL SaveStoredDocument(IStoredDocument& document, long& realId, long* savedId, CString* takenNumber)
{
    CDbTask task("Не удалось записать документ");
    CString* number = document.Number();
    const CString typed = number ? *number : CString();
    CString taken;
    // A new document's posting statements are made before its transaction:
    // the posting script's reads then neither run while the document
    // counter's row is held nor fix the transaction's view of the data before
    // the number is checked under that row.
    CPostingStatements made;
    if (realId == -1 && document.HasPostings() && !document.MakePostingStatements(made))
        return FALSE;
    CDbTransaction save;
    if (!save.IsUsable())
        return FALSE;
    long id = 0;
    long key = realId;
    BOOL written = realId == -1 ? WriteNew(document, id, key, taken) : WriteStored(document, id, realId);
    written = written && WriteLineRows(document, key) && document.WriteLinkedRows(key)
              && (!document.HasPostings() || WritePostingsOf(document, made, id))
              && save.Commit();
    if (!written) {
        if (number)
            *number = typed;  // a save that fails changes nothing, the number neither
        return FALSE;
    }
    realId = key;
    if (savedId)
        *savedId = id;
    if (takenNumber)
        *takenNumber = taken;
    return TRUE;
}

BOOL DeleteStoredDocument(IStoredDocument& document, long realId)
{
    return appcore::DeleteDocumentRow(document.HeaderTable(), realId, document.LineTablesDeleteSql(realId));
}

} // namespace nledmark
