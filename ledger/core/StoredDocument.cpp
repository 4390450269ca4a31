#include "StoredDocument.h"

#include "DocumentActions.h"
#include "DocCounterLock.h"
#include "DocumentKinds.h"
#include "CHelpers.h"
#include "PostingLines.h"
#include "ScriptReadCache.h"
#include "SaveChecks.h"
#include "DocumentVersions.h"
#include "gridbase.h"

#include <QThread>
#include "ledmark.h"
#include "ndbcore.h"
#include "DbLossWatch.h"

namespace nledmark {

namespace {

// How long a save whose connection broke waits for the server to come back
// before it says that it cannot tell whether the document was written.
constexpr int kSecondsToReconnect = 5;

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
// number in the year of the document's date makes the save take the next
// free one of that year.

// Whether the save keeps the number the form proposed.
bool KeepsProposedNumber(IStoredDocument& document)
{
    const CString* number = document.Number();
    const CString proposed = document.ProposedNumber();
    return number && !proposed.IsEmpty() && *number == proposed;
}

// The year the document's number counts in: that of its date, else the working year.
long NumberYear(IStoredDocument& document)
{
    const auto* dated = dynamic_cast<const INumberDated*>(&document);
    const CString date = dated ? dated->NumberDate() : CString();
    const long year = date.GetLength() >= 10 ? atol(date.Mid(6, 4)) : 0;
    return year > 0 ? year : g_lYear;
}

// The query of the highest number of the table's documents of the year, as
// GL_NextNumber counts it ("" when the script failed, which has said why).
CString HighestNumberQuery(IStoredDocument& document)
{
    const long year = NumberYear(document);
    if (year <= 0)
        return GL_HighestNumberQuery(document.HeaderTable());
    CString call, answer;
    call.Format("GL_HighestNumberQuery(\"%s\",%ld)", (LPCTSTR)MakeParam(document.HeaderTable()), year);
    return CHelpers::EXEC_GetFunctionValue(call, answer, nullptr) ? answer : CString();
}

// How many documents of the table took the proposed number in its year.
CString ProposedNumberTaken(IStoredDocument& document)
{
    CString inYear;
    const long year = NumberYear(document);
    if (year > 0)
        inYear = FormatText(" and d>=%s and d<=%s", ChangeDateUS0(FormatText("01.01.%d", year), 0),
                            ChangeDateUS0(FormatText("31.12.%d", year), 0));
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

// Reads the row of a new document by its document id, which no other
// document carries: its key and the number it was stored under (a proposed
// number another document took is the next free one, given to `taken`). 1 when
// found, 0 when there is none, -1 when the read failed (reported).
int ReadNewRow(IStoredDocument& document, long id, long& key, CString& taken)
{
    CString number;
    key = 0;
    const long rows = ForEachRow(
        FormatText("select real_id,cast(number as char) as number from %s where id=%d", document.HeaderTable(), id),
        [&](_RecordsetPtr& row) {
            key = (long)row->GetCollect(0L).toInt64();
            number = SafeArayToString(row->GetCollect(1L));
        });
    if (rows < 0)
        return -1;
    if (rows == 0 || key <= 0)
        return 0;
    if (KeepsProposedNumber(document) && number != document.ProposedNumber()) {
        *document.Number() = number;
        taken = number;
    }
    return 1;
}

// The save of such a document in one call. It takes the id first, in a call
// of its own that commits by itself, so the program knows which row to look
// for should the writing call break; then one call writes the postings, and
// only then holds the counter's row, for the check of the proposed number
// (against the documents as last committed, waiting for one another save is
// writing; the next free number if another document took it) and the
// header's insert, and commits. The row is held neither while this program
// waits between calls nor while the server writes the postings. The key and
// the number are read back by the id: nothing is left in the connection's
// state for a later call.
BOOL WriteNewInOneCall(IStoredDocument& document, const CPostingStatements& made, long& id, long& key,
                       CString& taken)
{
    const CString table = document.HeaderTable();
    const bool check = KeepsProposedNumber(document);
    id = TakeNextDocIdAlone();
    if (id <= 0)
        return FALSE;
    CString batch;
    CString highest;
    if (check) {
        highest = HighestNumberQuery(document);
        if (highest.IsEmpty())
            return FALSE;
        // The check reads the year's documents as last committed without
        // locking them: a "set" subquery takes shared locks on the rows it
        // reads until the commit in the default isolation, and a re-save of
        // one of them would wait for this save (or, for a row whose id is 0,
        // deadlock with it). The counter's row, held first, keeps other new
        // documents out while the check runs.
        batch += "set transaction isolation level read committed\n";
    }
    batch += "start transaction\n" + made.Batch(id);
    if (check) {
        batch += DocCounterHoldsRow();
        batch += FormatText("set @vornal_number=if((%s)>0,(select coalesce((%s),0)+1),'%s')\n",
                            ProposedNumberTaken(document), highest, MakeSqlStr(document.ProposedNumber()));
    }
    batch += document.HeaderInsertSql(id) + "\n";
    if (check)
        batch += FormatText("update %s set number=@vornal_number where id=%d\n", table, id);
    batch += "commit";
    if (!ExecuteSqlInItsOwnTransaction(batch))
        return FALSE;
    if (ReadNewRow(document, id, key, taken) > 0)
        return TRUE;
    // Committed, yet not read back (the read failed on a new connection too).
    AfxMessageBox("Документ записан, но прочитать его заново не удалось: прежде чем записывать его снова, "
                  "найдите его в журнале.",
                  MB_OK | MB_ICONWARNING);
    return FALSE;
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
            const CString highest = HighestNumberQuery(document);
            const CString free =
                highest.IsEmpty() ? CString() : ExecuteString(FormatText("select coalesce((%s),0)+1 as str", highest));
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
// delete it until the save ends, and a row already gone is refused. Under
// that lock the row's version must still be the one the form loaded
// (`loaded`; none to check for a caller that loaded nothing); the save raises
// it to `written`.
BOOL WriteStored(IStoredDocument& document, long& id, long realId, const long* loaded, long& written)
{
    const CString table = document.HeaderTable();
    if (appcore::LockStoredRow(table, realId) != 1)
        return FALSE;
    const long stored = appcore::StoredVersion(table, realId);
    if (stored < 0)
        return FALSE;
    if (loaded && stored != *loaded) {
        AfxMessageBox("Документ изменен другим пользователем. Откройте его заново.", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    written = stored + 1;
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
    if (!ExecuteSql(document.HeaderUpdateSql(id, realId) + "\n" + appcore::RaiseVersionSql(table, realId, stored)))
        return FALSE;
    const CString lines = document.LineTablesDeleteSql(realId);
    return lines.IsEmpty() || ExecuteSql(lines);
}

BOOL WriteLineRows(IStoredDocument& document, long key)
{
    const CString rows = document.LineTablesInsertSql(key);
    return rows.IsEmpty() || ExecuteSql(rows);
}

// The server may still be running the broken call on the old connection:
// its session is ended (a transaction it has not committed is rolled back)
// and the save waits until it is gone, so what is read next is the outcome.
// False when it did not go.
bool EndOldSession(long server)
{
    if (server <= 0)
        return true;
    const CString alive =
        FormatText("select count(*) as cnt from information_schema.processlist where id=%d", server);
    if (ExecuteCount(alive) > 0)
        ExecuteSqlUnlessRefused(FormatText("kill connection %d", server));
    for (int wait = 0; wait < kSecondsToReconnect * 10; ++wait) {
        if (ExecuteCount(alive) == 0)
            return true;
        QThread::msleep(100);
    }
    return false;
}

// The connection broke during a call of the save that ends with its own
// commit: on a new connection the save looks for what it wrote. A new
// document is looked for by its document id (taken apart before the writing
// call) or by the key its header got; a stored one by the version the save
// gave it. Whether it was written (and the key, the id and the number it was
// stored under); the user is told either way.
BOOL FindOutAfterBreak(IStoredDocument& document, long realId, long writtenVersion, long server, long& id,
                       long& key, CString& taken)
{
    const char* const broke = "Связь с сервером базы данных прервалась во время записи. ";
    if (!ConnectAgain(kSecondsToReconnect) || !EndOldSession(server)) {
        AfxMessageBox(CString(broke)
                          + "Подключиться к серверу заново не удалось: неизвестно, записан ли документ. "
                            "Прежде чем записывать его снова, найдите его в журнале.",
                      MB_OK | MB_ICONWARNING);
        return FALSE;
    }
    int found = 0;
    if (realId != -1) {
        // No version taken: the break came before anything of the row was sent.
        const long stored = writtenVersion > 0 ? appcore::StoredVersion(document.HeaderTable(), realId) : 0;
        found = stored < 0 ? -1 : writtenVersion > 0 && stored == writtenVersion ? 1 : 0;
    } else if (id > 0) {
        found = ReadNewRow(document, id, key, taken);
    } else if (key > 0) {
        found = (int)ExecuteCount(
            FormatText("select count(*) as cnt from %s where real_id=%d", document.HeaderTable(), key));
        if (found > 0 && !taken.IsEmpty())
            *document.Number() = taken;
    }
    if (found < 0) {
        AfxMessageBox(CString(broke) + "Неизвестно, записан ли документ: прежде чем записывать его снова, найдите "
                                       "его в журнале.",
                      MB_OK | MB_ICONWARNING);
        return FALSE;
    }
    if (found == 0) {
        AfxMessageBox(CString(broke) + "Документ не записан. Повторите запись.", MB_OK | MB_ICONWARNING);
        return FALSE;
    }
    AfxMessageBox(CString(broke) + "Документ записан.", MB_OK | MB_ICONINFORMATION);
    return TRUE;
}

} // namespace

long StoredDocumentId(const CString& table, long realId)
{
    return (long)ExecuteCount(FormatText("select id as cnt from %s where real_id=%d", table, realId));
}

namespace {

// The save of both: `version`, when given, is checked for a stored row and
// receives the version written.
BOOL Save(IStoredDocument& document, long& realId, long* savedId, CString* takenNumber, long* version)
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
    // A break of the connection where the server may have committed is not
    // reported by the layer: the save finds out what it did.
    CDbLossWatch loss;
    // The server's id of the connection the save writes on: should it break,
    // the save ends that session before it looks for what was written.
    // (A read: a connection the server dropped before the save is opened
    // again here, as the save's first write would.)
    const long server =
        CurrentDialect() == SqlDialect::MySql ? (long)ExecuteCount("select connection_id() as cnt") : 0;
    long id = 0;
    long key = realId == -1 ? 0 : realId;
    long writtenVersion = 0;
    BOOL written = FALSE;
    if (realId == -1 && SavesInOneCall(document, made)) {
        written = WriteNewInOneCall(document, made, id, key, taken);
    } else {
        // A connection that breaks as the transaction begins has written
        // nothing; the save says so below, as for a break at its commit.
        CDbTransaction save;
        if (save.IsUsable()) {
            written = realId == -1 ? WriteNew(document, made, id, key, taken)
                                   : WriteStored(document, id, realId, version, writtenVersion);
            // Postings made before the save were written with the header.
            written = written && WriteLineRows(document, key) && document.WriteLinkedRows(key)
                      && (!document.HasPostings() || made.IsMade() || document.WritePostings(id)) && save.Commit();
        }
    }
    if (!written && loss.Unknown())
        written = FindOutAfterBreak(document, realId, writtenVersion, server, id, key, taken);
    // What the scripts read before the save is not what it leaves: the next
    // number proposed after it counts the numbers as committed.
    appcore::CScriptReadCache::Forget();
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
    if (version)
        *version = writtenVersion;
    return TRUE;
}

} // namespace

BOOL SaveStoredDocument(IStoredDocument& document, long& realId, long* savedId, CString* takenNumber)
{
    return Save(document, realId, savedId, takenNumber, nullptr);
}

BOOL SaveStoredDocumentOfVersion(IStoredDocument& document, long& realId, long& version, CString* takenNumber)
{
    return Save(document, realId, nullptr, takenNumber, &version);
}

BOOL DeleteStoredDocument(IStoredDocument& document, long realId)
{
    return appcore::DeleteDocumentRow(document.HeaderTable(), realId, document.LineTablesDeleteSql(realId));
}

} // namespace nledmark
