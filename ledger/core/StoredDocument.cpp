#include "StoredDocument.h"

#include "DocumentActions.h"
#include "DocCounterLock.h"
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

// Numbering of new documents: a save that keeps a proposed number checks it
// under the document counter's row, so two of them never look for free
// numbers at once. Another document of the table that took the proposed
// number in the working year makes the save take the next free one.

// Whether the save keeps the number the form proposed.
bool KeepsProposedNumber(IStoredDocument& document)
{
    const CString* number = document.Number();
    const CString proposed = document.ProposedNumber();
    return number && !proposed.IsEmpty() && *number == proposed;
}

// How many documents of the table took the proposed number in the working year.
CString ProposedNumberTaken(IStoredDocument& document)
{
    CString inYear;
    if (g_lYear > 0)
        inYear = FormatText(" and d>=%s and d<=%s", ChangeDateUS0(FormatText("01.01.%d", g_lYear), 0),
                            ChangeDateUS0(FormatText("31.12.%d", g_lYear), 0));
    return FormatText("select count(*) as cnt from %s where number='%s'%s", document.HeaderTable(),
                      MakeSqlStr(document.ProposedNumber()), inYear);
}

// Whether a new document's save can go to the server as one call that opens
// and ends its own transaction: on MySQL, a document that writes only its
// header and the postings made before the save, saved in no larger
// transaction (its call must not commit another's work).
bool SavesInOneCall(IStoredDocument& document, const CPostingStatements& made)
{
    return made.IsMade() && document.WritesOnlyHeaderAndPostings() && CurrentDialect() == SqlDialect::MySql
           && !InTransaction();
}

// The save of such a document in one call. It takes the id first, in a
// statement that commits by itself, and writes the postings; only then does
// it hold the counter's row, for the check of the proposed number (against
// the documents as last committed, waiting for one another save is writing;
// the next free number if another document took it) and the header's insert,
// and commits. The row is held neither while this program waits between
// calls nor while the server writes the postings. What it took is read back
// after the commit.
BOOL WriteNewInOneCall(IStoredDocument& document, const CPostingStatements& made, long& id, long& key,
                       CString& taken)
{
    const CString table = document.HeaderTable();
    const bool check = KeepsProposedNumber(document);
    CString batch = DocCounterTakesNextIntoVariable() + "start transaction\n" + made.Batch(CString("@vornal_doc"));
    if (check) {
        const CString highest = GL_HighestNumberQuery(table);
        if (highest.IsEmpty())
            return FALSE;
        batch += DocCounterHoldsRow();
        batch += FormatText("set @vornal_number=if((%s)>0,(select coalesce((%s),0)+1),'%s')\n",
                            ProposedNumberTaken(document), highest, MakeSqlStr(document.ProposedNumber()));
    } else {
        batch += "set @vornal_number=null\n";
    }
    batch += document.HeaderInsertSql(0) + "\n";
    batch += "set @vornal_key=LAST_INSERT_ID()\n";
    batch += FormatText("update %s set id=@vornal_doc%s where real_id=@vornal_key\n", table,
                        check ? ",number=@vornal_number" : "");
    batch += "commit";
    if (!ExecuteSqlInItsOwnTransaction(batch))
        return FALSE;
    const QStringList took =
        ExecuteString("select concat_ws('|',@vornal_doc,@vornal_key,coalesce(@vornal_number,'')) as str")
            .ToQString()
            .split(QLatin1Char('|'));
    if (took.size() < 3)
        return FALSE;
    id = took[0].toLong();
    key = took[1].toLong();
    const CString number(took.mid(2).join(QLatin1Char('|')));
    if (check && number != document.ProposedNumber()) {
        *document.Number() = number;
        taken = number;
    }
    return id > 0 && key > 0;
}

// A new document takes the counter's row when it takes an id (it has
// postings) or checks its proposed number. Every other new document waits for
// that row until the save ends, so the save sends few calls while it holds
// it: the id read with the row's lock, the number's check, and one batch that
// takes the id and writes the postings made before the save and then the
// header, whose key is the batch's last insert.
BOOL WriteNew(IStoredDocument& document, const CPostingStatements& made, long& id, long& key, CString& taken)
{
    id = 0;
    const bool check = KeepsProposedNumber(document);
    CString rows;
    if (check || document.HasPostings()) {
        long long others = 0;
        const long next = LockNextDocId(check ? ProposedNumberTaken(document) : CString(), others);
        if (next <= 0)
            return FALSE;
        if (others > 0) {
            const CString free = GL_NextNumber(document.HeaderTable(), 1);
            if (free.IsEmpty())
                return FALSE;
            *document.Number() = free;
            taken = free;
        }
        if (document.HasPostings()) {
            id = next;
            rows = DocCounterTakes(id) + "\n";
        }
    }
    if (made.IsMade())
        rows += made.Batch(id);
    if (!ExecuteSql(rows + document.HeaderInsertSql(id)))
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
    long id = 0;
    long key = realId;
    BOOL written = FALSE;
    if (realId == -1 && SavesInOneCall(document, made)) {
        written = WriteNewInOneCall(document, made, id, key, taken);
    } else {
        CDbTransaction save;
        if (!save.IsUsable())
            return FALSE;
        written = realId == -1 ? WriteNew(document, made, id, key, taken) : WriteStored(document, id, realId);
        // Postings made before the save were written with the header.
        written = written && WriteLineRows(document, key) && document.WriteLinkedRows(key)
                  && (!document.HasPostings() || made.IsMade() || document.WritePostings(id)) && save.Commit();
    }
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
