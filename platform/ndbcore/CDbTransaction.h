// A transaction scope of the layer's session: a save made of several calls
// takes one, and every ExecuteSql, SetConstant and document number inside it
// joins its transaction instead of opening its own.
//
//   CDbTransaction save;
//   if (!ExecuteSql(header) || !ExecuteSql(lines)) return;   // rolled back by the destructor
//   if (!save.Commit()) return;                               // reported
//
// Commit is explicit; a scope left without it rolls back. A call inside the
// scope that fails (and is reported) leaves the scope able only to roll back:
// later calls inside it fail at once without a second report, and Commit
// rolls back and answers FALSE. Scopes nest: only the outermost one ends the
// transaction. A scope belongs to the thread that made it.
//
// While the outermost scope is open the thread holds its messages
// (AfxMessageHold.h): script warnings, database error reports and plain
// message boxes are shown once the transaction has ended, so no window waits
// for the user while the transaction holds locks.
#pragma once
#include "afx.h"

// Whether this thread's session has a transaction open (a scope, or one begun
// on its connection): a save in none may open and end its own in one call.
bool InTransaction();

class CDbTransaction {
public:
    CDbTransaction();
    ~CDbTransaction();
    CDbTransaction(const CDbTransaction&) = delete;
    CDbTransaction& operator=(const CDbTransaction&) = delete;

    // TRUE when the transaction was committed (or, for an inner scope, may still be).
    BOOL Commit();
    void Rollback();
    // FALSE when the transaction could not begin (no connection) or a call inside failed.
    BOOL IsUsable() const;

private:
    bool End(bool commit);

    bool began_ = false;
    bool ended_ = false;
    bool outermost_ = false;
};
