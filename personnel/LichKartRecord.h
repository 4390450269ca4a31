// The employee's row of tn as the personal card writes it: the card's columns
// with the field of each and how its text reaches SQL, and the save of the
// row together with the employee's counterparty row (spr_contr, tip 2), through
// which the ledger's documents name him. SQL Server takes the save as one batch
// with variables; the other dialects take separate statements. Either way the
// rows are written in one transaction: both or neither.
#pragma once
#include "afx.h"

#include <map>
#include <string>
#include <vector>

namespace nperso {

// How a column's text reaches SQL.
enum class CardValue {
    Text,      // quoted through the literal helpers ('' when empty)
    Date,      // a date literal, NULL when empty
    Code,      // a required code of a reference book: a checked number
    Number,    // an optional whole number: a checked number, NULL when empty
    FullName,  // fio_r: surname, first name and patronymic by blanks
    Sex,       // pol: the sex list's text
    Flag,      // MRosn: 0 or 1
};

struct CardColumn {
    const char* name;   // as the statements write it
    int control;        // the card's field; 0 for the columns without one
    CardValue value;
    const char* label;  // the field's name in messages
};

// The card's columns in the order of its insert.
const std::vector<CardColumn>& CardColumns();

// What a save writes: each column's text by its name (as CardColumns() names
// it), and the main-place flag.
struct CardRecord {
    std::map<std::string, CString> texts;
    int mainPlace = 0;

    CString Text(const char* column) const;
    // Surname, " ", first name, " ", patronymic: the blanks stay when a part is empty.
    CString FullName() const;
};

// The column's SQL value; false when a code or number is no whole number.
bool CardSqlValue(const CardColumn& column, const CardRecord& record, CString& sql);

// The statements of the separate-statement dialects: the insert (with the
// personnel number, or numbered by the database when `tn` is empty) and the
// update of the row `tn`. "" when a value is no number.
CString CardInsertSql(const CardRecord& record, const CString& tn);
CString CardUpdateSql(const CardRecord& record, const CString& tn);
// The SQL Server batch: the row updated (`exists`), or inserted with the
// number `tn` or numbered by the database, then the counterparty row kept in
// step; it answers the personnel number written as its one value ("str").
CString CardBatchSql(const CardRecord& record, const CString& tn, bool exists);

// The counterparty row of the employee `tn` ("cnt"), its name changed, a new one.
CString ContrFindSql(const CString& tn);
CString ContrUpdateSql(long id, const CString& name);
CString ContrInsertSql(const CString& name, const CString& tn);

enum class CardWrite {
    Written,  // both rows; `tn` holds the personnel number
    Failed,   // nothing written (the database layer has reported why)
    Gone,     // the row to change was deleted by another user meanwhile: nothing written
};

// Writes the employee's row (changes the row `tn` when `exists`, else adds
// one: under `tn`, or under the database's next number when `tn` is empty)
// and his counterparty row, in one transaction. `tn` becomes the number written.
CardWrite WriteCard(const CardRecord& record, CString& tn, bool exists);

} // namespace nperso
