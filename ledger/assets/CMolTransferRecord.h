// A transfer between responsible persons as it is stored: the header row (the
// sender and receiver with their branches, the chosen items or cards, the
// sender's KBKs, the receiver's KBK, the correspondence mode) and the postings
// derived at the save from the sender's balances as of the document date.
//
// The balances are read inside the save's transaction, after the old postings
// of the document are gone, so a re-save moves what one save would. All the
// postings (and, for assets, the cards passed to the receiver) are written
// as one batch.
#pragma once
#include "MolTransferKind.h"
#include "PostingLines.h"
#include "StoredDocument.h"

#include <vector>

namespace nledmark {

class CMolTransferRecord : public IStoredDocument {
public:
    explicit CMolTransferRecord(const MolTransferKind& kind) : m_kind(&kind) {}

    // Every value that reaches SQL has been checked by the form: the personnel
    // numbers and the lists are whole numbers, the branches single ones.
    int mode = 0;  // 0 "000000", 1 "40101"
    CString number;
    CString date;  // dd.mm.yyyy
    CString prim, icn;
    CString sender, receiver;
    int senderBranch = 1, receiverBranch = 1;
    CString items;        // ids joined by ","
    CString senderKbks;   // ids joined by ","
    CString receiverKbk;

    // What the last save wrote: the postings and the cards it gave the receiver.
    size_t posted = 0;
    std::vector<CString> movedCards;

    const MolTransferKind& Kind() const { return *m_kind; }

    // The stored row `realId`; FALSE (reported) when it cannot be read.
    BOOL Load(long realId);

    CString HeaderTable() const override { return m_kind->table; }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override;
    CString HeaderUpdateSql(long id, long realId) override;
    BOOL WritePostings(long id) override;
    CString* Number() override { return &number; }

    // The statements of the save after the header, built from the balances:
    // the postings under `id` and the register update. FALSE when a balance
    // could not be read or a posting was refused (the user has been told).
    BOOL BuildBatch(long id, CString& batch);

private:
    void CardMoved(const CString& item);

    const MolTransferKind* m_kind;
};

} // namespace nledmark
