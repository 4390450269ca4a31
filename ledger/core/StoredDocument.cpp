#include "StoredDocument.h"

#include "DocumentKinds.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

BOOL RowExists(const CString& table, long realId)
{
    if (ExecuteCount(FormatText("select count(*) as cnt from %s where real_id=%d", table, realId)) > 0)
        return TRUE;
    AfxMessageBox("Документ не найден в базе данных: его удалил другой пользователь.", MB_OK | MB_ICONSTOP);
    return FALSE;
}

// The id under which a stored document writes its postings: its own, or a
// fresh one when the row carries none.
long IdForStoredRow(const CString& table, long realId)
{
    long id = StoredDocumentId(table, realId);
    return id > 0 ? id : I_GetNextDoc_Ptr();
}

BOOL WriteNew(IStoredDocument& document, long& id, long& key)
{
    id = document.HasPostings() ? I_GetNextDoc_Ptr() : 0;
    if (document.HasPostings() && id <= 0)
        return FALSE;
    if (!ExecuteSql(document.HeaderInsertSql(id)))
        return FALSE;
    key = LastInsertId();
    return key > 0;
}

BOOL WriteStored(IStoredDocument& document, long& id, long realId)
{
    const CString table = document.HeaderTable();
    if (!RowExists(table, realId))
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

BOOL SaveStoredDocument(IStoredDocument& document, long& realId, long* savedId)
{
    CDbTransaction save;
    if (!save.IsUsable())
        return FALSE;
    long id = 0;
    long key = realId;
    const BOOL written = realId == -1 ? WriteNew(document, id, key) : WriteStored(document, id, realId);
    if (!written || !WriteLineRows(document, key) || (document.HasPostings() && !document.WritePostings(id))
        || !save.Commit())
        return FALSE;
    realId = key;
    if (savedId)
        *savedId = id;
    return TRUE;
}

BOOL DeleteStoredDocument(IStoredDocument& document, long realId)
{
    const CString table = document.HeaderTable();
    CDbTransaction removal;
    if (!removal.IsUsable())
        return FALSE;
    // The stored id, whatever the form shows now: a document whose "do not
    // post" box was ticked after its last save still has its postings.
    const long id = StoredDocumentId(table, realId);
    if (id > 0 && !ExecuteSql(FormatText("delete from ledmark_provodki where id=%d", id)))
        return FALSE;
    if (!ExecuteSql(FormatText("delete from %s where real_id=%d", table, realId)))
        return FALSE;
    const CString lines = document.LineTablesDeleteSql(realId);
    if (!lines.IsEmpty() && !ExecuteSql(lines))
        return FALSE;
    return removal.Commit();
}

} // namespace nledmark
