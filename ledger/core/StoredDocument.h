// The stored side of a document of the ledger: its header row and, for a
// document with postings, the postings that carry its document id.
//
// Every save and every deletion is one transaction of the database layer: the
// deletion of the old postings, the header's insert or update and every
// posting are written together or not at all. A refused posting or a failed
// statement in the middle leaves the document and its postings as they were
// before the save, and a new document keeps its key -1 (the next save inserts
// again); the document counter gives its number back too. A stored row is
// locked first, so another user cannot delete it under the save; one already
// deleted is refused and nothing is written. Messages raised inside the save
// are shown after its transaction has ended.
//
// A document may keep rows of its own line tables beside its header: they
// carry the header's key and are written in the same transaction, after the
// header (a new row's key is known by then); a re-save deletes the old rows
// first. A stored row saved as a document without postings (a "do not post"
// box) loses the postings it had, in the same transaction.
#pragma once
#include "afx.h"

namespace nledmark {

class CPostingStatements;

// What a save needs of a document: its header table and the statements that
// write its row; the postings are written by the document itself.
class IStoredDocument {
public:
    virtual ~IStoredDocument() = default;
    // The header table ("ledmark_oper_by_hand").
    virtual CString HeaderTable() const = 0;
    // Documents with postings carry a document id in column `id`.
    virtual BOOL HasPostings() const = 0;
    // The insert of a new header row (id 0 for a document without postings).
    virtual CString HeaderInsertSql(long id) = 0;
    // The update of the stored row `realId`, with its document id.
    virtual CString HeaderUpdateSql(long id, long realId) = 0;
    // Writes the postings under `id`, numbered from 1; FALSE stops the save.
    virtual BOOL WritePostings(long id) = 0;
    // A new document's postings as statements made before its save begins
    // (PostingLines.h), written then under its id in place of WritePostings:
    // the posting script's work is done before the document counter's row is
    // taken. FALSE stops the save (the user has been told why). By default
    // nothing is made and WritePostings writes the postings in the save.
    virtual BOOL MakePostingStatements(CPostingStatements& statements) { return TRUE; }
    // Whether a new document writes nothing but its header and the postings
    // it made before the save: no line rows, no linked rows. Such a save
    // can be sent in one call that ends its transaction itself.
    virtual bool WritesOnlyHeaderAndPostings() const { return false; }
    // Deletes the rows of the document's own line tables (nothing by default).
    virtual CString LineTablesDeleteSql(long realId) { return CString(); }
    // Writes the rows of the document's own line tables under the header's
    // key `realId` (nothing by default).
    virtual CString LineTablesInsertSql(long realId) { return CString(); }
    // Writes the rows of other tables the document keeps in step with its
    // header (a book row that the header then names), under the header's key
    // `realId`, after the line rows and before the postings; FALSE stops the
    // save. Nothing by default.
    virtual BOOL WriteLinkedRows(long realId) { return TRUE; }
    // The number the save writes (null for a document without one) and the
    // number the form proposed, when the user kept it ("" for a typed number
    // and for a stored document). A new document whose proposed number
    // another document took meanwhile is saved under the next free number.
    virtual CString* Number() { return nullptr; }
    virtual CString ProposedNumber() const { return CString(); }
};

// Saves the document as one transaction. `realId` is -1 for a new document
// and becomes the key of its new row once everything is written; a stored
// document keeps its key. `savedId` receives the document id used: the stored
// one, or a fresh one for a new document and for a stored row whose id is 0,
// so the postings of no other document are touched. FALSE when nothing was
// written (the reason has been shown) and the document's number is as it
// was. `takenNumber` receives the number taken in place of a proposed one
// that another document took ("" when the number was kept).
BOOL SaveStoredDocument(IStoredDocument& document, long& realId, long* savedId = nullptr,
                        CString* takenNumber = nullptr);

// Deletes a stored document with its postings (those of the id the row
// carries) and line rows in one transaction, through the document forms' one
// delete (appcore::DeleteDocumentRow).
BOOL DeleteStoredDocument(IStoredDocument& document, long realId);

// The document id stored in the row (0 when the row has none or is gone).
long StoredDocumentId(const CString& table, long realId);

} // namespace nledmark
