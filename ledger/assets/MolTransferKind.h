// The two transfers between responsible persons, materials and fixed assets,
// are one document whose differences are the data below: the account whose
// balances move, its codes of increase and decrease, the analytic value of
// 401.01 that takes the other side, the book that keeps the items, the list
// column and caption, the branch lists' "Все" entry and whether the asset
// cards pass to the receiver.
#pragma once
#include "afx.h"

namespace nledmark {

struct MolTransferKind {
    const char* table;          // the header table
    const char* listColumn;     // the column of the chosen items or cards
    const char* basis;          // the basis document of a new transfer
    const char* title;          // the form's title
    const char* listLabel;      // the caption of the list field
    const char* listFault;      // a list that is no list of ids
    const char* itemBook;       // the table the list picker offers
    bool pickerByBranch;        // the picker shows the sender's branch only
    const char* account;        // the synthetic account whose balances move
    const char* increase;       // its KOSGU code of an increase
    const char* decrease;       // its KOSGU code of a decrease
    // The code of the receiver's increase in mode "000000": the chart takes
    // 440 on the credit side only, so the materials' receiver posts 340.
    const char* zeroModeReceiver;
    const char* resultAnalytic; // the first analytic value of 401.01
    const char* bookCaption;    // the caption of the book of the items
    bool allBranchesEntry;      // the branch lists offer "Все"
    bool movesCards;            // the moved cards get the receiver in the register
};

extern const MolTransferKind kMatTransfer;
extern const MolTransferKind kOsTransfer;

} // namespace nledmark
